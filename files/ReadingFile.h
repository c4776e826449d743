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

// The entries of a device's first five lines, as ReadingFileAccess::read describes them.
BirthData readFrom(QIODevice& device);

} // namespace ReadingFile
