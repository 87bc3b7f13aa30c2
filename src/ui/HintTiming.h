#pragma once

namespace pw::ui {

// The hint window comes a moment after the pointer first comes over a
// window, once: a window that opens under the pointer does not pay for it
// before it is ready for input.
class HintTiming {
public:
    // The pointer is over the window: true when the wait is to start now.
    bool PointerCame() {
        if (state_ != State::None)
            return false;
        state_ = State::Waiting;
        return true;
    }
    // The wait could not start: the next coming tries again.
    void WaitRefused() {
        if (state_ == State::Waiting)
            state_ = State::None;
    }
    // The wait is over: true when the hints are to be made now (once).
    bool WaitEnded() {
        const bool make = state_ != State::Made;
        state_ = State::Made;
        return make;
    }

private:
    enum class State { None, Waiting, Made };
    State state_ = State::None;
};

} // namespace pw::ui
