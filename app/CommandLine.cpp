#include "app/CommandLine.h"

#include "platform/LocalFiles.h"
#include "site/BuildSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <cstring>
#include <optional>

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

const QLatin1String FileScheme("file:");

// The running copy that may get the path has another working folder, so the path is
// made absolute. ".." stays for the system to follow: after a link to a folder it leads
// to that folder's parent, which no clean-up of the text can know.
QString absolute(const QString& name)
{
    // absoluteFilePath() only joins the two.
    return QDir(LocalFiles::currentFolder()).absoluteFilePath(QDir::fromNativeSeparators(name));
}

// The path that a file: URL names on this machine, decoded to the bytes of the name
// (empty when it has none); nothing for a URL of another machine. Decoded here rather
// than by QUrl, which turns bytes that are no UTF-8 into replacement characters.
std::optional<QString> fileUrlPath(const QString& url)
{
    QString rest = url.mid(FileScheme.size());
    // A '?' or '#' in a name is encoded; unencoded, it begins a query or a fragment.
    static const QRegularExpression queryOrFragment(QStringLiteral("[?#]"));
    if (const qsizetype end = rest.indexOf(queryOrFragment); end >= 0)
        rest.truncate(end);
    if (rest.startsWith(QLatin1String("//"))) {
        const qsizetype end = rest.indexOf(u'/', 2);
        const QString host = rest.mid(2, end < 0 ? -1 : end - 2);
        // "localhost" names this machine, as no host does; host names ignore case.
        if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
            return std::nullopt;
        rest = end < 0 ? QString() : rest.mid(end);
    }
    QString path = LocalFiles::fromBytes(QByteArray::fromPercentEncoding(LocalFiles::toBytes(rest)));
#ifdef Q_OS_WIN
    // "/C:/folder/a.tib"
    if (path.size() >= 3 && path.at(0) == u'/' && path.at(1).isLetter() && path.at(2) == u':')
        path.remove(0, 1);
#endif
    return path;
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
    request.readingFile = absolute(p.parser.value(p.report));
    if (p.parser.isSet(p.pdf))
        request.pdfFile = absolute(p.parser.value(p.pdf));
    return request;
}

ReadingArgument readingFile(const QStringList& arguments)
{
    Parser p;
    p.parse(arguments);
    ReadingArgument found;
    for (const QString& argument : p.parser.positionalArguments()) {
        if (argument.isEmpty() || argument == QLatin1String("-"))
            continue;
        // File managers may pass file: URLs; any other address names no file here. A
        // colon alone does not make a URL: "notes:1984.tib" is a file name.
        static const QRegularExpression urlStart(QStringLiteral("^(file:|[A-Za-z][A-Za-z0-9+.-]*://)"));
        if (!urlStart.match(argument).hasMatch())
            return {absolute(argument), {}};
        if (argument.startsWith(FileScheme)) {
            const std::optional<QString> path = fileUrlPath(argument);
            if (path && !path->isEmpty())
                return {absolute(*path), {}};
            // "file:" without a path names no file at all, not the working folder.
            if (path)
                continue;
        }
        if (found.foreignAddress.isEmpty())
            found.foreignAddress = argument;
    }
    return found;
}

} // namespace CommandLine
