#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "platform/QtPlatform.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The texts follow the system's language where a catalogue exists; English otherwise.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QTranslator programTexts;
    if (programTexts.load(QLocale(), QStringLiteral("zarvo"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(&programTexts);
    QApplication::setStyle(Look::createStyle());
    // Windows come and go while moving between them; only the support screen ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Look::applicationIcon());
    // Lets desktops match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.ovanthesoftwares.ZarvoTibetanAstrology"));

    QtPlatform platform;
    Application application(platform);
    SingleInstance guard;
    if (!Startup::run(application, guard))
        return 0;
    return app.exec();
}
