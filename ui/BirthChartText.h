#pragma once

#include "engine/BirthData.h"

#include <QList>
#include <QString>

// The Tibetan birth chart in words, as its tab and the report show it: the birth's
// Tibetan year and date, the birth mewa and the five forces of the year.
namespace BirthChartText {

struct Line
{
    QString caption;    // "Your Birth Mewa: "
    QString value;      // "7 Red"
    QString tibetan;    // the names in Tibetan script, or empty
    QString paragraph;  // what the line means in the tradition, or empty
};

struct Chart
{
    QList<Line> lines;   // empty when the birth has no chart
    QString missing;     // then one line saying why
    QString mewaColour;  // "#rrggbb" of the birth mewa
};

// Worked out when asked for: only the chart's tab and the report need it.
Chart forBirth(const BirthData& birthData);

} // namespace BirthChartText
