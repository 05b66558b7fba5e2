// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports, in milliseconds since it was started, when
// its first top-level window is mapped, when a window of a given title is,
// and when that window shows its content.
//   bench-probe <title> <timeout-ms> <program> [args...]
// Prints "pid N", "first MS", "named MS EPOCH-MS", "drawn MS" (or "timeout"), then leaves
// the program running. With "-" for the program it only watches.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <set>
#include <string>
#include <unistd.h>

static double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

static std::string Title(Display *display, Window window)
{
    char *name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Prints "drawn MS" once the window shows its content: a mapped window is
// blank until the program paints it, and then holds several colours.
static void WaitUntilDrawn(Display *display, Window window, std::chrono::steady_clock::time_point start,
                           int timeoutMs)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return;
    while (Since(start) < timeoutMs) {
        XImage *image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        std::set<unsigned long> colours;
        for (int y = 0; image && y < attributes.height && colours.size() < 3; y += 2)
            for (int x = 0; x < attributes.width && colours.size() < 3; x += 2)
                colours.insert(XGetPixel(image, x, y));
        if (image)
            XDestroyImage(image);
        if (colours.size() >= 3) {
            std::printf("drawn %.1f\n", Since(start));
            std::fflush(stdout);
            return;
        }
        usleep(500);
    }
}

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench-probe <title> <timeout-ms> <program> [args...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const int timeoutMs = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    if (std::strcmp(argv[3], "-") != 0) {
        const pid_t pid = fork();
        if (pid == 0) {
            execv(argv[3], argv + 3);
            _exit(127);
        }
        std::printf("pid %d\n", pid);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    bool first = false;
    while (Since(start) < timeoutMs) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 5);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect)
            continue;
        const double at = Since(start);
        if (!first) {
            std::printf("first %.1f\n", at);
            first = true;
        }
        // A window manager may map a frame first; the title is on the client.
        std::string title = Title(display, event.xmap.window);
        if (title == wanted) {
            const auto epoch = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::printf("named %.1f %lld\n", at, static_cast<long long>(epoch.count()));
            std::fflush(stdout);
            WaitUntilDrawn(display, event.xmap.window, start, timeoutMs);
            return 0;
        }
        std::fflush(stdout);
    }
    std::printf("timeout\n");
    return 1;
}
