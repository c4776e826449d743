#include "platform/SystemLook.h"

namespace SystemLook {

QString baseStyleName()
{
    return {};  // Fusion on a bare X server or Wayland, the desktop's style elsewhere
}

} // namespace SystemLook
