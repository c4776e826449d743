#include "app/ReportCommand.h"

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "engine/BirthCheck.h"
#include "engine/ComputeReading.h"
#include "platform/LocalFiles.h"
#include "platform/FileReason.h"
#include "platform/ReadingFileAccess.h"
#include "platform/SaveTarget.h"
#include "text/Blanks.h"
#include "ui/MainWindow.h"
#include "ui/ReportDocument.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTextDocument>

#include <cstdio>
#include <cstring>

namespace ReportCommand {

namespace {

int refuse(const QString& message)
{
    std::fputs(qPrintable(message + u'\n'), stderr);
    return 1;
}

} // namespace

bool asked(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--report") == 0 || std::strncmp(argv[i], "--report=", 9) == 0)
            return true;
    }
    return false;
}

int run(int argc, char* argv[])
{
#ifndef Q_OS_WIN
    // No window is ever shown, so no display is needed: the PDF is laid out off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    const QGuiApplication application(argc, argv);
    Translations::install(QLocale::system());
    const CommandLine::ReportRequest request = CommandLine::reportRequest(LocalFiles::arguments(argc, argv));
    if (!request.error.isEmpty())
        return refuse(request.error);

    // The same checks and messages as the main window's reopening, from a fresh window's
    // entries for the lines a file lacks.
    if (!MainWindow::isReadingFileName(request.readingFile))
        return refuse(MainWindow::fileRefusal());
    if (const QString problem = LocalFiles::whyNotReadable(request.readingFile); !problem.isEmpty())
        return refuse(Application::notOpenedMessage(QDir::toNativeSeparators(request.readingFile), problem));
    BirthData birthData =
        BirthCheck::fromReadingFile(ReadingFileAccess::read(request.readingFile), BirthCheck::freshEntries());
    birthData.name = trimBlanks(birthData.name);
    const QString problem = MainWindow::problemMessage(BirthCheck::check(birthData));
    if (!problem.isEmpty())
        return refuse(problem);

    const Reading reading = computeReading(birthData);
    if (request.pdfFile.isEmpty()) {
        std::fputs(ReportDocument::plainText(birthData, reading).toUtf8().append('\n').constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QTextDocument document;
    ReportDocument::fill(document, birthData, reading);
    QString reason;
    if (!SaveTarget::open(request.pdfFile).write(ReportDocument::pdf(document), ReportDocument::LargestPdfReplacedInPlace,
                                                 &reason))
        return refuse(QCoreApplication::translate("ReportWindow", "%1\nThe report could not be saved (%2).")
                          .arg(QDir::toNativeSeparators(request.pdfFile), FileReason::clause(reason)));
    return 0;
}

} // namespace ReportCommand
