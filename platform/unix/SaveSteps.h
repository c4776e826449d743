#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// The step of a POSIX save that writes an existing file where it stands, open for the
// tests to take alone: it must hold even when the name was swapped after the check.
namespace SaveSteps {

// Overwrites the file of the name in the open folder, if it is still the plain file
// examined: never through a link, never making a file.
bool writeInPlace(int folder, const QByteArray& name, const struct stat& examined, const QByteArray& content,
                  qsizetype largestOld, QString& reason);

} // namespace SaveSteps
