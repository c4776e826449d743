#include "app/UpdateReminder.h"

#include "site/WebAddress.h"
#include "platform/Platform.h"

#include <QCoreApplication>

namespace UpdateReminder {

namespace {

std::optional<QDate> parseIsoDate(const QString& text)
{
    // Exactly yyyy-MM-dd in ASCII digits; anything longer is no stored date.
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    for (const int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    const QDate date(text.first(4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// Qt reads only digits of the Basic Multilingual Plane; Chakma and Adlam digits lie
// beyond it, so their short dates are read with ASCII digits in their place.
QString withAsciiDigits(const QString& text)
{
    QString ascii;
    for (const char32_t c : text.toUcs4()) {
        const int digit = QChar::digitValue(c);
        if (digit >= 0)
            ascii += QChar(u'0' + digit);
        else
            ascii += QString::fromUcs4(&c, 1);
    }
    return ascii;
}

std::optional<QDate> parseShortDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const bool twoDigitYear = !format.contains(QLatin1String("yyyy"));
    QDate date = locale.toDate(text, format);
    if (!date.isValid())
        date = locale.toDate(withAsciiDigits(text), format);
    if (!date.isValid() && twoDigitYear) {
        // 29 February read as 19yy may not exist; look for the leap year it was written in.
        for (int year = today.year() - 52; year <= today.year() + 52; ++year) {
            const QDate leapDay(year, 2, 29);
            if (leapDay.isValid() && locale.toString(leapDay, QLocale::ShortFormat) == text)
                return leapDay;
        }
    }
    if (!date.isValid())
        return std::nullopt;
    if (twoDigitYear) {
        // Qt reads "yy" as 19yy; move it to the century closest to today.
        while (date.year() < today.year() - 50)
            date = date.addYears(100);
        while (date.year() > today.year() + 50)
            date = date.addYears(-100);
    }
    return date;
}

} // namespace

QString dateText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

std::optional<QDate> parseDateText(const QString& text, const QLocale& locale, const QDate& today)
{
    if (const std::optional<QDate> date = parseIsoDate(text))
        return date;
    return parseShortDate(text, locale, today);
}

void checkForUpdate(Platform& platform, const QLocale& locale)
{
    const QDate today = platform.today();
    const QString stored = platform.readSetting(QLatin1String(Key));
    if (stored.isEmpty()) {
        platform.writeSetting(QLatin1String(Key), dateText(today));
        return;
    }
    // An unreadable value ends the check silently and stays as it is.
    const std::optional<QDate> last = parseDateText(stored, locale, today);
    if (!last)
        return;
    const qint64 days = today.daysTo(*last);
    if (days >= -14 && days <= 14)
        return;
    const Platform::Answer answer = platform.showMessage(
        nullptr,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software available\rDo you want to check for an update?"),
        Platform::Icon::Information, Platform::Buttons::YesNo);
    platform.writeSetting(QLatin1String(Key), dateText(today));
    if (answer == Platform::Answer::Yes)
        platform.openUrlOrSay(nullptr, WebAddress::forPage(WebPage::Download));
}

} // namespace UpdateReminder
