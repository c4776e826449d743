#pragma once

// What the process sets up before anything else, where the operating system asks for it.
namespace ProcessSetup {

// A write beyond the user's file size limit fails with an error the program reports
// (a save, the settings store) instead of ending the process.
void keepRunningOnFileSizeLimit();

// Raises the number of files the process may have open at once as far as the system
// lets it, and gives the number; a dialog's icons, fonts and folder watching need far
// more than a few dozen, and with too few the window system's connection waits for good.
long raiseOpenFileLimit();
// Starts Qt's D-Bus connection thread now, when a thread can be started at all, and
// says whether one could. Qt starts it at the first window (the accessibility bridge)
// and, where no thread can be had (a tight memory or process limit), waits for it for
// good: before any window, with the single-instance lock held.
bool startDesktopBus();

// Fewer than this and a save dialog may never be painted.
inline constexpr long FewestOpenFiles = 64;

// Lets an installer or uninstaller see that a copy of the program runs, whose files it
// must not replace or remove: on Windows a mutex of the session, named as the installer
// looks for it, that the process holds until it ends.
void showRunning();

} // namespace ProcessSetup
