#include "platform/ProcessSetup.h"

namespace ProcessSetup {

void keepRunningOnFileSizeLimit()
{
    // Windows has no file size limit that ends a process; a write past a quota fails.
}

} // namespace ProcessSetup
