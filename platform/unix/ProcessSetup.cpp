#include "platform/ProcessSetup.h"

#include <csignal>

namespace ProcessSetup {

void keepRunningOnFileSizeLimit()
{
    // By default SIGXFSZ ends the process at the first write past `ulimit -f`; ignored,
    // the write fails with EFBIG like any other write error.
    std::signal(SIGXFSZ, SIG_IGN);
}

void showRunning()
{
    // A package manager replaces files under a running program without harm.
}

} // namespace ProcessSetup
