// The birth chart: the year's name in the sixty-year cycle, its mewa and five forces, in
// published examples and by the traditional rules worked out by hand, and the whole chart
// of a birth.
#include "engine/BirthChart.h"

#include <QTest>

namespace {
BirthData birth(int day, const char* month, int year)
{
    BirthData data;
    data.day = qint16(day);
    data.month = QString::fromLatin1(month);
    data.year = qint16(year);
    return data;
}
} // namespace

class TestBirthChart : public QObject
{
    Q_OBJECT
private slots:
    // Forces in the order life force, body, power, luck, soul. 2022, 2024 and 2025 are the
    // published examples; 1984 is the example report; 2000 and 2008 are worked by hand.
    void years_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mewa");
        QTest::addColumn<QString>("forces");
        QTest::newRow("1983") << 1983 << "Water-Female-Boar" << 8 << "Water Water Water Fire Iron";
        QTest::newRow("1984") << 1984 << "Wood-Male-Rat" << 7 << "Water Iron Wood Wood Iron";
        QTest::newRow("2000") << 2000 << "Iron-Male-Dragon" << 9 << "Earth Iron Iron Wood Fire";
        QTest::newRow("2008") << 2008 << "Earth-Male-Rat" << 1 << "Water Fire Earth Wood Iron";
        QTest::newRow("2022") << 2022 << "Water-Male-Tiger" << 5 << "Wood Iron Water Iron Water";
        QTest::newRow("2024") << 2024 << "Wood-Male-Dragon" << 3 << "Earth Fire Wood Wood Fire";
        QTest::newRow("2025") << 2025 << "Wood-Female-Snake" << 2 << "Fire Fire Wood Water Wood";
    }
    void years()
    {
        QFETCH(int, year);
        QTEST(TibetanChart::yearName(year).text(), "name");
        QTEST(TibetanChart::birthMewa(year), "mewa");
        const FiveForces forces = TibetanChart::fiveForces(year);
        const QStringList elements{forces.lifeForce, forces.body, forces.power, forces.luck, forces.soul};
        QTEST(elements.join(u' '), "forces");
    }

    // The body's na-yin element by the old reckoning with numbers: the two stems and two
    // branches of a pair of years add up to s; 49 - s ends in a digit whose element (1, 6
    // water; 2, 7 fire; 3, 8 wood; 4, 9 iron; 5, 0 earth) gives birth to the na-yin one.
    void body_everyYearOfTheCycle()
    {
        const int stem[] = {9, 8, 7, 6, 5, 9, 8, 7, 6, 5};       // Wood-Male (1984) on
        const int branch[] = {9, 8, 7, 6, 5, 4, 9, 8, 7, 6, 5, 4}; // Rat on
        const char* child[] = {"Iron", "Wood", "Earth", "Fire", "Water"};  // of 49 - s mod 5
        for (int i = 0; i < 60; ++i) {
            const int first = i - i % 2;
            const int sum =
                stem[first % 10] + stem[(first + 1) % 10] + branch[first % 12] + branch[(first + 1) % 12];
            QCOMPARE(TibetanChart::fiveForces(1984 + i).body, QLatin1String(child[(49 - sum) % 5]));
        }
    }

    void tibetanScript()
    {
        // shing-pho-byi ba, Wood-Male-Rat; rlung rta, the wind-horse; dmar, red.
        QCOMPARE(TibetanChart::yearName(1984).tibetan(),
                 QString::fromUtf16(u"\u0f64\u0f72\u0f44\u0f0b\u0f55\u0f7c\u0f0b\u0f56\u0fb1\u0f72\u0f0b\u0f56"));
        QCOMPARE(TibetanChart::tibetanName(QStringLiteral("Luck")),
                 QString::fromUtf16(u"\u0f62\u0fb3\u0f74\u0f44\u0f0b\u0f62\u0f9f"));
        QCOMPARE(TibetanChart::tibetanName(QStringLiteral("Red")), QString::fromUtf16(u"\u0f51\u0f58\u0f62"));
        QVERIFY(TibetanChart::tibetanName(QStringLiteral("wood")).isEmpty());
    }

    // The example report: "Wood-Male-Rat (rabjung 16, year 58)", "month 5, day 9", mewa 7
    // red. A birth before Losar belongs to the year before, in every part of the chart.
    void birthChartFor()
    {
        const std::optional<BirthChart> chart = TibetanChart::birthChartFor(birth(7, "July", 1984));
        QVERIFY(chart);
        QCOMPARE(chart->yearName.text(), QStringLiteral("Wood-Male-Rat"));
        QCOMPARE(std::pair(chart->date.rabjung, chart->date.yearInRabjung), std::pair(16, 58));
        QCOMPARE(std::pair(chart->date.month, chart->date.day), std::pair(5, 9));
        QCOMPARE(chart->mewa, 7);
        QCOMPARE(TibetanChart::mewas[chart->mewa - 1].colour, "Red");
        const std::optional<BirthChart> early = TibetanChart::birthChartFor(birth(2, "March", 1984));
        QVERIFY(early);
        QCOMPARE(early->yearName.text(), QStringLiteral("Water-Female-Boar"));
        QCOMPARE(early->mewa, 8);
        QCOMPARE(early->forces.power, QStringLiteral("Water"));
        for (const BirthData& none : {birth(30, "February", 1984), birth(20, "january", 1984)})
            QVERIFY(!TibetanChart::birthChartFor(none));
    }
};

QTEST_MAIN(TestBirthChart)
#include "tst_birthchart.moc"
