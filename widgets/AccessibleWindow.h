#pragma once

// Screen readers see a window made of a plain widget (the support screen) as a window,
// not as a filler. Installed once, before the first such window is shown.
namespace AccessibleWindow {
void install();
}
