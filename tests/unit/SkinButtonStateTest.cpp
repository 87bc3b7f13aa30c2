#include "skin/ButtonState.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw::skin {
namespace {

// One mouse or Space event as the binding reports it.
enum class Event { Enter, Leave, MoveIn, MoveOut, Down, UpIn, UpOut, Cancel, KeyDown, KeyUp };

struct Step {
    Event event;
    int frame;    // the frame shown afterwards
    bool repaint; // whether the event asked for a new drawing
    bool click;   // releases only
    bool repeating;
};

// Each event as the state takes it; releases say whether they click.
using Apply = bool (*)(ButtonState&);
constexpr Apply kApply[] = {
    [](ButtonState& s) { return s.MouseEnter(); },
    [](ButtonState& s) { return s.MouseLeave(); },
    [](ButtonState& s) { return s.MouseMove(true); },
    [](ButtonState& s) { return s.MouseMove(false); },
    [](ButtonState& s) { return s.LeftDown(); },
    [](ButtonState& s) { return s.LeftUp(true); },
    [](ButtonState& s) { return s.LeftUp(false); },
    [](ButtonState& s) { return s.Cancel(); },
    [](ButtonState& s) { return s.KeyDown(); },
    [](ButtonState& s) { return s.KeyUp(); },
};

TEST(SkinButtonState, MouseAndSpaceGiveFramesAndClicks) {
    struct Case {
        std::string name;
        std::vector<Step> steps;
    };
    using E = Event;
    const Case cases[] = {
        {"hover, press, release over it",
         {{E::Enter, 2, true, false, false},
          {E::MoveIn, 2, false, false, false},
          {E::Down, 3, true, false, true},
          {E::UpIn, 2, true, true, false}}},
        {"drag out while held shows the normal frame, release outside does not click",
         {{E::Enter, 2, true, false, false},
          {E::Down, 3, true, false, true},
          {E::MoveOut, 1, true, false, false},
          {E::UpOut, 1, false, false, false}}},
        {"back over it after dragging out is hover, not pressed, and does not click",
         {{E::Down, 3, true, false, true},
          {E::MoveOut, 1, true, false, false},
          {E::MoveIn, 2, true, false, false},
          {E::UpIn, 2, false, false, false}}},
        {"leaving ends the press and the repeat",
         {{E::Enter, 2, true, false, false},
          {E::Down, 3, true, false, true},
          {E::Leave, 1, true, false, false},
          {E::Leave, 1, false, false, false}}},
        {"a release with no press before it",
         {{E::Enter, 2, true, false, false}, {E::UpIn, 2, false, false, false}}},
        {"mouse taken away while held",
         {{E::Down, 3, true, false, true},
          {E::Cancel, 2, true, false, false},
          {E::UpIn, 2, false, false, false}}},
        {"a second press while held changes nothing",
         {{E::Down, 3, true, false, true}, {E::Down, 3, false, false, true}}},
        // Space: pressed while held, whatever the pointer does meanwhile; the control's own
        // handling clicks at the release, and nothing repeats.
        {"Space held and let go",
         {{E::KeyDown, 3, true, false, false},
          {E::KeyDown, 3, false, false, false}, // the key's auto-repeat
          {E::KeyUp, 1, true, false, false}}},
        {"Space with the pointer over the button goes back to hover",
         {{E::Enter, 2, true, false, false},
          {E::KeyDown, 3, true, false, false},
          {E::KeyUp, 2, true, false, false}}},
        {"the pointer leaving does not end a press by Space",
         {{E::Enter, 2, true, false, false},
          {E::KeyDown, 3, true, false, false},
          {E::Leave, 3, true, false, false},
          {E::MoveOut, 3, false, false, false},
          {E::KeyUp, 1, true, false, false}}},
        {"focus or mouse taken away while Space is held",
         {{E::KeyDown, 3, true, false, false},
          {E::Cancel, 1, true, false, false},
          {E::KeyUp, 1, false, false, false}}},
        {"a mouse press and Space together stay pressed until both are let go",
         {{E::Down, 3, true, false, true},
          {E::KeyDown, 3, false, false, true},
          {E::UpIn, 3, true, true, false},
          {E::KeyUp, 2, true, false, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonState state;
        EXPECT_EQ(state.Frame(true), 1);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE(i);
            const Event event = c.steps[i].event;
            const bool result = kApply[static_cast<int>(event)](state);
            const bool release = event == Event::UpIn || event == Event::UpOut;
            const bool repaint = result, click = release && result;
            EXPECT_EQ(state.Frame(true), c.steps[i].frame);
            EXPECT_EQ(state.Frame(false), 1); // disabled always shows the normal frame
            EXPECT_EQ(repaint, c.steps[i].repaint);
            EXPECT_EQ(click, c.steps[i].click);
            EXPECT_EQ(state.Repeating(), c.steps[i].repeating);
        }
    }
}

TEST(SkinButtonState, ModalResultReachesTheWindowBeforeTheClickHandler) {
    struct Dialog : ui::Form {
        Dialog() { Place(bCancel, nullptr, 2, {0, 0, 80, 27}, "Cancel"); }
        ui::Button bCancel{"bCancel"};
    };
    struct Case {
        ui::ModalResult buttonResult;
        bool enabled;
        ui::ModalResult seenByHandler;
        ui::ModalResult after;
    };
    const Case cases[] = {
        {ui::ModalResult::Cancel, true, ui::ModalResult::Cancel, ui::ModalResult::Cancel},
        {ui::ModalResult::Ok, true, ui::ModalResult::Ok, ui::ModalResult::Ok},
        {ui::ModalResult::None, true, ui::ModalResult::None, ui::ModalResult::None},
        {ui::ModalResult::Cancel, false, ui::ModalResult::None, ui::ModalResult::None},
    };
    for (const Case& c : cases) {
        Dialog dialog;
        dialog.bCancel.SetModalResult(c.buttonResult);
        dialog.bCancel.SetEnabled(c.enabled);
        std::optional<ui::ModalResult> seen;
        dialog.bCancel.OnClick = [&] { seen = dialog.GetModalResult(); };
        dialog.bCancel.Click();
        EXPECT_EQ(seen.value_or(ui::ModalResult::None), c.seenByHandler);
        EXPECT_EQ(seen.has_value(), c.enabled);
        EXPECT_EQ(dialog.GetModalResult(), c.after);
    }
}

TEST(SkinLinkLabel, HoverColourWhileTheMouseIsOver) {
    ui::Label link("lUpdate");
    const ui::Color white{255, 255, 255}, red{255, 0, 0};
    int repaints = 0;
    link.SetObserver([&](ui::Change, int) { ++repaints; });
    link.SetLinkColors(white, red);
    EXPECT_TRUE(link.IsLink());
    EXPECT_EQ(link.FontColor(), white);
    link.MouseEnter();
    link.MouseEnter();
    EXPECT_EQ(link.FontColor(), red);
    link.MouseLeave();
    EXPECT_EQ(link.FontColor(), white);
    EXPECT_EQ(repaints, 3); // set, enter, leave: a repeated entry draws nothing
    ui::Label plain("lTitle");
    plain.MouseEnter();
    EXPECT_FALSE(plain.IsLink());
    EXPECT_FALSE(plain.FontColor().has_value());
}

} // namespace
} // namespace pw::skin
