// Starts a program and reports the milliseconds until it maps its first
// top-level window on the X display, as a user sees it appear. Run it on a
// display without a window manager, so the program's own window is the
// child of the root that gets mapped.
//
//   first_window PROGRAM [ARGUMENTS...]

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

void stop(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_window PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_window: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("first_window: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("first_window: fork");
        return 1;
    }
    int status = 1;
    while (true) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_wait_for_event(x), &std::free);
        if (!event) {
            std::fprintf(stderr, "first_window: the display went away\n");
            break;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
        if (map->override_redirect)
            continue; // tooltips and menus are no window
        const std::chrono::duration<double, std::milli> taken
            = std::chrono::steady_clock::now() - start;
        std::printf("%.1f\n", taken.count());
        status = 0;
        break;
    }
    stop(child);
    xcb_disconnect(x);
    return status;
}
