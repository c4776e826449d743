#pragma once

#include <QString>
#include <QStringList>

// The program's own command line: --help, --version, --report with --pdf, and one
// reading file. Options
// that Qt takes itself (-platform, -style, ...) are gone from the list by the time
// QApplication has been made.
namespace CommandLine {

// True when the line asks only for text (--help or --version): it is answered
// before any window system is needed, so that it works without a display.
bool asksForText(int argc, char* argv[]);

// Prints the help or the version and ends the process. Needs a QCoreApplication.
[[noreturn]] void printTextAndExit();

// What --report and --pdf name, as absolute paths; an error text for a line the parser
// cannot take (an option without its value, an unknown option).
struct ReportRequest
{
    QString readingFile;
    QString pdfFile;  // empty for the report as text
    QString error;
};
ReportRequest reportRequest(const QStringList& arguments);

// The reading file that the line names. The first argument that is a local path or a
// file: URL of this machine counts, as an absolute path; when there is none, the first
// address that names no file here (a web address, a file: URL of another machine) is
// kept as given, so that the user can be told why nothing opens. Unknown options and
// empty arguments are ignored.
struct ReadingArgument
{
    QString path;
    QString foreignAddress;  // only without a path
};
// The arguments as LocalFiles::arguments() gives them, so that a name that is no UTF-8
// keeps its bytes.
ReadingArgument readingFile(const QStringList& arguments);

} // namespace CommandLine
