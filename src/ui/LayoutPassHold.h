#pragma once

#include <cstddef>
#include <vector>

namespace pw::ui {

// What a layout pass holds back: while a pass runs (passes nest), the changes
// of each control are collected, as bits of `kinds`, instead of being shown,
// and the outermost pass's end shows each control's once. A pass places many
// controls twice, and a pass at an unchanged size puts every one back where it
// was; each change shown costs the window system a round trip.
class LayoutPassHold {
public:
    explicit LayoutPassHold(std::size_t controls = 0) : held_(controls, 0) {}
    void Resize(std::size_t controls) { held_.assign(controls, 0); }

    void Begin() { ++depth_; }
    bool Holding() const { return depth_ > 0; }
    // True when a pass runs: the change is then held for its end.
    bool Hold(std::size_t control, unsigned kinds) {
        if (depth_ == 0 || control >= held_.size())
            return false;
        held_[control] |= kinds;
        return true;
    }
    // Ends a pass; the outermost calls `show(control, kinds)` for each control
    // that has changes held, and forgets them.
    template <typename Show> void End(Show&& show) {
        if (depth_ == 0 || --depth_ > 0)
            return;
        for (std::size_t i = 0; i < held_.size(); ++i)
            if (const unsigned kinds = held_[i]; kinds != 0) {
                held_[i] = 0;
                show(i, kinds);
            }
    }

private:
    int depth_ = 0;
    std::vector<unsigned> held_;
};

} // namespace pw::ui
