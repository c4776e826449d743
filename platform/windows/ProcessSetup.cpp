#include "platform/ProcessSetup.h"

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

} // namespace ProcessSetup
