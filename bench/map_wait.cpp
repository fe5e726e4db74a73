// Starts one command and waits, on the X connection, for its first top-level window to be
// mapped; then lets it settle, reads its peak memory and stops it. One line on stdout:
//   map_ms=<ms from spawn to MapNotify> cpu_ms=<CPU time used by then> hwm_kib=<VmHWM>
//   rss_kib=<VmRSS> pid=<pid>
// The CPU time, summed over the program's threads, hardly moves with other load on the machine,
// unlike map_ms; it helps tell a real change from noise.
// Used by bench/startup.py; exit status 0 on success, 1 if no window came, 2 on misuse.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: map_wait [--settle SEC] [--timeout SEC] -- COMMAND [ARGS...]\n");
    std::exit(2);
}

// VmHWM and VmRSS of `pid` in KiB; -1 when unknown.
void readMemory(pid_t pid, long& hwm, long& rss)
{
    hwm = rss = -1;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            hwm = std::strtol(line.c_str() + 6, nullptr, 10);
        else if (line.rfind("VmRSS:", 0) == 0)
            rss = std::strtol(line.c_str() + 6, nullptr, 10);
    }
}

// Time on the CPU so far of all the threads of `pid`, from /proc/PID/task/*/schedstat (ns).
double cpuMs(pid_t pid)
{
    double ns = 0.0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double run = 0.0;
        if (stat >> run)
            ns += run;
    }
    return ns / 1e6;
}

// The _NET_WM_PID of `window`, or 0 when it has none.
pid_t windowPid(xcb_connection_t* conn, xcb_window_t window, xcb_atom_t pidAtom)
{
    auto* reply = xcb_get_property_reply(
        conn, xcb_get_property(conn, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pid = static_cast<pid_t>(*static_cast<const std::uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

void stopGroup(pid_t pid)
{
    ::kill(-pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (Clock::now() < deadline) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(-pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    double settle = 1.0;
    double timeout = 20.0;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            usage();
        if (arg == "--settle")
            settle = std::atof(argv[++first]);
        else if (arg == "--timeout")
            timeout = std::atof(argv[++first]);
        else
            usage();
    }
    if (first >= argc)
        usage();

    int screenNumber = 0;
    xcb_connection_t* conn = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(conn)) {
        std::fprintf(stderr, "map_wait: cannot open the display \"%s\"\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;

    auto* atomReply =
        xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, 11, "_NET_WM_PID"), nullptr);
    const xcb_atom_t pidAtom = atomReply ? atomReply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(atomReply);

    // Listen before the command starts, so that no map can slip by; the checked request
    // makes sure the server has the selection in place.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* error = xcb_request_check(
            conn, xcb_change_window_attributes_checked(conn, root, XCB_CW_EVENT_MASK, &mask))) {
        std::fprintf(stderr, "map_wait: cannot listen on the root window\n");
        std::free(error);
        return 2;
    }

    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("map_wait: fork");
        return 2;
    }
    if (pid == 0) {
        ::setpgid(0, 0);
        ::close(xcb_get_file_descriptor(conn));
        ::dup2(STDERR_FILENO, STDOUT_FILENO); // our stdout carries only the result line
        ::execvp(argv[first], argv + first);
        std::fprintf(stderr, "map_wait: cannot run %s: %s\n", argv[first], std::strerror(errno));
        std::_Exit(127);
    }
    ::setpgid(pid, pid);

    const auto deadline = start + std::chrono::duration<double>(timeout);
    const int fd = xcb_get_file_descriptor(conn);
    double mapMs = -1.0;
    double mapCpuMs = -1.0;
    while (mapMs < 0.0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn)) {
            const auto now = Clock::now();
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->event == root && !map->override_redirect) {
                    const double cpu = cpuMs(pid);
                    const pid_t owner = windowPid(conn, map->window, pidAtom);
                    if (owner == 0 || owner == pid) {
                        mapMs = std::chrono::duration<double, std::milli>(now - start).count();
                        mapCpuMs = cpu;
                    }
                }
            }
            std::free(event);
            if (mapMs >= 0.0)
                break;
        }
        if (mapMs >= 0.0)
            break;
        if (xcb_connection_has_error(conn)) {
            std::fprintf(stderr, "map_wait: the X connection broke\n");
            stopGroup(pid);
            return 1;
        }
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "map_wait: %s ended (status %d) before mapping a window\n",
                         argv[first], WIFEXITED(status) ? WEXITSTATUS(status) : -1);
            return 1;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            std::fprintf(stderr, "map_wait: no window mapped within %g s\n", timeout);
            stopGroup(pid);
            return 1;
        }
        // Woken by the X connection at once; the short cap only notices an early exit.
        pollfd pfd{fd, POLLIN, 0};
        ::poll(&pfd, 1, static_cast<int>(std::min<long>(left.count(), 50)));
    }

    std::this_thread::sleep_for(std::chrono::duration<double>(settle));
    long hwm = -1;
    long rss = -1;
    readMemory(pid, hwm, rss);
    std::printf("map_ms=%.3f cpu_ms=%.3f hwm_kib=%ld rss_kib=%ld pid=%d\n", mapMs, mapCpuMs, hwm,
                rss, static_cast<int>(pid));
    std::fflush(stdout);
    stopGroup(pid);
    xcb_disconnect(conn);
    return hwm < 0 ? 1 : 0;
}
