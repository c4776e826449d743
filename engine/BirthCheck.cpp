#include "engine/BirthCheck.h"

#include "engine/AstrologyTables.h"
#include "text/Blanks.h"

namespace BirthCheck {

Problem check(const BirthData& entries)
{
    if (trimBlanks(entries.name).isEmpty())
        return Problem::NoName;
    if (entries.sex != QLatin1String("Male") && entries.sex != QLatin1String("Female"))
        return Problem::NoSex;
    const int month = AstrologyTables::monthNumber(entries.month);
    // Every fourth year is a leap year; from 1930 to 2030 that agrees with the calendar.
    const bool leapYear = entries.year % 4 == 0;
    if (month == 2 && entries.day > (leapYear ? 29 : 28))
        return Problem::NoSuchDayOfFebruary;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && entries.day == 31)
        return Problem::NoThirtyFirst;
    return Problem::None;
}

BirthData freshEntries()
{
    BirthData entries;
    entries.day = 1;
    entries.month = QLatin1String(AstrologyTables::monthRules.front().month);
    entries.year = AstrologyTables::FirstYear;
    return entries;
}

BirthData fromReadingFile(const BirthData& file, const BirthData& earlier)
{
    BirthData entries = file;
    if (file.day < 1 || file.day > 31)
        entries.day = earlier.day;
    if (AstrologyTables::monthNumber(file.month) == 0)
        entries.month = earlier.month;
    if (file.year < AstrologyTables::FirstYear || file.year > AstrologyTables::LastYear)
        entries.year = earlier.year;
    return entries;
}

} // namespace BirthCheck
