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
#include "bench/Options.h"
#include "bench/Report.h"
#include "bench/Runner.h"
#include "bench/XServer.h"
#include "bench/XWindows.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

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
    syncWithServer(c);

    std::string scratchTemplate = options.scratch + "/zarvo-startup-bench-XXXXXX";
    const char* scratch = mkdtemp(scratchTemplate.data());
    if (!scratch) {
        std::perror("mkdtemp");
        stopXvfb(*server);
        return 1;
    }

    printHeader(server->display, subjects, options, scratch);

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

    printReport(options, subjects, samples);
    return 0;
}
