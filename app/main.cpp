#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "platform/SingleInstance.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "platform/ProcessSetup.h"
#include "platform/QtPlatform.h"
#include "widgets/DirectImageStyle.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[])
{
    ProcessSetup::keepRunningOnFileSizeLimit();
    ProcessSetup::showRunning();
    if (CommandLine::asksForText(argc, argv)) {
        const QCoreApplication core(argc, argv);
        CommandLine::printTextAndExit();
    }
    if (ReportCommand::asked(argc, argv))
        return ReportCommand::run(argc, argv);
    QApplication app(argc, argv);
    // The texts follow the system's language where a catalogue exists; English otherwise.
    Translations::install(QLocale::system());
    QApplication::setStyle(DirectImageStyle::create());
    // Windows come and go while moving between them; only the support screen ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Look::applicationIcon());
    // Lets desktops match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.ovanthesoftwares.ZarvoTibetanAstrology"));

    QtPlatform platform;
    Application application(platform);
    SingleInstance guard;
    if (!Startup::run(application, guard, CommandLine::readingFile(QCoreApplication::arguments())))
        return 0;
    return app.exec();
}
