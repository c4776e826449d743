#pragma once

#include <QDate>
#include <optional>

// A day in the Phugpa Tibetan calendar.
struct TibetanDate
{
    enum class Repeat { None, FirstOfTwo, SecondOfTwo };

    int year = 0;           // the Gregorian year in which the Tibetan year's Losar falls
    int rabjung = 0;        // sixty-year cycle: the 1st began in 1027, the 17th in 1987
    int yearInRabjung = 0;  // 1 to 60
    int month = 0;          // 1 to 12, Losar begins month 1
    bool leapMonth = false; // the first of a doubled month
    int day = 0;            // lunar day 1 to 30 current at daybreak
    Repeat dayRepeat = Repeat::None;  // a lunar day current at two daybreaks labels both days

    friend bool operator==(const TibetanDate&, const TibetanDate&) = default;
};

namespace TibetanCalendar {

// The calendar covers 1 January of the first year to 31 December of the last.
inline constexpr int FirstYear = 1929;
inline constexpr int LastYear = 2031;

// The Tibetan date of a Gregorian day; nothing outside the years above.
std::optional<TibetanDate> tibetanDate(QDate date);

} // namespace TibetanCalendar
