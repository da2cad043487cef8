// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Asks an X window to close as a window manager does when its close button is clicked: sends
// it the WM_DELETE_WINDOW message of the WM_PROTOCOLS it takes part in. Unlike destroying the
// window or killing its client, the program sees an ordinary close and may exit normally.
// Usage: close_window <window id>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: close_window <window id>\n", stderr);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("close_window: cannot open the display\n", stderr);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent != 0 ? 0 : 1;
}
