#pragma once

#include <windows.h>

#include <span>

namespace pw::win32 {

struct Message {
    UINT id;
    WPARAM wp;
    LPARAM lp;
};

// One row of a window class's table of messages: the handler returns true
// when it answered, with `result` the answer; false hands the message on to
// the next table, and in the end to the system.
template <typename Window> struct MessageRoute {
    UINT id;
    bool (Window::*handle)(const Message& message, LRESULT& result);
};

template <typename Window>
bool RouteMessage(Window& window, std::span<const MessageRoute<Window>> routes,
                  const Message& message, LRESULT& result) {
    for (const MessageRoute<Window>& route : routes)
        if (route.id == message.id)
            return (window.*route.handle)(message, result);
    return false;
}

} // namespace pw::win32
