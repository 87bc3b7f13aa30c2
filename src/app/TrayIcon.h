#pragma once

#include <cstddef>
#include <string>

namespace pw {

class Desktop;

// What the mouse did over the icon, as far as the program cares: a button
// going down; moves, releases and double clicks are Other.
enum class TrayClick {
    Left,
    Right,
    Other,
};
// The shell's tip field holds 64 characters with the terminator.
inline constexpr std::size_t kTrayTipLength = 63;

// The tip as the shell can take it: at most its first 63 characters.
std::string TrayTip(std::string text);

// The main window's icon in the notification area. It remembers whether it
// should be there, so that a shell that starts again gets it back.
class TrayIcon {
public:
    explicit TrayIcon(Desktop& desktop) : desktop_(desktop) {}
    void Add();
    void Delete();
    bool ShouldBePresent() const { return present_; }
    // The taskbar was made anew (the shell restarted): its icons are gone.
    void ShellRestarted();

private:
    void Set(bool add);

    Desktop& desktop_;
    bool present_ = false;
};

} // namespace pw
