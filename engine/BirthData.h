#pragma once

#include <QString>
#include <QtGlobal>

// The current person, written only by the Calculate action; one instance for the run.
struct BirthData
{
    QString name;   // entered name without leading and trailing blanks
    QString sex;    // "Male" or "Female"
    qint16 year = 0;
    QString month;  // English month name, "January" to "December"
    qint16 day = 0;
};
