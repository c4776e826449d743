#include "app/CommandLine.h"

#include "site/BuildSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <cstring>

namespace CommandLine {

namespace {

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption report{QStringLiteral("report"),
                              QStringLiteral("Writes the report of a reading file as text to standard output, "
                                             "without a window."),
                              QStringLiteral("file")};
    QCommandLineOption pdf{QStringLiteral("pdf"), QStringLiteral("With --report: writes the report as a PDF file instead."),
                           QStringLiteral("out.pdf")};

    Parser()
        : help(parser.addHelpOption())
        , version(parser.addVersionOption())
    {
        parser.setApplicationDescription(QStringLiteral("Tibetan astrology reading from a date of birth."));
        parser.addOption(report);
        parser.addOption(pdf);
        parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A reading file (.tib) to open."),
                                     QStringLiteral("[file]"));
    }

    // Unknown options are not fatal: they are left out like any other argument that
    // is no reading file.
    void parse(const QStringList& arguments) { parser.parse(arguments); }
};

bool isTextOption(const char* argument)
{
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
        if (std::strcmp(argument, option) == 0)
            return true;
    }
    return false;
}

} // namespace

bool asksForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (isTextOption(argv[i]))
            return true;
    }
    return false;
}

void printTextAndExit()
{
    QCoreApplication::setApplicationVersion(QLatin1String(BuildSettings::Version));
    Parser p;
    p.parse(QCoreApplication::arguments());
    if (p.parser.isSet(p.version))
        p.parser.showVersion();
    p.parser.showHelp(0);
}

ReportRequest reportRequest(const QStringList& arguments)
{
    Parser p;
    ReportRequest request;
    if (!p.parser.parse(arguments)) {
        request.error = p.parser.errorText();
        return request;
    }
    const QDir current = QDir::current();
    request.readingFile = QDir::cleanPath(current.absoluteFilePath(p.parser.value(p.report)));
    if (p.parser.isSet(p.pdf))
        request.pdfFile = QDir::cleanPath(current.absoluteFilePath(p.parser.value(p.pdf)));
    return request;
}

QString readingFile(const QStringList& arguments)
{
    Parser p;
    p.parse(arguments);
    for (const QString& argument : p.parser.positionalArguments()) {
        if (argument.isEmpty() || argument == QLatin1String("-"))
            continue;
        // File managers may pass file: URLs; any other address names no file here. A
        // colon alone does not make a URL: "notes:1984.tib" is a file name.
        static const QRegularExpression urlStart(QStringLiteral("^(file:|[A-Za-z][A-Za-z0-9+.-]*://)"));
        if (urlStart.match(argument).hasMatch()) {
            QUrl url(argument);
            // "localhost" names this machine, as no host does; a relative file: address
            // is taken from the folder the start was made in, as a plain name is.
            if (url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
                url.setHost(QString());
            if (url.isLocalFile() && url.host().isEmpty() && !url.toLocalFile().isEmpty())
                return QDir::cleanPath(QDir::current().absoluteFilePath(url.toLocalFile()));
            continue;
        }
        // The running copy that may get the path has another working folder.
        return QDir::cleanPath(QDir::current().absoluteFilePath(argument));
    }
    return {};
}

} // namespace CommandLine
