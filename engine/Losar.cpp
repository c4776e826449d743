#include "engine/Losar.h"

#include "engine/AstrologyTables.h"
#include "engine/Phugpa.h"

#include <QtGlobal>

namespace Losar {
namespace {

// The count of the first month of the year: the leap one when the month comes twice.
qint64 firstMonthCount(int year)
{
    return Phugpa::lunarMonthCount(year, 1) - (Phugpa::comesTwice(year, 1) ? 1 : 0);
}

} // namespace

QDate newYear(int year)
{
    // A month begins on the day after the last lunar day of the month before has ended,
    // whether its own first day is skipped or doubled.
    return QDate::fromJulianDay(Phugpa::julianDayOfEnd(firstMonthCount(year) - 1, 30) + 1);
}

QDate endOfLunarDay(int year, int month, int day)
{
    return QDate::fromJulianDay(Phugpa::julianDayOfEnd(Phugpa::lunarMonthCount(year, month), day));
}

std::optional<Note> noteFor(const BirthData& birthData)
{
    if (AstrologyTables::cycleNameOfYear(birthData.year).isEmpty())
        return std::nullopt;
    const QDate birth(birthData.year, AstrologyTables::monthNumber(birthData.month), birthData.day);
    if (!birth.isValid())
        return std::nullopt;
    const QDate losar = newYear(birthData.year);
    if (birth >= losar)
        return std::nullopt;
    return Note{losar, AstrologyTables::cycleNameByRule(birthData.year - 1)};
}

} // namespace Losar
