#pragma once

#include "BirthData.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// A reading file keeps the birth data as five scrambled lines, each ended by CR LF:
// name, sex, day, month, year.
namespace ReadingFile {

inline constexpr int LineCount = 5;
// A line longer than this is cut; the rest is skipped without being kept.
inline constexpr qsizetype MaxLineBytes = 4096;
// Reading stops after this many bytes; lines not reached count as empty.
inline constexpr qsizetype MaxScanBytes = 1 << 20;

QByteArray contentFor(const BirthData& birthData);

// True for an existing file or folder that is read-only: no write permission for its
// owner, or none for the current user.
bool isReadOnly(const QString& path);

// Replaces the file at path atomically: a failure leaves any earlier file as it was.
// A read-only existing file is refused.
bool write(const QString& path, const BirthData& birthData);

// The first five lines, unscrambled; lines missing or unreadable are empty. Never
// blocks on a FIFO or device and never holds more than MaxLineBytes of one line.
QStringList read(const QString& path);
QStringList readFrom(QIODevice& device);

} // namespace ReadingFile
