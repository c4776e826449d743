#pragma once

#include "engine/BirthData.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// A reading file keeps one person's birth data as five scrambled lines, each ended by
// CR LF: name, sex, day, month, year. Reading takes CR LF, a lone LF and a lone CR
// alike as a line end.
namespace ReadingFile {

inline constexpr int LineCount = 5;
// The longest name the name field takes, in UTF-16 units (QLineEdit's own limit).
inline constexpr qsizetype MaxNameLength = 32767;
// A line longer than this is cut; the rest is skipped without being kept. It is the
// longest name on disk: a unit the code page lacks becomes a reference of at most
// eight bytes ("&#65533;"; a surrogate pair takes ten bytes for two units).
inline constexpr qsizetype MaxLineBytes = MaxNameLength * 8;
// Reading stops after this many bytes; lines not reached count as empty.
inline constexpr qsizetype MaxScanBytes = 1 << 20;
static_assert(MaxScanBytes > MaxLineBytes + (LineCount - 1) * 16, "the longest name leaves room for the other lines");

QByteArray contentFor(const BirthData& birthData);

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
// Never blocks on a FIFO or device and never holds more than MaxLineBytes of one line.
BirthData read(const QString& path);
BirthData readFrom(QIODevice& device);

} // namespace ReadingFile
