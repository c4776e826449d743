#include "Application.h"
#include "CommandLine.h"
#include "Look.h"
#include "QtPlatform.h"
#include "SingleInstance.h"
#include "Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    if (CommandLine::asksForText(argc, argv)) {
        const QCoreApplication core(argc, argv);
        CommandLine::printTextAndExit();
    }
    QApplication app(argc, argv);
    QApplication::setStyle(Look::createStyle());
    // Windows come and go while moving between them; only the support screen ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Look::applicationIcon());
    // Lets desktops match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.ovanthesoftwares.ZarvoTibetanAstrology"));

    QtPlatform platform;
    Application application(platform);
    SingleInstance guard;
    if (!Startup::RunStartup(application, guard, CommandLine::readingFile(QCoreApplication::arguments())))
        return 0;
    return app.exec();
}
