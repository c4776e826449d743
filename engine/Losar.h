#pragma once

#include "engine/BirthData.h"

#include <QDate>
#include <QString>
#include <optional>

// Losar, the Tibetan New Year, in the Phugpa calendar: the first day of the first
// Tibetan month. The Tibetan year that begins in Gregorian year Y is called year Y.
namespace Losar {

// The Gregorian date of Losar of the Tibetan year beginning in the given Gregorian year.
// When the first month comes twice, the year begins with the first of the two.
QDate newYear(int year);

// The day on which lunar day `day` (1 to 30) of Tibetan month `month` (1 to 12) of the
// given year ends. Normally that day bears the number; a skipped number ends on the day
// that bears the number before it, and a doubled number ends on the second of its two
// days. When the month comes twice, this is the second (regular) one.
QDate endOfLunarDay(int year, int month, int day);

struct Note
{
    QDate newYear;            // Losar of the birth's Gregorian year
    QString traditionalYear;  // cycle name of the year before, e.g. "Water-Boar"
};

// For a birth before that year's Losar: the date of Losar and the name of the Tibetan year
// the person was born in. Nothing for a birth on or after Losar, for a date that does not
// exist and for a year the reading does not cover.
std::optional<Note> noteFor(const BirthData& birthData);

} // namespace Losar
