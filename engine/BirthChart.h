#pragma once

#include "engine/BirthData.h"
#include "engine/TibetanCalendar.h"

#include <QString>
#include <array>
#include <optional>

// The name of a Tibetan year in the sixty-year cycle, in English words.
struct YearName
{
    QString element;  // "Wood", "Fire", "Earth", "Iron" or "Water"
    QString sex;      // "Male" or "Female"
    QString animal;   // "Rat" to "Boar"

    QString text() const;     // "Wood-Male-Rat"
    QString tibetan() const;  // the three in Tibetan script, joined by the tsheg
};

// The five forces of a Tibetan year, each an element name as in YearName.
struct FiveForces
{
    QString lifeForce;  // sok
    QString body;       // lu
    QString power;      // wangthang
    QString luck;       // lungta, the wind-horse
    QString soul;       // la
};

struct BirthChart
{
    TibetanDate date;
    YearName yearName;
    int mewa = 0;  // 1 to 9
    FiveForces forces;
};

namespace TibetanChart {

struct Name
{
    const char* english;
    const char16_t* tibetan;
};

struct MewaRow
{
    const char* colour;   // "White", "Black", "Blue", "Green", "Yellow" or "Red"
    const char* element;  // the colour's element
    const char* display;  // "#rrggbb" for painting it
};

// The five forces in FiveForces order, named in English and in Tibetan script.
extern const std::array<Name, 5> forces;
// Mewa n is row n - 1.
extern const std::array<MewaRow, 9> mewas;

YearName yearName(int tibetanYear);
// 1 + (2008 - year) mod 9: the mewa numbers run backwards through the years.
int birthMewa(int tibetanYear);
FiveForces fiveForces(int tibetanYear);

// Tibetan script for an element, sex, animal, mewa colour or force as named above
// ("Wood", "Male", "Rat", "White", "Life force"); empty for any other text.
QString tibetanName(const QString& name);

// The chart of the Tibetan year and day of a birth; nothing for a date that does not
// exist or that the calendar does not cover.
std::optional<BirthChart> birthChartFor(const BirthData& birthData);

} // namespace TibetanChart
