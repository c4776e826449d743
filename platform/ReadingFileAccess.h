#pragma once

#include "engine/BirthData.h"
#include "files/ReadingFile.h"
#include "platform/SaveTarget.h"

#include <QString>

// A reading file on disk (files/ReadingFile.h holds its format). How a file is read
// without blocking differs between systems: each has its own implementation in its folder.
namespace ReadingFileAccess {

// True for an existing file or folder that is read-only: no write permission for its
// owner, or none for the current user.
bool isReadOnly(const QString& path);

// Replaces the file at path with the five lines of birthData, as SaveTarget::write does.
inline bool write(const QString& path, const BirthData& birthData, QString* reason = nullptr)
{
    return SaveTarget::open(path).write(ReadingFile::contentFor(birthData), ReadingFile::MaxScanBytes, reason);
}

// The entries of the file's first five lines: the sex is "Male" for a line that says
// exactly that and "Female" for anything else; a day or year line that does not hold
// a number as the writer puts it gives 0; other lines missing or unreadable are empty.
// Never blocks on a FIFO or device and never holds more than ReadingFile::MaxLineBytes of one line.
BirthData read(const QString& path);

} // namespace ReadingFileAccess
