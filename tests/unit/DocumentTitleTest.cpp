#include "app/TfrmMain.h"
#include "persistence/DocumentState.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

using test::CaptionWith;

struct TitleCase {
    std::string doc;
    int rows;
    std::string docAfterAdd; // after one more row came through the Add button
    bool canSave;
    bool exitAsks;
    bool newOrLoadAsks;
};

TEST(DocumentTitleTest, MarkSaveAndQuestionsFollowTheCaption) {
    const TitleCase cases[] = {
        {"", 0, "", false, false, false},
        {"", 2, "", false, false, true},
        {"[Untitled]", 0, "[Untitled*]", false, false, false},
        {"[Untitled]", 1, "[Untitled*]", false, true, true},
        {"[Untitled*]", 1, "[Untitled*]", true, true, true},
        {"[a.pwc]", 0, "[a.pwc*]", false, false, false},
        {"[a.pwc]", 2, "[a.pwc*]", false, false, false},
        {"[a.pwc*]", 0, "[a.pwc*]", true, true, true},
        {"[a.pwc*]", 2, "[a.pwc*]", true, true, true},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.doc + " with " + std::to_string(c.rows) + " rows");
        test::RunningProgram p;
        p.run.Open(c.doc, c.doc.empty() ? "" : "C:\\d\\a.pwc", c.rows);
        EXPECT_EQ(p.frm.aSaveConfiguration.Enabled(), c.canSave);
        EXPECT_EQ(p.frm.miSaveConfiguration.Enabled(), c.canSave);
        EXPECT_EQ(p.frm.ExitMustAskToSave(), c.exitAsks);
        EXPECT_EQ(p.frm.CurrentDocument().MustAskToSave(c.rows, SaveQuestionFor::NewOrLoad),
                  c.newOrLoadAsks);

        p.frm.eClipString.SetText("added");
        p.frm.bAdd.Click();
        p.frm.MarkListChanged(); // a second change adds no second mark
        p.frm.Idle();
        EXPECT_EQ(p.frm.Caption(), CaptionWith(c.docAfterAdd));
        EXPECT_EQ(p.frm.aSaveConfiguration.Enabled(), !c.doc.empty());
    }
}

} // namespace
} // namespace pw
