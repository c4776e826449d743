#pragma once

#include <QString>
#include <QtGlobal>

// One person's entries as the main window takes them and a reading file keeps them.
struct BirthData
{
    QString name;   // entered name without leading and trailing blanks
    QString sex;    // "Male" or "Female"; empty while neither is chosen
    qint16 year = 0;
    QString month;  // English month name, "January" to "December"
    qint16 day = 0;
};
