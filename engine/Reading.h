#pragma once

#include <QString>

// What computeReading finds for one birth.
struct Reading
{
    QString tibetanSunSign;
    QString tibetanSunSignTranslation;
    QString westernSunSign;
    QString westernSunSignText;
    QString animalSign;
    QString animalSignText;
    QString element;
    QString elementText;
    int sunSignImage = 0;     // 1..12 (sun sign row + 1), 0 = none this computation
    int animalSignImage = 0;  // 1..12 (animal row + 1), 0 = none this computation
};
