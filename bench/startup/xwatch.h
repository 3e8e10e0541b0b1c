#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

// The X display's top-level windows as the server maps them. The root window's children are
// watched, so a program's first window is seen by its MapNotify event, the moment it is shown,
// without polling. Without a window manager (Xvfb) top-level windows are the root's children.
class XWatch {
public:
    using Clock = std::chrono::steady_clock;
    struct Mapped {
        xcb_window_t window = 0;
        Clock::time_point at;
    };

    XWatch(); // on $DISPLAY
    [[nodiscard]] bool connected() const { return connected_; }

    // Forgets the events of earlier windows.
    void drain();
    // The first window of process `pid` (its _NET_WM_PID) whose title begins with `title`,
    // mapped before the deadline: a message box in its place does not count.
    [[nodiscard]] std::optional<Mapped> waitForWindowOf(pid_t pid, const std::string& title,
                                                        Clock::time_point deadline);
    // Asks the window to close as its close box does (WM_DELETE_WINDOW).
    void requestClose(xcb_window_t window);

private:
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };

    [[nodiscard]] xcb_atom_t atom(const char* name);
    [[nodiscard]] std::optional<std::uint32_t> processOf(xcb_window_t window);
    [[nodiscard]] std::string titleOf(xcb_window_t window);
    [[nodiscard]] bool waitForInput(Clock::time_point deadline);

    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    bool connected_ = false;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
    xcb_atom_t nameAtom_ = 0;
    xcb_atom_t utf8Atom_ = 0;
    xcb_atom_t protocolsAtom_ = 0;
    xcb_atom_t deleteAtom_ = 0;
};
