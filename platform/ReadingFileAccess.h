#pragma once

#include "engine/BirthData.h"

#include <QString>

// A reading file on disk (files/ReadingFile.h holds its format). How a file is replaced,
// written in place or read without blocking differs between systems: each has its own
// implementation in its folder.
namespace ReadingFileAccess {

// True for an existing file or folder that is read-only: no write permission for its
// owner, or none for the current user.
bool isReadOnly(const QString& path);

// Replaces the file at path with the five lines of birthData, atomically wherever the
// folder allows it: a failure then leaves any earlier file as it was. Where the folder
// lets the user write the existing file but not replace it (someone else's folder, or
// someone else's file in a sticky folder such as /tmp), the file is written in place,
// and a write that cannot complete there leaves its old content whole. A read-only file
// is refused, and so is anything that is not a plain file, a link included. On failure
// reason, when given, says why, in a few words.
bool write(const QString& path, const BirthData& birthData, QString* reason = nullptr);

// The entries of the file's first five lines: the sex is "Male" for a line that says
// exactly that and "Female" for anything else; a day or year line that does not hold
// a number as the writer puts it gives 0; other lines missing or unreadable are empty.
// Never blocks on a FIFO or device and never holds more than ReadingFile::MaxLineBytes of one line.
BirthData read(const QString& path);

} // namespace ReadingFileAccess
