#pragma once

class Platform;
class QMainWindow;

// The Help menu and the Donate item that the main window and the result window share,
// added to the window's menu bar after the menus of its form.
namespace SharedMenus {
void addTo(QMainWindow* window, Platform& platform);
}
