#pragma once

#include <QFile>
#include <QLocale>
#include <QString>

// Texts kept as files come in English, with translations beside them in a folder named by
// the language: ":/promo/cobrand.txt" and ":/promo/de/cobrand.txt". The language is the
// default locale's, which follows the system unless a caller sets another.
namespace Language {

// The two-letter code of the language the program speaks, e.g. "de".
inline QString code()
{
    return QLocale::languageToCode(QLocale().language());
}

// The resource for the program's language where one exists, otherwise the English one.
inline QString resource(const QString& folder, const QString& name)
{
    const QString translated = QStringLiteral(":/%1/%2/%3").arg(folder, code(), name);
    return QFile::exists(translated) ? translated : QStringLiteral(":/%1/%2").arg(folder, name);
}

} // namespace Language
