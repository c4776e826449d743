#pragma once

#include "bench/Clock.h"
#include "bench/Options.h"
#include "bench/Sample.h"
#include "bench/XWindows.h"

#include <optional>
#include <string>

#include <sys/types.h>

// One run of a program at a time on the private display, each with folders of its own
// under the scratch folder.
class Runner
{
public:
    Runner(const Options& options, xcb_connection_t* c, const std::string& display, const std::string& scratch);

    // Starts the subject, waits for its window, reads its memory, kills it.
    std::optional<Sample> run(const Subject& subject);

private:
    // Waits for the MapNotify of the child's window with the title; watches windows mapped
    // before their title is set through PropertyNotify. Returns XCB_WINDOW_NONE on failure.
    xcb_window_t waitForWindow(pid_t pid, const std::string& title, Clock::time_point start, bool& exited);

    const Options& m_options;
    xcb_connection_t* m_c;
    std::string m_display;
    std::string m_scratch;
    Atoms m_atoms;
    Clock::time_point m_mapTime;
    int m_count = 0;
};
