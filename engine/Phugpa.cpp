#include "engine/Phugpa.h"

// Every quantity is a fraction with a small denominator, so the dates are worked out
// exactly in integers: a rounding error of a floating-point sum could move a day boundary.

namespace Phugpa {
namespace {

constexpr int EpochYear = 806;
constexpr int EpochMonth = 3;

// Months are counted in a cycle of 65 solar months holding 67 lunar ones. m counts solar
// months since the epoch; the lunar month count is floor((67 m + 78) / 65). The index
// (67 m + 61) mod 65 says where a month lies in the cycle: at 48 and 49 the count jumps
// by two, and the month in between bears the same number as the next one, as its leap
// (first) month.
int solarMonths(int year, int month)
{
    return 12 * (year - EpochYear) + month - EpochMonth;
}

qint64 countOfSolarMonth(qint64 m)
{
    return (67 * m + 78) / 65;  // m > 0 for every year this program meets
}

// Tables of the moon's and the sun's equation, a quarter of their cycles each, in
// sixtieths of a day; the other quarters mirror them.
constexpr int MoonTable[] = {0, 5, 10, 15, 19, 22, 24, 25};
constexpr int SunTable[] = {0, 6, 10, 11};

// The table value at step i of a cycle of 4 * quarter steps.
int cycleValue(const int* table, int quarter, int i)
{
    i %= 4 * quarter;
    if (i <= quarter)
        return table[i];
    if (i <= 2 * quarter)
        return table[2 * quarter - i];
    if (i <= 3 * quarter)
        return -table[i - 2 * quarter];
    return -table[4 * quarter - i];
}

// Linear interpolation at position x / scale of the cycle, in units of 1 / (60 scale) day.
qint64 equation(const int* table, int quarter, qint64 x, qint64 scale)
{
    const int step = int(x / scale);
    const qint64 rest = x % scale;
    const int here = cycleValue(table, quarter, step);
    const int next = cycleValue(table, quarter, step + 1);
    return scale * here + rest * (next - here);
}

// All parts of the true date in one unit: 1 / Units of a day (the least common multiple
// of 169680, 7560 and 24120, the denominators below).
constexpr qint64 Units = 102317040;

} // namespace

qint64 lunarMonthCount(int year, int month)
{
    return countOfSolarMonth(solarMonths(year, month));
}

bool comesTwice(int year, int month)
{
    const qint64 index = (67 * qint64(solarMonths(year, month)) + 61) % 65;
    return index == 48 || index == 49;
}

qint64 julianDayOfEnd(qint64 n, int d)
{
    // Mean date: 2015501 + 4783/5656 + n * 167025/5656 + d * 11135/11312 days,
    // here in 1/169680 of a day.
    const qint64 mean = 4783 * 30 + n * 167025 * 30 + qint64(d) * 167025;

    // Moon's anomaly: n * 253/3528 + d/28 + 475/3528 of a revolution; its table has 28
    // steps to the revolution, so the position is counted in 1/126 of a step.
    const qint64 moonPosition = (253 * n + 475 + 126 * qint64(d)) % (28 * 126);
    const qint64 moon = equation(MoonTable, 7, moonPosition, 126);  // in 1/7560 day

    // Mean sun: n * 65/804 + d * 13/4824 + 743/804 of a revolution; the table starts a
    // quarter revolution later and has 12 steps, so the position is counted in 1/402 of a step.
    const qint64 sunPosition = (390 * n + 13 * qint64(d) + 4458 - 1206) % 4824;
    const qint64 sun = equation(SunTable, 3, sunPosition, 402);  // in 1/24120 day

    // True date: mean date plus the moon's equation minus the sun's.
    const qint64 fraction = mean * (Units / 169680) + moon * (Units / 7560) - sun * (Units / 24120);
    return 2015501 + fraction / Units;  // the fraction is positive for any n > 0
}

Month monthOfCount(qint64 count)
{
    // The first solar month whose count reaches `count`: the count itself names a regular
    // month, one more means the count fell in a jump by two, on that month's leap month.
    const qint64 m = (65 * count - 78 + 66) / 67;  // ceil((65 count - 78) / 67), count > 1
    const qint64 months = m + EpochMonth - 1;
    return Month{int(EpochYear + months / 12), int(months % 12) + 1, countOfSolarMonth(m) != count};
}

} // namespace Phugpa
