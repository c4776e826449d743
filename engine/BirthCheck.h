#pragma once

#include "engine/BirthData.h"

// Whether entries can be read, and how a reading file's lines meet the entries a
// window already holds.
namespace BirthCheck {

enum class Problem {
    None,
    NoName,            // nothing but blanks
    NoSex,             // neither "Male" nor "Female"
    NoSuchDayOfFebruary,  // the 30th or 31st, or the 29th outside a leap year
    NoThirtyFirst,     // the 31st of April, June, September or November
};

// The first problem of the entries, in the order the main window reports them. The
// day is checked only against its month: the lists offer no other day.
Problem check(const BirthData& entries);

// The entries of a fresh main window: no name and no sex, 1 January 1930.
BirthData freshEntries();

// The entries of a reading file as the main window takes them: its name and sex, and
// its day, month and year where the window's lists offer them; a line that names no
// entry of its list keeps the earlier entry, as the window keeps its selection.
BirthData fromReadingFile(const BirthData& file, const BirthData& earlier);

} // namespace BirthCheck
