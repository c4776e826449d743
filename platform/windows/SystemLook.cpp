#include "platform/SystemLook.h"

namespace SystemLook {

QString baseStyleName()
{
    // The Windows themes draw tabs and buttons in their own colours, under which the
    // windows' light captions vanish (white on white tabs); Fusion heeds the palettes.
    return QStringLiteral("fusion");
}

} // namespace SystemLook
