#include "engine/TibetanCalendar.h"

#include "engine/Phugpa.h"

namespace TibetanCalendar {

std::optional<TibetanDate> tibetanDate(QDate date)
{
    if (!date.isValid() || date.year() < FirstYear || date.year() > LastYear)
        return std::nullopt;
    const qint64 jd = date.toJulianDay();

    // A civil day bears the lunar day current at its daybreak: the first one that has not
    // ended before the day. Its month is the first whose 30th lunar day ends on or after the
    // day; the mean month of 167025/5656 days puts the search within a month of it.
    qint64 count = (jd - 2015501) * 5656 / 167025;
    while (Phugpa::julianDayOfEnd(count - 1, 30) >= jd)
        --count;
    while (Phugpa::julianDayOfEnd(count, 30) < jd)
        ++count;
    int day = 1;
    while (Phugpa::julianDayOfEnd(count, day) < jd)
        ++day;

    TibetanDate tibetan;
    const Phugpa::Month month = Phugpa::monthOfCount(count);
    tibetan.year = month.year;
    tibetan.rabjung = (month.year - 1027) / 60 + 1;
    tibetan.yearInRabjung = (month.year - 1027) % 60 + 1;
    tibetan.month = month.month;
    tibetan.leapMonth = month.leap;
    tibetan.day = day;
    // A lunar day ending after this day is current at the next daybreak too; one whose
    // predecessor ended before yesterday was current at yesterday's daybreak already.
    const qint64 previousEnd = day > 1 ? Phugpa::julianDayOfEnd(count, day - 1)
                                       : Phugpa::julianDayOfEnd(count - 1, 30);
    if (Phugpa::julianDayOfEnd(count, day) > jd)
        tibetan.dayRepeat = TibetanDate::Repeat::FirstOfTwo;
    else if (previousEnd < jd - 1)
        tibetan.dayRepeat = TibetanDate::Repeat::SecondOfTwo;
    return tibetan;
}

} // namespace TibetanCalendar
