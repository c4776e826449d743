// The Tibetan date of every day: days named in public for Losar and the great festivals,
// a doubled and a skipped day, and the run of the days through the range the calendar covers.
#include "engine/Losar.h"
#include "engine/TibetanCalendar.h"

#include <QTest>

using Repeat = TibetanDate::Repeat;

namespace {
// "2024 (17/38) 1 15": year (rabjung/year in it) month day; a leap month is marked "L",
// the first and second of two days with the same number "a" and "b".
QString described(const TibetanDate& date)
{
    return QStringLiteral("%1 (%2/%3) %4%5 %6%7")
        .arg(date.year).arg(date.rabjung).arg(date.yearInRabjung).arg(date.month)
        .arg(date.leapMonth ? QStringLiteral("L") : QString()).arg(date.day)
        .arg(date.dayRepeat == Repeat::FirstOfTwo ? "a" : date.dayRepeat == Repeat::SecondOfTwo ? "b" : "");
}
} // namespace

class TestTibetanCalendar : public QObject
{
    Q_OBJECT
private slots:
    // Losar as announced; month 1 day 15 (Chotrul Duchen), month 4 day 15 (Saga Dawa
    // Duchen) and month 9 day 22 (Lhabab Duchen) as Tibetan communities kept them. In 2019
    // the first month came twice and Losar began the leap one. In 1977 lunar day 1 of the
    // first month was skipped and day 2 was current at two daybreaks, Losar's and the next.
    // The 17th sixty-year cycle began in 1987, so 2019 is its 33rd year. The day before
    // Losar is the last of month 12: the run of the days below checks that.
    void knownDays_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("tibetan");
        const std::pair<QDate, const char*> rows[] = {
            {QDate(2019, 2, 5), "2019 (17/33) 1L 1"},   {QDate(2020, 2, 24), "2020 (17/34) 1 1"},
            {QDate(2021, 2, 12), "2021 (17/35) 1 1"},   {QDate(2022, 3, 3), "2022 (17/36) 1 1"},
            {QDate(2023, 2, 21), "2023 (17/37) 1 1"},   {QDate(2024, 2, 10), "2024 (17/38) 1 1"},
            {QDate(2025, 2, 28), "2025 (17/39) 1 1"},   {QDate(2024, 2, 24), "2024 (17/38) 1 15"},
            {QDate(2025, 3, 14), "2025 (17/39) 1 15"},  {QDate(2023, 6, 4), "2023 (17/37) 4 15"},
            {QDate(2024, 5, 23), "2024 (17/38) 4 15"},  {QDate(2025, 6, 11), "2025 (17/39) 4 15"},
            {QDate(2024, 11, 22), "2024 (17/38) 9 22"}, {QDate(1977, 2, 19), "1977 (16/51) 1 2a"},
            {QDate(1977, 2, 20), "1977 (16/51) 1 2b"},
            // Janson's paper is dated "Wednesday 8, month 11, Water-Snake year".
            {QDate(2014, 1, 8), "2013 (17/27) 11 8"},
        };
        for (const auto& [date, tibetan] : rows)
            QTest::newRow(qPrintable(date.toString(Qt::ISODate))) << date << QString::fromLatin1(tibetan);
    }
    void knownDays()
    {
        QFETCH(QDate, date);
        const std::optional<TibetanDate> tibetan = TibetanCalendar::tibetanDate(date);
        QVERIFY(tibetan);
        QTEST(described(*tibetan), "tibetan");
    }

    // Day by day through the range: a lunar day is followed by the next or, over a skipped
    // number, the one after; a doubled one labels two days, marked first and second; a
    // month follows its last day (30, or 29 when 30 is skipped) and is the next number or,
    // after a leap month, the same; a year begins on Losar and is the next of its sixty-year
    // cycle. Within a year there are 12 or 13 months. The range ends on the days given.
    void wholeRange()
    {
        QVERIFY(!TibetanCalendar::tibetanDate(QDate(1928, 12, 31)));
        QVERIFY(!TibetanCalendar::tibetanDate(QDate(2032, 1, 1)));
        std::optional<TibetanDate> before = TibetanCalendar::tibetanDate(QDate(1929, 1, 1));
        QVERIFY(before);
        int months = 0;
        for (QDate date(1929, 1, 2); date <= QDate(2031, 12, 31); date = date.addDays(1)) {
            const std::optional<TibetanDate> now = TibetanCalendar::tibetanDate(date);
            QVERIFY(now);
            const QByteArray day = date.toString(Qt::ISODate).toLatin1();
            const char* at = day.constData();
            const bool sameMonth = now->month == before->month && now->leapMonth == before->leapMonth;
            const bool doubled = sameMonth && now->day == before->day;
            QVERIFY2((before->dayRepeat == Repeat::FirstOfTwo) == doubled, at);
            QVERIFY2((now->dayRepeat == Repeat::SecondOfTwo) == doubled, at);
            if (sameMonth) {
                QVERIFY2(now->year == before->year, at);
                QVERIFY2(now->day - before->day >= 0 && now->day - before->day <= 2, at);
            } else {
                QVERIFY2(before->day >= 29 && now->day <= 2, at);
                if (now->year == before->year) {
                    QVERIFY2(now->month == before->month + (before->leapMonth ? 0 : 1), at);
                    ++months;
                } else {
                    QVERIFY2(before->year == 1928 || months == 12 || months == 13, at);
                    QVERIFY2(now->year == before->year + 1 && now->month == 1, at);
                    QVERIFY2(before->month == 12 && !before->leapMonth, at);
                    QCOMPARE(date, Losar::newYear(now->year));
                    const bool newCycle = before->yearInRabjung == 60;
                    QVERIFY2(now->rabjung == before->rabjung + newCycle, at);
                    QVERIFY2(now->yearInRabjung == (newCycle ? 1 : before->yearInRabjung + 1), at);
                    months = 1;
                }
            }
            before = now;
        }
    }
};

QTEST_MAIN(TestTibetanCalendar)
#include "tst_tibetancalendar.moc"
