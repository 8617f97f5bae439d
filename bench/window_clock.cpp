// Times a program's windows from the X server's own events: starts the program, and reports
// when each of its top-level windows was mapped and when every pixel of it had been drawn,
// counted from the exec. Drawing is seen through the DAMAGE extension, so nothing is polled:
// the clock waits on the server's events and reads the time as each one arrives.
//
// Usage: window_clock [--click X,Y] [--windows N] [--idle-ms MS] -- program [arguments]
//   --click X,Y  once the first window is whole, wait until a part of it around the point X,Y
//                is drawn again (a button appearing), click there, and time the next window
//                from the click
//   --windows N  how many windows to wait for (default 1; 2 with --click)
//   --idle-ms    after the last window is whole, let the program idle this long and report the
//                resident and proportional memory of it and what it started (default 0: none)
// Prints one line per figure, "name value", times in milliseconds, memory in KiB.
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

double now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Window {
    int x = 0, y = 0, width = 0, height = 0;
    bool mapped = false;
    double mapped_at = 0;
    std::vector<unsigned char> drawn;  // one byte per pixel: drawn since the map
    long drawn_count = 0;
    double whole_at = 0;  // 0 until every pixel has been drawn

    void resize(int w, int h) {
        width = w;
        height = h;
        drawn.assign(static_cast<size_t>(w) * h, 0);
        drawn_count = 0;
    }
    void draw(int rx, int ry, int rw, int rh) {
        for (int row = std::max(ry, 0); row < std::min(ry + rh, height); ++row) {
            for (int col = std::max(rx, 0); col < std::min(rx + rw, width); ++col) {
                unsigned char& cell = drawn[static_cast<size_t>(row) * width + col];
                if (!cell) {
                    cell = 1;
                    ++drawn_count;
                }
            }
        }
    }
    bool whole() const { return width > 0 && drawn_count == static_cast<long>(width) * height; }
};

// The processes of a group: the program and whatever it started.
std::vector<int> group_of(int group) {
    std::vector<int> pids;
    DIR* proc = opendir("/proc");
    if (!proc) return pids;
    while (dirent* entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid > 0 && getpgid(pid) == group) pids.push_back(pid);
    }
    closedir(proc);
    return pids;
}

long status_kib(int pid, const char* file, const char* field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    }
    return -1;
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "window_clock: %s\n", what);
    std::exit(2);
}

}  // namespace

int main(int argc, char* argv[]) {
    int click_x = -1, click_y = -1, wanted = 0, idle_ms = 0, first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        const std::string option = argv[first];
        if (first + 1 >= argc) fail("an option lacks its value");
        if (option == "--click") {
            if (std::sscanf(argv[++first], "%d,%d", &click_x, &click_y) != 2) fail("--click X,Y");
        } else if (option == "--windows") {
            wanted = std::atoi(argv[++first]);
        } else if (option == "--idle-ms") {
            idle_ms = std::atoi(argv[++first]);
        } else {
            fail("unknown option");
        }
    }
    if (first + 1 >= argc) fail("usage: window_clock [options] -- program [arguments]");
    if (wanted == 0) wanted = click_x >= 0 ? 2 : 1;

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) fail("no display");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t root_events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &root_events);
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) fail("the X server has no DAMAGE extension");
    xcb_flush(x);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        // A session and group of its own, so that a program a script starts (TuxGuitar's java) ends
        // with it, and its memory is counted whole.
        setsid();
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[first + 1], argv + first + 1);
        _exit(127);
    }

    std::map<xcb_window_t, Window> windows;
    std::vector<xcb_window_t> order;  // mapped windows, first map first
    double clicked_at = 0;
    bool click_armed = false;
    int done = 0;
    const double deadline = start + 30000;
    while (done < wanted && now_ms() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x)) fail("lost the display");
            pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
            poll(&fd, 1, 100);
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) fail("the program ended before its windows");
            continue;
        }
        const double at = now_ms();
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (!e->override_redirect && e->parent == screen->root) {
                Window& w = windows[e->window];
                w.x = e->x;
                w.y = e->y;
                w.resize(e->width, e->height);
                // Watched from its creation, so that no drawing after its map is missed.
                xcb_damage_create(x, xcb_generate_id(x), e->window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(x);
            }
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
            auto it = windows.find(e->window);
            if (it != windows.end()) {
                it->second.x = e->x;
                it->second.y = e->y;
                if (e->width != it->second.width || e->height != it->second.height)
                    it->second.resize(e->width, e->height);
            }
        } else if (type == XCB_MAP_NOTIFY) {
            auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
            auto it = windows.find(e->window);
            if (it != windows.end() && !it->second.mapped) {
                it->second.mapped = true;
                it->second.mapped_at = at;
                it->second.resize(it->second.width, it->second.height);
                order.push_back(e->window);
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            auto it = windows.find(e->drawable);
            if (it != windows.end() && it->second.mapped) {
                Window& w = it->second;
                const auto& r = e->area;
                if (w.whole_at == 0) {
                    w.draw(r.x, r.y, r.width, r.height);
                    if (w.whole()) {
                        w.whole_at = at;
                        ++done;
                        if (click_x >= 0 && order.size() == 1) click_armed = true;
                    }
                } else if (click_armed && !(r.width == w.width && r.height == w.height) &&
                           click_x >= r.x && click_x < r.x + r.width && click_y >= r.y &&
                           click_y < r.y + r.height) {
                    click_armed = false;
                    const int16_t px = static_cast<int16_t>(w.x + click_x);
                    const int16_t py = static_cast<int16_t>(w.y + click_y);
                    xcb_test_fake_input(x, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen->root, px,
                                        py, 0);
                    xcb_test_fake_input(x, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                                        0);
                    xcb_test_fake_input(x, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                                        0);
                    xcb_flush(x);
                    clicked_at = now_ms();
                }
            }
        }
        free(event);
    }
    if (done < wanted) {
        kill(-pid, SIGKILL);
        fail("timed out waiting for the windows");
    }
    for (size_t i = 0; i < order.size(); ++i) {
        const Window& w = windows[order[i]];
        if (w.whole_at == 0) continue;
        const double from = (i == 1 && clicked_at > 0) ? clicked_at : start;
        const char* origin = from == start ? "exec" : "click";
        std::printf("window%zu_mapped_from_%s %.2f\n", i + 1, origin, w.mapped_at - from);
        std::printf("window%zu_whole_from_%s %.2f\n", i + 1, origin, w.whole_at - from);
        if (from != start)
            std::printf("window%zu_whole_from_exec %.2f\n", i + 1, w.whole_at - start);
    }
    if (idle_ms > 0) {
        usleep(static_cast<useconds_t>(idle_ms) * 1000);
        long rss = 0, pss = 0;
        for (const int member : group_of(pid)) {
            rss += std::max(0L, status_kib(member, "status", "VmRSS:"));
            pss += std::max(0L, status_kib(member, "smaps_rollup", "Pss:"));
        }
        std::printf("rss_kib %ld\n", rss);
        std::printf("pss_kib %ld\n", pss);
    }
    kill(-pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // What the program started ends too before the next start: a program that keeps one
    // instance (TuxGuitar) would otherwise hand the next start to the one still ending.
    for (int waited = 0; !group_of(pid).empty(); ++waited) {
        if (waited == 200) kill(-pid, SIGKILL);
        usleep(50000);
    }
    xcb_disconnect(x);
    return 0;
}
