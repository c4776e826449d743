#pragma once

// What the process sets up before anything else, where the operating system asks for it.
namespace ProcessSetup {

// A write beyond the user's file size limit fails with an error the program reports
// (a save, the settings store) instead of ending the process.
void keepRunningOnFileSizeLimit();

// Lets an installer or uninstaller see that a copy of the program runs, whose files it
// must not replace or remove: on Windows a mutex of the session, named as the installer
// looks for it, that the process holds until it ends.
void showRunning();

} // namespace ProcessSetup
