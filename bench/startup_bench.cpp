// Start-up benchmark: how long programs take until their main window is mapped, and
// how much memory they have used by then, measured against a reference program (the
// floor). All run on a private Xvfb display with fresh per-user folders, interleaved
// round by round so that a busy machine weighs on each alike; the harness watches the
// display's root window for the MapNotify of a window with the expected title, so the
// programs need no change to be measured.
//
// Usage: zarvo_startup_bench --floor PATH --program PATH [--program PATH ...] [options]
//   --program PATH     a program to measure; may be given several times
//   --title T          title of the last program's main window ("Zarvo Tibetan Astrology v2.20")
//   --label L          name of the last program in the output ("program", "program-2", ...)
//   --floor PATH       the reference every ratio is taken against
//   --floor-title T    title of the floor's window ("Zarvo bench text floor")
//   --runs N           measured runs of each (default 15)
//   --warmup N         unmeasured rounds first (default 2)
//   --settle MS        time left to a program after its first paint before its peak
//                      memory is read (default 200)
//   --timeout S        seconds to wait for a window before giving up (default 30)
//   --time-target R    largest time-to-map ratio against the floor (default 1.30; 0: none)
//   --memory-target R  largest peak-memory ratio against the floor (default 1.15; 0: none)
//   --verbose          print every run
//   --reuse-config     keep one XDG_CONFIG_HOME per program across runs (a later start, with
//                      its settings already written) instead of a fresh one for every run
//   --scratch DIR      where the per-run folders go (default /tmp; its file system matters:
//                      the program's first start writes its settings file with fdatasync)
//   --machine          also print one line of key=value figures per program for scripts
// Exit code 0 (it is a measurement), 1 when a program or the X server failed to start.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Subject
{
    std::string label;
    std::string path;
    std::string title;
};

struct Options
{
    std::vector<Subject> programs;
    Subject floor{"floor", "", "Zarvo bench text floor"};
    int runs = 15;
    int warmup = 2;
    int settleMs = 200;
    double timeoutSeconds = 30;
    double timeTarget = 1.30;
    double memoryTarget = 1.15;
    bool verbose = false;
    bool machine = false;
    bool reuseConfig = false;
    std::string scratch = "/tmp";
};

struct Sample
{
    double mapMs = NAN;    // fork to MapNotify of the titled window
    double paintMs = NAN;  // fork to the first pixels drawn into it
    double cpuMs = NAN;    // CPU time of all the child's threads when the map was seen
    double waitMs = NAN;   // time its threads were runnable but waiting for a CPU by then
    long hwmKiB = -1;      // VmHWM just before the kill
    long maxRssKiB = -1;   // ru_maxrss after the kill
};

[[noreturn]] void usage(const char* message)
{
    std::fprintf(stderr, "zarvo_startup_bench: %s\n", message);
    std::fprintf(stderr,
                 "usage: zarvo_startup_bench --floor PATH [--floor-title T]\n"
                 "       --program PATH [--title T] [--label L] [--program PATH [--title T] [--label L] ...]\n"
                 "       [--runs N] [--warmup N] [--settle MS] [--timeout S] [--time-target R]\n"
                 "       [--memory-target R] [--reuse-config] [--scratch DIR] [--verbose] [--machine]\n");
    std::exit(1);
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage(("missing value after " + arg).c_str());
            return argv[++i];
        };
        if (arg == "--program") {
            const std::string number = options.programs.empty() ? "" : "-" + std::to_string(options.programs.size() + 1);
            options.programs.push_back({"program" + number, value(), "Zarvo Tibetan Astrology v2.20"});
        } else if (arg == "--title" || arg == "--program-title" || arg == "--label") {
            if (options.programs.empty())
                usage((arg + " names no --program before it").c_str());
            (arg == "--label" ? options.programs.back().label : options.programs.back().title) = value();
        } else if (arg == "--floor")
            options.floor.path = value();
        else if (arg == "--floor-title")
            options.floor.title = value();
        else if (arg == "--runs")
            options.runs = std::max(1, std::atoi(value().c_str()));
        else if (arg == "--warmup")
            options.warmup = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--settle")
            options.settleMs = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--timeout")
            options.timeoutSeconds = std::max(1.0, std::atof(value().c_str()));
        else if (arg == "--time-target")
            options.timeTarget = std::atof(value().c_str());
        else if (arg == "--memory-target")
            options.memoryTarget = std::atof(value().c_str());
        else if (arg == "--verbose" || arg == "-v")
            options.verbose = true;
        else if (arg == "--machine")
            options.machine = true;
        else if (arg == "--reuse-config")
            options.reuseConfig = true;
        else if (arg == "--scratch")
            options.scratch = value();
        else
            usage(("unknown argument " + arg).c_str());
    }
    if (options.programs.empty() || options.floor.path.empty())
        usage("--program and --floor are required");
    for (size_t i = 0; i < options.programs.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (options.programs[i].label == options.programs[j].label || options.programs[i].label == "floor")
                usage(("two programs are labelled " + options.programs[i].label).c_str());
        }
    }
    return options;
}

// ---------------------------------------------------------------------------------
// The private X server.

struct XServer
{
    pid_t pid = -1;
    std::string display;
};

std::optional<XServer> startXvfb()
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the harness
        close(fds[0]);
        const int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        // -displayfd picks a free display number and reports it once the server is ready;
        // -br gives a black root, so a mapped window stays black until its first paint.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-br", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(15);
    while (Clock::now() < deadline) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) > 0) {
            char c;
            const ssize_t n = read(fds[0], &c, 1);
            if (n <= 0)
                break;
            if (c == '\n')
                break;
            number += c;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            break;
    }
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return std::nullopt;
    }
    return XServer{pid, ":" + number};
}

void stopXvfb(const XServer& server)
{
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);
}

// ---------------------------------------------------------------------------------
// X helpers.

struct Atoms
{
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_atom_t netWmPid = XCB_ATOM_NONE;
};

xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::string stringProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    xcb_get_property_reply_t* reply
        = xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
    std::string text;
    if (reply && reply->format == 8)
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}

std::string windowTitle(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window)
{
    std::string title = stringProperty(c, window, atoms.netWmName, atoms.utf8String);
    if (title.empty())
        title = stringProperty(c, window, XCB_ATOM_WM_NAME, xcb_atom_t(XCB_GET_PROPERTY_TYPE_ANY));
    return title;
}

long windowPid(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms.netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        pid = long(*static_cast<const uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

// True when process is pid itself or one of its descendants (a wrapper such as strace
// may stand between the harness and the program).
bool isSelfOrDescendant(long process, long pid)
{
    for (int depth = 0; depth < 8 && process > 1; ++depth) {
        if (process == pid)
            return true;
        std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
        std::string line;
        std::getline(stat, line);
        const size_t end = line.rfind(')');
        if (end == std::string::npos)
            return false;
        std::istringstream fields(line.substr(end + 2));
        char state;
        long parent = -1;
        fields >> state >> parent;
        process = parent;
    }
    return false;
}

void sync(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// True once any of a few sample points of the window is no longer the black of the
// root it was mapped over, that is once the program has drawn into it.
bool windowPainted(xcb_connection_t* c, xcb_window_t window)
{
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry)
        return false;
    const int w = geometry->width;
    const int h = geometry->height;
    std::free(geometry);
    const int points[][2] = {{w / 2, h / 2}, {w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4},
                             {3 * w / 4, 3 * h / 4}, {4, 4}};
    for (const auto& point : points) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(point[0]), int16_t(point[1]), 1, 1, ~0u),
            nullptr);
        if (!image)
            continue;
        const uint8_t* data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        bool nonBlack = false;
        for (int i = 0; i < std::min(length, 3); ++i)
            nonBlack = nonBlack || data[i] != 0;
        std::free(image);
        if (nonBlack)
            return true;
    }
    return false;
}

void drainEvents(xcb_connection_t* c)
{
    sync(c);
    while (xcb_generic_event_t* event = xcb_poll_for_event(c))
        std::free(event);
}

// ---------------------------------------------------------------------------------
// One run.

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

class Runner
{
public:
    Runner(const Options& options, xcb_connection_t* c, const std::string& display, const std::string& scratch)
        : m_options(options)
        , m_c(c)
        , m_display(display)
        , m_scratch(scratch)
    {
        m_atoms.netWmName = internAtom(c, "_NET_WM_NAME");
        m_atoms.utf8String = internAtom(c, "UTF8_STRING");
        m_atoms.netWmPid = internAtom(c, "_NET_WM_PID");
    }

    // Starts the subject, waits for its window, reads its memory, kills it.
    std::optional<Sample> run(const Subject& subject)
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

private:
    // Waits for the MapNotify of the child's window with the title; watches windows mapped
    // before their title is set through PropertyNotify. Returns XCB_WINDOW_NONE on failure.
    xcb_window_t waitForWindow(pid_t pid, const std::string& title, Clock::time_point start, bool& exited)
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

    const Options& m_options;
    xcb_connection_t* m_c;
    std::string m_display;
    std::string m_scratch;
    Atoms m_atoms;
    Clock::time_point m_mapTime;
    int m_count = 0;
};

// ---------------------------------------------------------------------------------
// Figures.

double median(std::vector<double> v)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double quantile(std::vector<double> v, double q)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const double position = q * double(v.size() - 1);
    const size_t below = size_t(std::floor(position));
    const size_t above = std::min(below + 1, v.size() - 1);
    return v[below] + (v[above] - v[below]) * (position - double(below));
}

double hwmMiB(const Sample& s)
{
    return s.hwmKiB >= 0 ? double(s.hwmKiB) / 1024.0 : NAN;
}

struct Summary
{
    double mapMedian, mapMin, mapMax, mapQ1, mapQ3;
    double paintMedian, paintMin, paintMax;
    double cpuMedian, cpuQ1, cpuQ3, waitMedian;
    double hwmMedianMiB, maxRssMedianMiB;
};

Summary summarise(const std::vector<Sample>& samples)
{
    std::vector<double> map, paint, cpu, wait, hwm, maxRss;
    for (const Sample& s : samples) {
        map.push_back(s.mapMs);
        paint.push_back(s.paintMs);
        cpu.push_back(s.cpuMs);
        wait.push_back(s.waitMs);
        hwm.push_back(hwmMiB(s));
        maxRss.push_back(s.maxRssKiB > 0 ? double(s.maxRssKiB) / 1024.0 : NAN);
    }
    return {median(map),   quantile(map, 0),   quantile(map, 1),  quantile(map, 0.25), quantile(map, 0.75),
            median(paint), quantile(paint, 0), quantile(paint, 1), median(cpu),        quantile(cpu, 0.25),
            quantile(cpu, 0.75), median(wait), median(hwm), median(maxRss)};
}

void printSummary(const std::string& label, const Summary& s, size_t count)
{
    std::printf("%s: runs %zu\n", label.c_str(), count);
    std::printf("  window mapped : median %7.1f ms   min %7.1f   q1 %7.1f   q3 %7.1f   max %7.1f   (IQR %.1f ms)\n",
                s.mapMedian, s.mapMin, s.mapQ1, s.mapQ3, s.mapMax, s.mapQ3 - s.mapQ1);
    std::printf("  first paint   : median %7.1f ms   min %7.1f   max %7.1f\n", s.paintMedian, s.paintMin, s.paintMax);
    std::printf("  CPU to map    : median %7.1f ms   q1 %7.1f   q3 %7.1f   (waiting for a CPU: median %.1f ms)\n",
                s.cpuMedian, s.cpuQ1, s.cpuQ3, s.waitMedian);
    std::printf("  peak memory   : median VmHWM %.1f MiB   (ru_maxrss %.1f MiB)\n", s.hwmMedianMiB, s.maxRssMedianMiB);
}

struct Difference
{
    double median;
    double low, high;  // 95 % confidence interval of the median
};

// The median of differences with its distribution-free confidence interval: the order
// statistics k and n+1-k that bracket the median with 95 % confidence, k from the
// binomial distribution of how many differences fall below the median.
Difference medianWithInterval(std::vector<double> v)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return {NAN, NAN, NAN};
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    size_t k = 0;  // the interval runs from the k-th smallest to the k-th largest
    double cumulative = 0;
    for (size_t j = 0; j < n; ++j) {
        const double logPmf = std::lgamma(double(n) + 1) - std::lgamma(double(j) + 1) - std::lgamma(double(n - j) + 1)
                              - double(n) * std::log(2.0);
        cumulative += std::exp(logPmf);
        if (cumulative > 0.025)
            break;
        k = j + 1;
    }
    if (k == 0)
        return {median(v), v.front(), v.back()};
    return {median(v), v[k - 1], v[n - k]};
}

// A comparison of two programs within each round in which both ran, as its median over
// the rounds with its interval: a load that came and went weighs on both runs of a round,
// so the comparison keeps less of it than the medians of each do.
template <typename Compare>
Difference withinRounds(const std::vector<Sample>& first, const std::vector<Sample>& other, Compare compare)
{
    std::vector<double> values;
    for (size_t i = 0; i < std::min(first.size(), other.size()); ++i)
        values.push_back(compare(first[i], other[i]));
    return medianWithInterval(values);
}

Difference pairedDifference(const std::vector<Sample>& first, const std::vector<Sample>& other,
                            double (*field)(const Sample&))
{
    return withinRounds(first, other, [field](const Sample& a, const Sample& b) { return field(b) - field(a); });
}

// The program's map time divided by the floor's in the same round.
Difference pairedRatio(const std::vector<Sample>& program, const std::vector<Sample>& floor)
{
    return withinRounds(program, floor, [](const Sample& p, const Sample& f) { return p.mapMs / f.mapMs; });
}

std::string firstLineWith(const char* file, const char* prefix)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0) {
            const size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<Subject> subjects = options.programs;
    subjects.push_back(options.floor);
    for (const Subject& subject : subjects) {
        if (access(subject.path.c_str(), X_OK) != 0) {
            std::fprintf(stderr, "zarvo_startup_bench: %s is not an executable\n", subject.path.c_str());
            return 1;
        }
    }

    const std::optional<XServer> server = startXvfb();
    if (!server) {
        std::fprintf(stderr, "zarvo_startup_bench: could not start Xvfb (package xvfb)\n");
        return 1;
    }
    xcb_connection_t* c = xcb_connect(server->display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "zarvo_startup_bench: cannot connect to %s\n", server->display.c_str());
        stopXvfb(*server);
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    sync(c);

    std::string scratchTemplate = options.scratch + "/zarvo-startup-bench-XXXXXX";
    const char* scratch = mkdtemp(scratchTemplate.data());
    if (!scratch) {
        std::perror("mkdtemp");
        stopXvfb(*server);
        return 1;
    }

    std::printf("display %s, %ld CPUs, %s\n", server->display.c_str(), sysconf(_SC_NPROCESSORS_ONLN),
                firstLineWith("/proc/cpuinfo", "model name").c_str());
    for (const Subject& subject : subjects)
        std::printf("%-10s %s (\"%s\")\n", (subject.label + ":").c_str(), subject.path.c_str(), subject.title.c_str());
    std::printf("%d warm-up and %d measured rounds, each running every program once, the order turning by one "
                "each round; %s XDG_CONFIG_HOME under %s\n",
                options.warmup, options.runs, options.reuseConfig ? "one reused" : "a fresh", scratch);
    std::fflush(stdout);

    Runner runner(options, c, server->display, scratch);
    std::vector<std::vector<Sample>> samples(subjects.size());
    bool failed = false;
    for (int round = 0; round < options.warmup + options.runs && !failed; ++round) {
        const bool measured = round >= options.warmup;
        // Turning the order keeps any one program from always following the same one.
        for (size_t k = 0; k < subjects.size(); ++k) {
            const size_t index = (size_t(round) + k) % subjects.size();
            const Subject& subject = subjects[index];
            const std::optional<Sample> sample = runner.run(subject);
            if (!sample) {
                failed = true;
                break;
            }
            if (options.verbose)
                std::printf("%s %-14s map %7.1f ms  paint %7.1f ms  cpu %6.1f ms  wait %5.1f ms  VmHWM %6ld KiB  "
                            "ru_maxrss %6ld KiB\n",
                            measured ? "run   " : "warmup", subject.label.c_str(), sample->mapMs, sample->paintMs,
                            sample->cpuMs, sample->waitMs, sample->hwmKiB, sample->maxRssKiB);
            if (measured)
                samples[index].push_back(*sample);
        }
    }

    xcb_disconnect(c);
    stopXvfb(*server);
    std::error_code ignored;
    if (!failed)
        std::filesystem::remove_all(scratch, ignored);
    if (failed)
        return 1;

    std::vector<Summary> summaries;
    for (const std::vector<Sample>& s : samples)
        summaries.push_back(summarise(s));
    const Summary& f = summaries.back();
    std::printf("\n");
    for (size_t i = 0; i < subjects.size(); ++i)
        printSummary(subjects[i].label, summaries[i], samples[i].size());

    // A target of 0 is none.
    auto verdict = [](double ratio, double target) {
        if (target <= 0)
            return std::string();
        char text[48];
        std::snprintf(text, sizeof text, " (target <= %.2f: %s)", target, ratio <= target ? "met" : "not met");
        return std::string(text);
    };
    std::printf("\nagainst the floor:\n");
    for (size_t i = 0; i + 1 < subjects.size(); ++i) {
        const Summary& p = summaries[i];
        const double time = p.mapMedian / f.mapMedian;
        const double memory = p.hwmMedianMiB / f.hwmMedianMiB;
        const Difference withinRound = pairedRatio(samples[i], samples.back());
        std::printf("  %-14s startup time ratio %.2f%s, peak memory ratio %.2f%s, CPU to map ratio %.2f, "
                    "first paint ratio %.2f\n",
                    subjects[i].label.c_str(), time, verdict(time, options.timeTarget).c_str(), memory,
                    verdict(memory, options.memoryTarget).c_str(), p.cpuMedian / f.cpuMedian,
                    p.paintMedian / f.paintMedian);
        std::printf("  %-14s time ratio within a round: median %.3f [%.3f, %.3f]\n", "", withinRound.median,
                    withinRound.low, withinRound.high);
    }
    if (options.programs.size() > 1) {
        std::printf("\nagainst %s, median of the differences within a round:\n", subjects[0].label.c_str());
        std::printf("  (95 %% confidence intervals in brackets)\n");
        for (size_t i = 1; i + 1 < subjects.size(); ++i) {
            const Difference map = pairedDifference(samples[0], samples[i], [](const Sample& s) { return s.mapMs; });
            const Difference cpu = pairedDifference(samples[0], samples[i], [](const Sample& s) { return s.cpuMs; });
            const Difference memory = pairedDifference(samples[0], samples[i], hwmMiB);
            std::printf("  %-14s window mapped %+6.2f ms [%+.2f, %+.2f]   CPU to map %+6.2f ms [%+.2f, %+.2f]   "
                        "peak memory %+5.2f MiB [%+.2f, %+.2f]\n",
                        subjects[i].label.c_str(), map.median, map.low, map.high, cpu.median, cpu.low, cpu.high,
                        memory.median, memory.low, memory.high);
        }
    }
    if (options.machine) {
        for (size_t i = 0; i < subjects.size(); ++i) {
            const Summary& p = summaries[i];
            std::printf("figures: label=%s map_ms=%.2f map_iqr_ms=%.2f paint_ms=%.2f cpu_ms=%.2f wait_ms=%.2f "
                        "hwm_mib=%.2f time_ratio=%.3f memory_ratio=%.3f\n",
                        subjects[i].label.c_str(), p.mapMedian, p.mapQ3 - p.mapQ1, p.paintMedian, p.cpuMedian,
                        p.waitMedian, p.hwmMedianMiB, p.mapMedian / f.mapMedian, p.hwmMedianMiB / f.hwmMedianMiB);
        }
    }
    return 0;
}
