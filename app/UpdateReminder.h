#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

class Platform;

// Reminds the user at most once in any 15 days that an update may exist.
namespace UpdateReminder {

inline constexpr char Key[] = "Duration";

// The date as stored: ISO 8601 (2026-12-07), the same text in every locale, so that
// a change of the system's date format between starts cannot make it unreadable.
QString dateText(const QDate& date);
// Reads a stored date: the ISO form, or the locale's short date text that earlier
// versions stored. A two-digit year is placed in the century nearest to today.
std::optional<QDate> parseDateText(const QString& text, const QLocale& locale, const QDate& today);

void checkForUpdate(Platform& platform, const QLocale& locale = QLocale::system());

} // namespace UpdateReminder
