#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileDialog.h"
#include "PastewiseApp.h"
#include "ProgramBox.h"
#include "SharedState.h"
#include "StoredFiles.h"
#include "TestFiles.h"
#include "WindowQuery.h"
#include "platform/Product.h"

namespace e2e {
namespace {

// A configuration file of two rows that the settings file names, so that the program starts
// with it open.
class SaveQuestion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeFileBytes(project, kTwoRows));
        ASSERT_TRUE(
            PastewiseApp::writeSettingsFile("[Configuration]\r\nFileName=" + project + "\r\n"));
    }

    // Checks that the program has opened the file.
    static void expectProjectOpen(const PastewiseApp& app) {
        EXPECT_EQ(app.caption(), documentCaption("project.pwc"));
        EXPECT_EQ(app.list().rows(), (std::vector<ListRow>{{"1", "first entry", "Ctrl 1"},
                                                           {"2", "second entry", "Ctrl 2"}}));
    }

    inline static const std::string kTwoRows =
        configurationFile({{"1", "first entry", "Ctrl 1"}, {"2", "second entry", "Ctrl 2"}});
    inline static const std::string kThreeRows =
        configurationFile({{"1", "first entry", "Ctrl 1"},
                           {"2", "second entry", "Ctrl 2"},
                           {"3", "third entry", "Ctrl 3"}});

    const ScratchFolder folder = ScratchFolder::forThisTest();
    const std::string project = folder.file("project.pwc");
};

TEST_F(SaveQuestion, NewAsksAboutAChangedDocumentAndDoesWhatTheAnswerSays) {
    PastewiseApp app(PastewiseApp::Settings::Keep);
    expectProjectOpen(app);
    ASSERT_TRUE(app.addSnippet("third entry"));
    ASSERT_TRUE(app.waitForCaption(documentCaption("project.pwc*")));
    const std::string question = "Do you want to save changes to " + project;

    // Cancel: nothing happens.
    ASSERT_TRUE(app.chooseFromMainMenu('N'));
    EXPECT_TRUE(answerProgramBox(app, question, BoxButtons::YesNoCancel, IDCANCEL));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(app.caption(), documentCaption("project.pwc*"));
    EXPECT_EQ(app.list().count(), 3);
    EXPECT_EQ(readFileBytes(project), kTwoRows);

    // No: an empty untitled list, the file as it was, the hotkeys released.
    ASSERT_TRUE(app.chooseFromMainMenu('N'));
    EXPECT_TRUE(answerProgramBox(app, question, BoxButtons::YesNoCancel, IDNO));
    EXPECT_TRUE(app.waitForCaption(documentCaption("Untitled"))) << "caption: " << app.caption();
    EXPECT_TRUE(app.waitForRowCount(0));
    EXPECT_EQ(readFileBytes(project), kTwoRows);
    {
        const HotkeyReservation one('1');
        EXPECT_TRUE(one.held());
    }

    // Yes: the file is written before the list goes.
    ASSERT_TRUE(app.chooseFromMainMenu('L'));
    ASSERT_TRUE(FileDialog::chooseIn(app, project));
    ASSERT_TRUE(app.waitForCaption(documentCaption("project.pwc")));
    ASSERT_TRUE(app.addSnippet("third entry"));
    ASSERT_TRUE(app.waitForCaption(documentCaption("project.pwc*")));
    ASSERT_TRUE(app.chooseFromMainMenu('N'));
    EXPECT_TRUE(answerProgramBox(app, question, BoxButtons::YesNoCancel, IDYES));
    EXPECT_TRUE(app.waitForCaption(documentCaption("Untitled"))) << "caption: " << app.caption();
    EXPECT_TRUE(app.waitForRowCount(0));
    EXPECT_EQ(readFileBytes(project), kThreeRows);

    // An empty untitled list has nothing to lose: New does not ask.
    ASSERT_TRUE(app.chooseFromMainMenu('N', PastewiseApp::MenuEffect::None));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_EQ(findMessageBox(app.processId(), pw::kMessageCaption), nullptr);
    EXPECT_EQ(app.caption(), documentCaption("Untitled"));
}

TEST_F(SaveQuestion, ExitAsksAboutAChangedDocumentAndCancelKeepsTheProgramRunning) {
    const std::string question = "Do you want to save changes to " + project;
    {
        PastewiseApp app(PastewiseApp::Settings::Keep);
        expectProjectOpen(app);
        ASSERT_TRUE(app.addSnippet("third entry"));
        ASSERT_TRUE(app.waitForCaption(documentCaption("project.pwc*")));

        ASSERT_TRUE(app.clickExit());
        EXPECT_TRUE(answerProgramBox(app, question, BoxButtons::YesNoCancel, IDCANCEL));
        ASSERT_TRUE(app.waitForQueuedMessages());
        EXPECT_TRUE(app.process().running());
        EXPECT_TRUE(IsWindowVisible(app.mainWindow()));
        EXPECT_EQ(app.caption(), documentCaption("project.pwc*"));
        EXPECT_EQ(app.list().count(), 3);

        // No: the program ends without writing the file.
        ASSERT_TRUE(app.clickExit());
        EXPECT_TRUE(answerProgramBox(app, question, BoxButtons::YesNoCancel, IDNO));
        EXPECT_EQ(app.process().waitForExit(), std::optional<DWORD>(0));
        EXPECT_EQ(readFileBytes(project), kTwoRows);
        // The settings file keeps its copy of the list all the same.
        const auto settings = readFileBytes(PastewiseApp::settingsFile());
        ASSERT_TRUE(settings);
        EXPECT_NE(settings->find("\r\n[ClipStringList]\r\nCount=3\r\n"), std::string::npos)
            << *settings;
    }
    {
        // So the next start has the two rows; Yes writes the third one.
        PastewiseApp app(PastewiseApp::Settings::Keep);
        expectProjectOpen(app);
        ASSERT_TRUE(app.addSnippet("third entry"));
        ASSERT_TRUE(app.waitForCaption(documentCaption("project.pwc*")));
        ASSERT_TRUE(app.clickExit());
        EXPECT_TRUE(answerProgramBox(app, question, BoxButtons::YesNoCancel, IDYES));
        EXPECT_EQ(app.process().waitForExit(), std::optional<DWORD>(0));
        EXPECT_EQ(readFileBytes(project), kThreeRows);
    }
}

TEST(SaveQuestionUntitled, ExitSavesAnUntitledListToTheChosenFileAndTheNextStartIsUntitled) {
    const auto folder = ScratchFolder::forThisTest();
    {
        PastewiseApp app;
        // An empty list without a document is not asked about.
        ASSERT_TRUE(app.chooseFromMainMenu('N'));
        ASSERT_TRUE(app.waitForCaption(documentCaption("Untitled")))
            << "caption: " << app.caption();
        ASSERT_TRUE(app.addSnippet("draft text"));
        ASSERT_TRUE(app.waitForCaption(documentCaption("Untitled*")));

        ASSERT_TRUE(app.clickExit());
        EXPECT_TRUE(answerProgramBox(app, "Do you want to save changes to configuration file?",
                                     BoxButtons::YesNoCancel, IDYES));
        const auto dialog = FileDialog::waitFor(app);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->title(), "Save as Orvane Pastewise Configuration File");
        EXPECT_EQ(windowText(dialog->fileNameBox()), "");
        ASSERT_TRUE(dialog->choose(folder.file("draft")));
        EXPECT_EQ(app.process().waitForExit(), std::optional<DWORD>(0));
    }
    EXPECT_EQ(readFileBytes(folder.file("draft.pwc")),
              configurationFile({{"1", "draft text", "Ctrl 1"}}));
    const auto settings = readFileBytes(PastewiseApp::settingsFile());
    ASSERT_TRUE(settings);
    EXPECT_NE(settings->find("\r\n[Configuration]\r\nFileName=Untitled\r\n"), std::string::npos)
        << *settings;

    PastewiseApp app(PastewiseApp::Settings::Keep);
    EXPECT_EQ(app.caption(), documentCaption("Untitled"));
    EXPECT_EQ(app.list().count(), 0);
}

} // namespace
} // namespace e2e
