#include "ui/BirthChartText.h"

#include "engine/AstrologyTables.h"
#include "engine/BirthChart.h"
#include "engine/Paragraphs.h"

#include <QCoreApplication>
#include <QDate>

namespace BirthChartText {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("BirthChartText", text);
}

// Words the engine names in English, as the reader's language names them: elements
// and animals through the tables, the rest here.
QString shown(const QString& name)
{
    static const char* const own[] = {
        QT_TRANSLATE_NOOP("BirthChartText", "Male"),  QT_TRANSLATE_NOOP("BirthChartText", "Female"),
        QT_TRANSLATE_NOOP("BirthChartText", "White"), QT_TRANSLATE_NOOP("BirthChartText", "Black"),
        QT_TRANSLATE_NOOP("BirthChartText", "Blue"),  QT_TRANSLATE_NOOP("BirthChartText", "Green"),
        QT_TRANSLATE_NOOP("BirthChartText", "Yellow"), QT_TRANSLATE_NOOP("BirthChartText", "Red"),
    };
    for (const char* word : own) {
        if (name == QLatin1String(word))
            return tr(word);
    }
    return AstrologyTables::shownName(name);
}

QString yearValue(const BirthChart& chart)
{
    const YearName& name = chart.yearName;
    const QString shownName = shown(name.element) + u'-' + shown(name.sex) + u'-' + shown(name.animal);
    return tr("%1 (rabjung %2, year %3)").arg(shownName).arg(chart.date.rabjung).arg(chart.date.yearInRabjung);
}

QString dateValue(const TibetanDate& date)
{
    const QString month = (date.leapMonth ? tr("leap month %1") : tr("month %1")).arg(date.month);
    QString day = tr("day %1").arg(date.day);
    if (date.dayRepeat == TibetanDate::Repeat::FirstOfTwo)
        day = tr("day %1 (first of two)").arg(date.day);
    else if (date.dayRepeat == TibetanDate::Repeat::SecondOfTwo)
        day = tr("day %1 (second of two)").arg(date.day);
    return month + QStringLiteral(", ") + day;
}

// Why a birth has no chart, in one line.
QString missingFor(const BirthData& birthData)
{
    const QDate date(birthData.year, AstrologyTables::monthNumber(birthData.month), birthData.day);
    if (!date.isValid())
        return tr("No birth chart: the date of birth is not a day of the calendar.");
    return tr("No birth chart: the Tibetan calendar here covers the years %1 to %2 only.")
        .arg(TibetanCalendar::FirstYear)
        .arg(TibetanCalendar::LastYear);
}

} // namespace

Chart forBirth(const BirthData& birthData)
{
    const std::optional<BirthChart> chart = TibetanChart::birthChartFor(birthData);
    if (!chart)
        return {{}, missingFor(birthData), {}};

    const TibetanChart::MewaRow& mewa = TibetanChart::mewas[chart->mewa - 1];
    const QString mewaColour = QLatin1String(mewa.colour);
    Chart result;
    result.mewaColour = QLatin1String(mewa.display);
    result.lines = {
        {tr("Your Tibetan Birth Year: "), yearValue(*chart), chart->yearName.tibetan(), {}},
        {tr("Your Tibetan Date of Birth: "), dateValue(chart->date), {}, {}},
        {tr("Your Birth Mewa: "), QStringLiteral("%1 %2").arg(chart->mewa).arg(shown(mewaColour)),
         TibetanChart::tibetanName(mewaColour), Paragraphs::text(QStringLiteral("chart/mewa-%1").arg(chart->mewa))},
    };
    // The forces in the report's order, each with its element and its paragraph.
    const struct
    {
        const char* caption;
        QString element;
        const char* key;
    } forces[] = {
        {QT_TRANSLATE_NOOP("BirthChartText", "Your Life Force: "), chart->forces.lifeForce, "life-force"},
        {QT_TRANSLATE_NOOP("BirthChartText", "Your Body: "), chart->forces.body, "body"},
        {QT_TRANSLATE_NOOP("BirthChartText", "Your Power: "), chart->forces.power, "power"},
        {QT_TRANSLATE_NOOP("BirthChartText", "Your Luck: "), chart->forces.luck, "luck"},
        {QT_TRANSLATE_NOOP("BirthChartText", "Your Soul: "), chart->forces.soul, "soul"},
    };
    for (std::size_t i = 0; i < std::size(forces); ++i) {
        const QString tibetan = QString::fromUtf16(TibetanChart::forces[i].tibetan) + QStringLiteral(" \u2013 ")
                                + TibetanChart::tibetanName(forces[i].element);
        result.lines.append({tr(forces[i].caption), shown(forces[i].element), tibetan,
                             Paragraphs::text(QStringLiteral("chart/") + QLatin1String(forces[i].key))});
    }
    return result;
}

} // namespace BirthChartText
