#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "platform/LocalFiles.h"
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

#include <cstdio>

int main(int argc, char* argv[])
{
    ProcessSetup::keepRunningOnFileSizeLimit();
    const long openFiles = ProcessSetup::raiseOpenFileLimit();
    ProcessSetup::showRunning();
    if (CommandLine::asksForText(argc, argv)) {
        const QCoreApplication core(argc, argv);
        CommandLine::printTextAndExit();
    }
    if (ReportCommand::asked(argc, argv))
        return ReportCommand::run(argc, argv);
    // The windows keep their own menu bars: a global menu bar is asked for over D-Bus,
    // which waits for good where no thread can be started (a tight memory or process
    // limit), before any window is shown and with the single-instance lock held.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    if (!ProcessSetup::startDesktopBus()) {
        // A message box would wait for the same thread.
        std::fputs(qPrintable(QCoreApplication::translate(
                       "Startup", "The system lets this program start no thread (a memory or process limit). "
                                  "Please raise the limit and start again.\n")),
                   stderr);
        return 1;
    }
    // The texts follow the system's language where a catalogue exists; English otherwise.
    Translations::install(QLocale::system());
    QApplication::setStyle(DirectImageStyle::create());
    // Windows come and go while moving between them; only the support screen ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Look::applicationIcon());
    // Lets desktops match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.ovanthesoftwares.ZarvoTibetanAstrology"));

    QtPlatform platform;
    if (openFiles < ProcessSetup::FewestOpenFiles) {
        // Ends before taking the single-instance lock, so that a later start is not
        // kept out by a copy that cannot work.
        platform.showMessage(nullptr,
                             QCoreApplication::translate("Startup",
                                                         "Only %1 files may be open at once, and this program needs "
                                                         "%2. Please raise the limit (ulimit -n) and start again.")
                                 .arg(openFiles)
                                 .arg(ProcessSetup::FewestOpenFiles),
                             Platform::Icon::Critical, Platform::Buttons::Ok);
        return 1;
    }
    Application application(platform);
    SingleInstance guard;
    const CommandLine::ReadingArgument file = CommandLine::readingFile(LocalFiles::arguments(argc, argv));
    if (!Startup::run(application, guard, file.path, file.foreignAddress))
        return 0;
    return app.exec();
}
