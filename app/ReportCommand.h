#pragma once

// zarvo-tibetan-astrology --report FILE.tib [--pdf OUT.pdf]: the report of a reading
// file as UTF-8 text on standard output, or as a PDF file, without any window. A file
// the program would refuse gets the window's message on standard error.
namespace ReportCommand {

// True when the command line asks for a report.
bool asked(int argc, char* argv[]);
// Writes the report and returns the process's exit status.
int run(int argc, char* argv[]);

} // namespace ReportCommand
