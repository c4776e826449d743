#pragma once

#include <QString>

class QTextDocument;

// The print module: its file name and the one function it exports, which prints a
// document on the default printer as one job; false when there is no printer.
namespace PrintModule {
inline constexpr char FileName[] = "libzarvo-print.so";
inline constexpr char FunctionName[] = "zarvo_print_document";
using Function = bool (*)(QTextDocument* document, const QString* documentName);
} // namespace PrintModule
