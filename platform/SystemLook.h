#pragma once

#include <QString>

namespace SystemLook {

// The Qt style the program's own style builds on: empty for the platform's own. The
// windows take their colours from their palettes, which some system themes draw over.
QString baseStyleName();

} // namespace SystemLook
