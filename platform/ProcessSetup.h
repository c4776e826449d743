#pragma once

// What the process sets up before anything else, where the operating system asks for it.
namespace ProcessSetup {

// A write beyond the user's file size limit fails with an error the program reports
// (a save, the settings store) instead of ending the process.
void keepRunningOnFileSizeLimit();

} // namespace ProcessSetup
