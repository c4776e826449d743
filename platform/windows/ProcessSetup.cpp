#include "platform/ProcessSetup.h"

#include <windows.h>

namespace ProcessSetup {

void keepRunningOnFileSizeLimit()
{
    // Windows has no file size limit that ends a process; a write past a quota fails.
}

long raiseOpenFileLimit()
{
    return 16384;  // handles, not POSIX descriptors: no limit a user sets
}

bool startDesktopBus()
{
    return true;  // the Windows build has no D-Bus
}

void showRunning()
{
    // The name is the one packaging/windows/installer.nsi.in asks for. The handle stays
    // open until the process ends, when Windows closes it, also after a crash.
    CreateMutexW(nullptr, FALSE, L"Local\\ZarvoTibetanAstrology.Running");
}

} // namespace ProcessSetup
