#include "app/TfrmMain.h"
#include "app/DocumentCommands.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pw {
namespace {

using test::kSettingsPath;
using test::Strings;

const std::string kA = "C:\\d\\a.pwc";
const std::string kOld = "old bytes, not to be touched";
const std::string kReason = "There is not enough space on the disk.";

struct Fault {
    const char* name;
    std::set<std::string> failing;
    bool temporaryLeft; // only when its removal failed too
};
const Fault kFaults[] = {
    {"write", {"write"}, false},
    {"replace", {"replace"}, false},
    {"write, then remove", {"write", "remove"}, true},
    {"replace, then remove", {"replace", "remove"}, true},
};

// Fails the operations on the paths that start with `under`.
void Inject(test::FakeDesktop& desktop, const Fault& f, const std::string& under) {
    desktop.fault = [&f, under](const std::string& op, const std::string& path) {
        return f.failing.contains(op) && path.starts_with(under) ? IoResult::Failure(kReason)
                                                                 : IoResult::Success();
    };
}

// A changed document over the old bytes of a.pwc.
struct Window : test::RunningProgram {
    Window() {
        desktop.files[kA] = kOld;
        run.Open("[a.pwc*]", kA, 2);
    }
};

TEST(AtomicWriteTest, WritesBesideTheFileAndMovesItIntoPlace) {
    Window w;
    w.desktop.fileOperations.clear();
    w.desktop.fault = [](const std::string& op, const std::string&) {
        return op == "remove" ? IoResult::Failure(kReason) : IoResult::Success();
    };
    EXPECT_EQ(WriteConfigurationFile(w.frm.Document(), kA), WriteOutcome::Written);
    EXPECT_EQ(w.desktop.fileOperations, (Strings{"write " + kA + ".~pw", "replace " + kA}));
    EXPECT_EQ(test::ContentsOf(w.desktop.files[kA]), test::Texts(2));
    EXPECT_FALSE(w.desktop.files.contains(kA + ".~pw"));
    EXPECT_EQ(w.frm.Caption(), test::CaptionWith("[a.pwc]"));
}

TEST(AtomicWriteTest, AFailedWriteLeavesTheOldFileTheMarkAndNoTemporaryFile) {
    const std::string message = "Unable to write to " + kA + "\n\n" + kReason;
    for (const Fault& f : kFaults) {
        for (bool existed : {true, false}) {
            SCOPED_TRACE(std::string(f.name) + (existed ? " over a file" : " as a new file"));
            Window w;
            if (!existed)
                w.desktop.files.erase(kA);
            Inject(w.desktop, f, kA);

            EXPECT_EQ(WriteConfigurationFile(w.frm.Document(), kA), WriteOutcome::Failed);
            w.frm.miSaveConfiguration.Click(); // the same through the Save command

            std::set<std::string> expected;
            if (existed)
                expected.insert(kA);
            if (f.temporaryLeft)
                expected.insert(kA + ".~pw");
            std::set<std::string> onDisk;
            for (const auto& [path, bytes] : w.desktop.files)
                onDisk.insert(path);
            EXPECT_EQ(onDisk, expected);
            EXPECT_EQ(existed ? w.desktop.files[kA] : kOld, kOld);
            EXPECT_EQ(w.run.Messages(), (Strings{message, message}));
            EXPECT_EQ(w.desktop.messages[0].icon, MessageIcon::Error);
            EXPECT_EQ(w.frm.Caption(), test::CaptionWith("[a.pwc*]"));
        }
    }
}

TEST(AtomicWriteTest, AFailedSaveOnTheWayStopsTheCommandThatAsked) {
    Window forNew;
    Inject(forNew.desktop, kFaults[0], kA);
    forNew.desktop.answers = {MessageAnswer::Yes};
    forNew.frm.miNewConfiguration.Click();
    EXPECT_EQ(forNew.frm.Caption(), test::CaptionWith("[a.pwc*]"));
    EXPECT_EQ(forNew.run.Contents(), test::Texts(2));

    Window forExit;
    Inject(forExit.desktop, kFaults[1], kA);
    forExit.desktop.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(forExit.run.Exit());
    EXPECT_FALSE(forExit.desktop.files.contains(kSettingsPath));
    EXPECT_EQ(forExit.desktop.files[kA], kOld);
}

TEST(AtomicWriteTest, AFailedSettingsWriteKeepsTheProgramRunning) {
    const std::string old = "[Copy]\r\nEnable=1\r\n";
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(f.name);
        test::FakeDesktop desktop;
        desktop.files[kSettingsPath] = old;
        test::ProgramRun run(desktop);
        Inject(desktop, f, kSettingsPath);

        EXPECT_FALSE(run.Exit());
        EXPECT_EQ(run.site.closeResults, std::vector<bool>{false});
        EXPECT_EQ(desktop.files[kSettingsPath], old);
        EXPECT_EQ(desktop.files.contains(kSettingsPath + ".~pw"), f.temporaryLeft);
        EXPECT_EQ(run.Messages(),
                  Strings{"Unable to write to " + kSettingsPath + "\n\n" + kReason});

        desktop.fault = nullptr; // once the disk has room again, Exit goes through
        EXPECT_TRUE(run.Exit());
        EXPECT_TRUE(desktop.files[kSettingsPath].starts_with("[Copy]\r\nEnable=1\r\n[AutoAdd]"));
    }
}

TEST(AtomicWriteTest, AReadOnlyFileIsReportedAndStaysAsItWas) {
    const std::string reason = "Access is denied.";
    // Reached directly and through a link: the mark is on the file it names.
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "through a link" : "directly");
        Window w;
        const std::string file = linked ? "D:\\real\\a.pwc" : kA;
        if (linked) {
            w.desktop.files.erase(kA);
            w.desktop.files[file] = kOld;
            w.desktop.links[kA] = file;
        }
        w.desktop.readOnly.insert(file);
        w.desktop.fileOperations.clear();

        w.frm.miSaveConfiguration.Click();
        EXPECT_EQ(w.run.Messages(), Strings{"Unable to write to " + kA + "\n\n" + reason});
        EXPECT_EQ(w.desktop.files[file], kOld);
        EXPECT_TRUE(w.desktop.readOnly.contains(file));
        EXPECT_EQ(w.desktop.fileOperations, Strings{}); // not even a temporary file
        EXPECT_EQ(w.frm.Caption(), test::CaptionWith("[a.pwc*]"));
    }

    const std::string old = "[Copy]\r\nEnable=1\r\n";
    test::FakeDesktop desktop;
    desktop.files[kSettingsPath] = old;
    desktop.readOnly.insert(kSettingsPath);
    test::ProgramRun run(desktop);
    AddSnippet(run.frm.List(), "new row");
    EXPECT_FALSE(run.Exit());
    EXPECT_EQ(run.Messages(), Strings{"Unable to write to " + kSettingsPath + "\n\n" + reason});
    EXPECT_EQ(desktop.files[kSettingsPath], old);
    EXPECT_TRUE(desktop.readOnly.contains(kSettingsPath));
    EXPECT_EQ(desktop.files.size(), 1u);

    desktop.readOnly.clear(); // once the user lifts the mark, Exit goes through
    EXPECT_TRUE(run.Exit());
    EXPECT_NE(desktop.files[kSettingsPath].find("\r\n0=new row\r\n"), std::string::npos);
}

TEST(AtomicWriteTest, ALinkIsFollowedToTheFileItNamesAndStaysALink) {
    Window w;
    const std::string middle = "C:\\d\\latest.pwc";
    const std::string real = "D:\\share\\a.pwc";
    w.desktop.files.erase(kA);
    w.desktop.files[real] = kOld;
    w.desktop.links = {{kA, middle}, {middle, real}};
    w.desktop.fileOperations.clear();

    EXPECT_EQ(WriteConfigurationFile(w.frm.Document(), kA), WriteOutcome::Written);
    EXPECT_EQ(w.desktop.fileOperations, (Strings{"write " + real + ".~pw", "replace " + real}));
    EXPECT_EQ(test::ContentsOf(w.desktop.files[real]), test::Texts(2));
    EXPECT_EQ(w.desktop.links.size(), 2u);
    EXPECT_EQ(w.desktop.files.size(), 1u);
    EXPECT_EQ(w.frm.Caption(), test::CaptionWith("[a.pwc]"));
}

} // namespace
} // namespace pw
