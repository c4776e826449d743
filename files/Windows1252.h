#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Conversion between Unicode and the Windows-1252 code page, one character at a time.
namespace Windows1252 {

// The code page byte of one UTF-16 code unit, or -1 when the code page has no such character.
int byteOf(char16_t ch);
// The character of one code page byte; the five bytes without a character map to U+FFFD.
char16_t charOf(unsigned char byte);

// Codes of a whole text, using Qt's converter where the Qt build has one (ICU),
// otherwise the built-in table. Characters without a code give -1.
QList<int> codesOf(const QString& text);
// The built-in table alone, kept so that both paths can be compared.
QList<int> codesOfBuiltIn(const QString& text);

} // namespace Windows1252
