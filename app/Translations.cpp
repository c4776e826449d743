#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

void installCatalogue(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
}

} // namespace

void install(const QLocale& locale)
{
    QLocale::setDefault(locale);
    installCatalogue(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installCatalogue(locale, QStringLiteral("zarvo"), QStringLiteral(":/i18n"));
}

} // namespace Translations
