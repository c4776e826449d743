#pragma once

#include <QByteArray>
#include <QString>

// Reading files and the settings store keep text scrambled: each character's
// Windows-1252 code plus ScrambleOffset, one byte per character. A character whose
// code plus the offset would pass 255, or that the code page cannot hold at all
// (Tibetan, CJK, ...), is written as a decimal character reference "&#233;".
// Those references use only the bytes '&', '#', '0'-'9' and ';' (38..59), all below
// the offset and none below 32, so they never collide with a plain character, never
// form a line end, and a reader that keeps to the plain rule ("drop every byte below
// the offset") just leaves such characters out. Hence the offset of 60: the smallest
// value above the escape alphabet, which keeps as many characters as possible plain.
inline constexpr int ScrambleOffset = 60;

QByteArray scrambleText(const QString& plain);
// Malformed references are left out.
QString unscrambleText(const QByteArray& scrambled);

// The settings store keeps scrambled bytes as text, one character per byte.
QString scrambleForSettings(const QString& plain);
QString unscrambleFromSettings(const QString& stored);
