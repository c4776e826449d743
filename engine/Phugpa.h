#pragma once

#include <QtGlobal>

// The Phugpa arithmetic behind Losar and the Tibetan calendar, as laid out by S. Janson,
// "Tibetan calendar mathematics" (2014). Lunar months are counted from the epoch in month 3
// of 806; lunar days 1 to 30 of a month end on days given as Julian day numbers.
namespace Phugpa {

// The count of Tibetan month `month` (1 to 12) of the Tibetan year `year`. When the month
// comes twice this is the second (regular) one; the leap one before it counts one less.
qint64 lunarMonthCount(int year, int month);

// Whether the month comes twice, a leap month before the regular one.
bool comesTwice(int year, int month);

// The day (Julian day number) on which lunar day `day` of the month counted `count` ends.
qint64 julianDayOfEnd(qint64 count, int day);

struct Month
{
    int year = 0;
    int month = 0;
    bool leap = false;
};

// The year and number of the month counted `count`: the inverse of lunarMonthCount, with
// leap set for the first of a doubled month.
Month monthOfCount(qint64 count);

} // namespace Phugpa
