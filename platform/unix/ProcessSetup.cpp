#include "platform/ProcessSetup.h"

#include <QDBusConnection>

#include <algorithm>
#include <csignal>
#include <system_error>
#include <thread>
#include <sys/resource.h>

namespace ProcessSetup {

void keepRunningOnFileSizeLimit()
{
    // By default SIGXFSZ ends the process at the first write past `ulimit -f`; ignored,
    // the write fails with EFBIG like any other write error.
    std::signal(SIGXFSZ, SIG_IGN);
}

long raiseOpenFileLimit()
{
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return FewestOpenFiles;
    // select() in older libraries breaks past FD_SETSIZE, so no higher than that.
    const rlim_t wanted = limit.rlim_max == RLIM_INFINITY ? 1024 : std::min<rlim_t>(limit.rlim_max, 1024);
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        limit.rlim_cur = wanted;
        ::setrlimit(RLIMIT_NOFILE, &limit);
        ::getrlimit(RLIMIT_NOFILE, &limit);
    }
    return limit.rlim_cur == RLIM_INFINITY ? 1024 : long(limit.rlim_cur);
}

bool startDesktopBus()
{
    try {
        std::thread([] {}).join();  // with the default stack, as Qt's threads have
    } catch (const std::system_error&) {
        return false;
    }
    QDBusConnection::sessionBus();
    return true;
}

void showRunning()
{
    // A package manager replaces files under a running program without harm.
}

} // namespace ProcessSetup
