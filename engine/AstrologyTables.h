#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace AstrologyTables {

// The tables are the one place that says which signs, animals and elements there are and
// in which order. A row's key names its paragraph and, for signs and animals, its picture:
// "western/virgo" is the Virgo paragraph and the Virgo picture.

struct SunSignRow
{
    const char16_t* tibetan;
    const char* translation;
    const char* western;
    const char* key;  // the western sign's paragraph and picture
};

struct MonthRule
{
    const char* month;          // the stored English name; shown through the "Month" translations
    int threshold;              // day <= threshold gives the first sign
    const char16_t* firstSign;
    const char16_t* secondSign;
};

struct NamedRow
{
    const char* name;
    const char* key;
};

inline constexpr int FirstYear = 1930;
inline constexpr int LastYear = 2030;

// The twelve Tibetan sun signs, each with its translation and western sign.
extern const std::array<SunSignRow, 12> sunSigns;
// Month thresholds, in calendar order.
extern const std::array<MonthRule, 12> monthRules;
// The twelve animals.
extern const std::array<NamedRow, 12> animals;
// The five elements.
extern const std::array<NamedRow, 5> elements;

// The keys of a table's rows, in row order: picture number n of a sign or animal is the
// picture of key n - 1.
template<class Row, std::size_t Size>
QStringList keysOf(const std::array<Row, Size>& rows)
{
    QStringList keys;
    for (const Row& row : rows)
        keys << QString::fromLatin1(row.key);
    return keys;
}

// The cycle name ("Iron-Horse") of each year from 1930 to 2030, built by its rule.
const QStringList& yearCycleNames();
// Cycle name of one year, or an empty string outside 1930..2030.
QString cycleNameOfYear(int year);
// The rule behind the year table, for any year (1929 is "Earth-Snake").
QString cycleNameByRule(int year);
// A translation, western sign, animal or element as the reader's language names it. The
// English name stays what a Reading holds and compares, so readings and their files are
// the same in every language; a name the tables do not hold comes back unchanged.
QString shownName(const QString& name);
// A cycle name such as "Water-Boar" with both halves as the reader's language names them.
QString shownCycleName(const QString& cycleName);
// 1 for "January" to 12 for "December" (exact match), 0 for anything else.
int monthNumber(const QString& month);

} // namespace AstrologyTables
