// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Watches an X display with no window manager for the next top-level window,
// from outside the program that makes it, for bench/compare.sh. Stands in for
// a window manager just long enough: it grants the window's map and configure
// requests and asks for the expose events of the window and of the windows
// inside it before mapping it, so none is missed. Prints "ready" once it
// watches, then, in microseconds of the realtime clock,
//     map <µs>       when the X server has mapped the window
//     expose <µs>    when it first asks the program to draw any part of it
// and exits. Exit status 3 when another window manager is running, 4 when no
// window came within 30 s.
#include <X11/Xlib.h>
#include <cstdio>
#include <ctime>
#include <poll.h>

namespace {
bool refused = false;

int noteError(Display*, XErrorEvent* error)
{
    refused = error->error_code == BadAccess;
    return 0;
}

// Asks for the expose events of `window` and of all windows inside it.
void watchExposes(Display* display, Window window)
{
    XSelectInput(display, window, ExposureMask);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return;
    for (unsigned i = 0; i < count; ++i)
        watchExposes(display, children[i]);
    if (children)
        XFree(children);
}

long long nowUs()
{
    timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return (long long)ts.tv_sec * 1000000 + ts.tv_nsec / 1000;
}
}

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xwatch: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(noteError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(display, False);
    if (refused) {
        std::fprintf(stderr, "xwatch: another window manager is running\n");
        return 3;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    Window target = 0;
    bool mapped = false;
    const long long deadline = nowUs() + 30'000'000;
    while (nowUs() < deadline) {
        if (!XPending(display)) {
            pollfd fd { ConnectionNumber(display), POLLIN, 0 };
            poll(&fd, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case MapRequest:
            if (!target) {
                target = event.xmaprequest.window;
                watchExposes(display, target);
            }
            XMapWindow(display, event.xmaprequest.window);
            XFlush(display);
            break;
        case ConfigureRequest: {
            const XConfigureRequestEvent& request = event.xconfigurerequest;
            XWindowChanges changes {};
            changes.x = request.x;
            changes.y = request.y;
            changes.width = request.width;
            changes.height = request.height;
            changes.border_width = request.border_width;
            changes.sibling = request.above;
            changes.stack_mode = request.detail;
            XConfigureWindow(display, request.window, unsigned(request.value_mask), &changes);
            XFlush(display);
            break;
        }
        case CirculateRequest:
            if (event.xcirculaterequest.place == PlaceOnTop)
                XRaiseWindow(display, event.xcirculaterequest.window);
            else
                XLowerWindow(display, event.xcirculaterequest.window);
            break;
        case MapNotify:
            if (event.xmap.window == target && !mapped) {
                mapped = true;
                std::printf("map %lld\n", nowUs());
                std::fflush(stdout);
            }
            break;
        case Expose:
            if (target) {
                std::printf("expose %lld\n", nowUs());
                XCloseDisplay(display);
                return 0;
            }
            break;
        default:
            break;
        }
    }
    std::fprintf(stderr, "xwatch: no window came\n");
    return 4;
}
