// Reading files as the program writes them, written out by hand for the tests: five
// lines, each character's code plus the scramble offset, each ended by CR LF.
#pragma once

#include "engine/BirthData.h"
#include "files/Scramble.h"

#include <QFile>
#include <QStringList>
#include <QTest>

namespace {
inline BirthData anna()
{
    BirthData data;
    data.name = QStringLiteral("Anna");
    data.sex = QStringLiteral("Female");
    data.day = 7;
    data.month = QStringLiteral("March");
    data.year = 1984;
    return data;
}

// The five entries as text, in the file's order.
inline QStringList fields(const BirthData& entries)
{
    return {entries.name, entries.sex, QString::number(entries.day), entries.month, QString::number(entries.year)};
}

// Plain ASCII as the file keeps it: each code plus 60, whatever the code's constant says.
inline QByteArray scrambledAscii(const char* plain)
{
    QByteArray bytes;
    for (const char* p = plain; *p; ++p)
        bytes += char(*p + 60);
    return bytes;
}

// Plain ASCII lines as the file keeps them, each ended by lineEnd.
inline QByteArray scrambledLines(std::initializer_list<const char*> lines, const char* lineEnd)
{
    QByteArray bytes;
    for (const char* line : lines)
        bytes += scrambledAscii(line) + lineEnd;
    return bytes;
}

inline QByteArray annaLines(const char* lineEnd)
{
    return scrambledLines({"Anna", "Female", "7", "March", "1984"}, lineEnd);
}

inline QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace
