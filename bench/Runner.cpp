#include "bench/Runner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// CPU time and run-queue wait of all threads of a process, from /proc/<pid>/task/*/schedstat
// (nanoseconds). Unlike wall time, the CPU time hardly depends on what else the machine runs.
bool schedstat(pid_t pid, double& cpuMs, double& waitMs)
{
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    double cpu = 0;
    double wait = 0;
    bool any = false;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        unsigned long long run = 0, delay = 0;
        if (in >> run >> delay) {
            cpu += double(run) / 1e6;
            wait += double(delay) / 1e6;
            any = true;
        }
    }
    if (any) {
        cpuMs = cpu;
        waitMs = wait;
    }
    return any;
}

long statusField(pid_t pid, const char* field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    }
    return -1;
}

std::vector<std::string> childEnvironment(const std::string& display, const std::string& config,
                                          const std::string& runtime)
{
    static const char* const replaced[] = {"DISPLAY=", "XDG_CONFIG_HOME=", "XDG_RUNTIME_DIR=", "WAYLAND_DISPLAY=",
                                           "QT_QPA_PLATFORM=", "SESSION_MANAGER="};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool keep = true;
        for (const char* prefix : replaced)
            keep = keep && entry.rfind(prefix, 0) != 0;
        if (keep)
            env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("XDG_CONFIG_HOME=" + config);
    env.push_back("XDG_RUNTIME_DIR=" + runtime);
    env.push_back("QT_QPA_PLATFORM=xcb");
    return env;
}

} // namespace

Runner::Runner(const Options& options, xcb_connection_t* c, const std::string& display, const std::string& scratch)
    : m_options(options)
    , m_c(c)
    , m_display(display)
    , m_scratch(scratch)
{
    m_atoms.netWmName = internAtom(c, "_NET_WM_NAME");
    m_atoms.utf8String = internAtom(c, "UTF8_STRING");
    m_atoms.netWmPid = internAtom(c, "_NET_WM_PID");
}

std::optional<Sample> Runner::run(const Subject& subject)
{
    drainEvents(m_c);
    const std::string dir = m_scratch + "/run-" + std::to_string(++m_count);
    const std::string config
        = m_options.reuseConfig ? m_scratch + "/config-" + subject.label : dir + "/config";
    const std::string runtime = dir + "/runtime";
    std::filesystem::create_directories(config);
    std::filesystem::create_directories(runtime);
    chmod(runtime.c_str(), 0700);
    const std::vector<std::string> env = childEnvironment(m_display, config, runtime);
    std::vector<char*> envp;
    for (const std::string& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(subject.path.c_str()), nullptr};
    const std::string log = dir + "/output.txt";

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the harness
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, 0);
        dup2(out, 1);
        dup2(out, 2);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }

    Sample sample;
    bool exited = false;
    const xcb_window_t window = waitForWindow(pid, subject.title, start, exited);
    if (window != XCB_WINDOW_NONE) {
        schedstat(pid, sample.cpuMs, sample.waitMs);
        sample.mapMs = msBetween(start, m_mapTime);
        // First paint: poll a few pixels until the program has drawn.
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline && !exited) {
            if (windowPainted(m_c, window)) {
                sample.paintMs = msBetween(start, Clock::now());
                break;
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                exited = true;
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(m_options.settleMs));
        sample.hwmKiB = statusField(pid, "VmHWM");
    }
    rusage usage{};
    int status = 0;
    if (!exited) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
    }
    sample.maxRssKiB = usage.ru_maxrss;
    std::error_code ignored;
    if (window != XCB_WINDOW_NONE)
        std::filesystem::remove_all(dir, ignored);
    if (window == XCB_WINDOW_NONE || exited) {
        const char* what = window != XCB_WINDOW_NONE ? "ended right after showing its window"
                           : exited                  ? "ended without showing a window titled"
                                                     : "did not show in time a window titled";
        std::fprintf(stderr, "zarvo_startup_bench: %s (%s) %s \"%s\"; its output is in %s\n",
                     subject.label.c_str(), subject.path.c_str(), what, subject.title.c_str(), log.c_str());
        return std::nullopt;
    }
    return sample;
}

xcb_window_t Runner::waitForWindow(pid_t pid, const std::string& title, Clock::time_point start, bool& exited)
{
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    const int xfd = xcb_get_file_descriptor(m_c);
    const auto deadline = start + std::chrono::duration<double>(m_options.timeoutSeconds);
    std::vector<xcb_window_t> watched;
    auto matches = [&](xcb_window_t w) {
        if (windowTitle(m_c, m_atoms, w) != title)
            return false;
        const long owner = windowPid(m_c, m_atoms, w);
        return owner < 0 || isSelfOrDescendant(owner, long(pid));
    };
    xcb_window_t found = XCB_WINDOW_NONE;
    while (found == XCB_WINDOW_NONE) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
            const Clock::time_point when = Clock::now();
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && found == XCB_WINDOW_NONE) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect) {
                    if (matches(map->window)) {
                        found = map->window;
                        m_mapTime = when;
                    } else {
                        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                        xcb_change_window_attributes(m_c, map->window, XCB_CW_EVENT_MASK, &mask);
                        watched.push_back(map->window);
                    }
                }
            } else if (type == XCB_PROPERTY_NOTIFY && found == XCB_WINDOW_NONE) {
                auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (std::find(watched.begin(), watched.end(), property->window) != watched.end()
                    && (property->atom == XCB_ATOM_WM_NAME || property->atom == m_atoms.netWmName)
                    && matches(property->window)) {
                    found = property->window;
                    m_mapTime = when;
                }
            } else if (type == XCB_UNMAP_NOTIFY || type == XCB_DESTROY_NOTIFY) {
                const xcb_window_t w = type == XCB_UNMAP_NOTIFY
                                           ? reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window
                                           : reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window;
                watched.erase(std::remove(watched.begin(), watched.end(), w), watched.end());
            }
            std::free(event);
        }
        if (found != XCB_WINDOW_NONE)
            break;
        if (xcb_connection_has_error(m_c)) {
            std::fprintf(stderr, "zarvo_startup_bench: lost the X connection\n");
            break;
        }
        const auto now = Clock::now();
        if (now >= deadline)
            break;
        pollfd fds[2] = {{xfd, POLLIN, 0}, {pidfd, POLLIN, 0}};
        const int left = int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count()) + 1;
        // Without a pidfd, look at the child every 20 ms.
        poll(fds, pidfd >= 0 ? 2 : 1, pidfd >= 0 ? left : std::min(left, 20));
        if (pidfd >= 0 ? (fds[1].revents & POLLIN) != 0 : waitpid(pid, nullptr, WNOHANG) == pid) {
            // The child ended; the window may still have been reported in the meantime.
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
                // A window mapped just before the end does not count as a start.
                std::free(event);
            }
            if (pidfd >= 0)
                waitpid(pid, nullptr, 0);
            exited = true;
            break;
        }
    }
    if (pidfd >= 0)
        close(pidfd);
    return found;
}
