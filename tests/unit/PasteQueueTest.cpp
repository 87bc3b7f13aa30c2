#include "hotkeys/PasteQueue.h"

#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pw {
namespace {

using Texts = std::vector<std::string>;

// Plays the events, one letter each: T the target reads, O another program
// reads, R another program replaces the clipboard, B the bound passes, X
// another timer goes off, C the program ends.
void Play(PasteQueue& q, const std::string& events) {
    for (const char e : events) {
        switch (e) {
        case 'T':
            q.TextRead(ClipboardReader::Target);
            break;
        case 'O':
            q.TextRead(ClipboardReader::Other);
            break;
        case 'R':
            q.TextReplaced();
            break;
        case 'B':
            q.TimerElapsed(kPasteWaitTimer);
            break;
        case 'X':
            q.TimerElapsed(kPasteWaitTimer + 1);
            break;
        case 'C':
            q.Clear();
            break;
        default:
            FAIL() << "no event " << e;
        }
    }
}

// Three quick presses ("one", "two", "three"), then the events.
TEST(PasteQueue, PressesWhileAPasteWaitsGoOutInTheirOrderOnceItEnds) {
    const struct Case {
        const char* events;
        Texts offers;
        bool waiting;
        std::size_t backlog;
    } cases[] = {
        {"", {"one"}, true, 2},
        {"T", {"one", "two"}, true, 1},
        {"TT", {"one", "two", "three"}, true, 0},
        {"TTT", {"one", "two", "three"}, false, 0},
        // A clipboard manager took the data: the target's read goes unseen,
        // and only the bound ends the wait.
        {"O", {"one"}, true, 2},
        {"OOO", {"one"}, true, 2},
        {"OB", {"one", "two"}, true, 1},
        {"BB", {"one", "two", "three"}, true, 0},
        {"X", {"one"}, true, 2},
        {"R", {"one", "two"}, true, 1},
        {"TBR", {"one", "two", "three"}, false, 0},
        // The program ending drops what waits; late notices do nothing.
        {"C", {"one"}, false, 0},
        {"CTBR", {"one"}, false, 0},
        {"TC", {"one", "two"}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.events);
        test::FakeDesktop desktop;
        bool autoAdd = true;
        PasteQueue q{desktop, autoAdd};
        q.Press(1001, '1', "one");
        q.Press(1002, '2', "two");
        q.Press(1003, '3', "three");
        Play(q, c.events);
        EXPECT_EQ(desktop.offers, c.offers);
        EXPECT_EQ(desktop.sentKeys.size(), c.offers.size());
        EXPECT_EQ(q.OfferedText(), c.offers.back());
        EXPECT_EQ(q.Waiting(), c.waiting);
        EXPECT_EQ(q.Backlog(), c.backlog);
        // The bound runs exactly while a paste waits.
        using Timers = std::map<unsigned, unsigned>;
        const Timers running{{kPasteWaitTimer, kPasteReadBoundMs}};
        EXPECT_EQ(desktop.timers, c.waiting ? running : Timers{});
        EXPECT_TRUE(autoAdd);
    }
}

// A held hotkey repeats with the keyboard. Its repeats while a paste waits
// add one paste at most, so nothing is left to come once the key is let go;
// taps, however quick, find the key up and each paste.
TEST(PasteQueue, RepeatsOfAHeldKeyAddOnePasteAtMost) {
    const struct Case {
        const char* name;
        std::vector<std::pair<int, bool>> presses; // hotkey 1 or 2, its key held
        std::size_t backlog;
    } cases[] = {
        {"held", {{1, true}, {1, true}, {1, true}, {1, true}}, 1},
        {"tapped", {{1, false}, {1, false}, {1, false}, {1, false}}, 3},
        {"held, then another", {{1, true}, {1, true}, {1, true}, {2, true}}, 2},
        {"held between others", {{2, false}, {1, true}, {1, true}, {2, false}, {1, true}}, 3},
        {"tapped, then held", {{1, false}, {1, false}, {1, true}, {1, true}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeDesktop desktop;
        bool autoAdd = false;
        PasteQueue q{desktop, autoAdd};
        for (const auto& [hotkey, held] : c.presses) {
            const auto key = static_cast<std::uint16_t>('0' + hotkey);
            if (held)
                desktop.keysDown = {key};
            else
                desktop.keysDown.clear();
            q.Press(1000 + hotkey, key, "text " + std::to_string(hotkey));
        }
        EXPECT_EQ(desktop.offers.size(), 1u);
        EXPECT_EQ(q.Backlog(), c.backlog);
    }
}

// Read before the next repeat comes, a held hotkey pastes at every repeat.
TEST(PasteQueue, RepeatsReadInTimeEachPaste) {
    test::FakeDesktop desktop;
    desktop.keysDown = {'1'};
    bool autoAdd = false;
    PasteQueue q{desktop, autoAdd};
    q.Press(1001, '1', "one");
    for (int i = 0; i < 4; ++i) {
        q.TextRead(ClipboardReader::Target);
        q.Press(1001, '1', "one");
    }
    EXPECT_EQ(desktop.offers, Texts(5, "one"));
    EXPECT_EQ(q.Backlog(), 0u);
}

} // namespace
} // namespace pw
