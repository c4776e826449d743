#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace AstrologyTables {

struct SunSignRow
{
    const char16_t* tibetan;
    const char* translation;
    const char* western;
    const char* paragraphKey;  // key of the western paragraph, e.g. "western/virgo"
};

struct MonthRule
{
    const char* month;          // the stored English name; shown through the "Month" translations
    int threshold;              // day <= threshold gives the first sign
    const char16_t* firstSign;
    const char16_t* secondSign;
};

struct NamedParagraph
{
    const char* name;
    const char* paragraphKey;
};

inline constexpr int FirstYear = 1930;
inline constexpr int LastYear = 2030;

// Table 1: Tibetan sun sign, translation, western sign.
extern const std::array<SunSignRow, 12> sunSigns;
// Month thresholds, in calendar order.
extern const std::array<MonthRule, 12> monthRules;
// Table 2: the twelve animals.
extern const std::array<NamedParagraph, 12> animals;
// Table 3: the five elements.
extern const std::array<NamedParagraph, 5> elements;

// Table 4: cycle name ("Iron-Horse") of each year from 1930 to 2030, built by its rule.
const QStringList& yearCycleNames();
// Cycle name of one year, or an empty string outside 1930..2030.
QString cycleNameOfYear(int year);
// The rule behind the year table, for any year (1929 is "Earth-Snake").
QString cycleNameByRule(int year);
// 1 for "January" to 12 for "December" (exact match), 0 for anything else.
int monthNumber(const QString& month);

} // namespace AstrologyTables
