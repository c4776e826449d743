#include "robustness/MonkeyPlatform.h"

#include "files/ReadingFile.h"
#include "files/Scramble.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Weighted choice among (weight, value) pairs.
template <typename T>
T weighted(std::mt19937_64& rng, std::initializer_list<std::pair<int, T>> choices)
{
    int total = 0;
    for (const auto& choice : choices)
        total += choice.first;
    int roll = int(rng() % quint64(total));
    for (const auto& choice : choices) {
        if (roll < choice.first)
            return choice.second;
        roll -= choice.first;
    }
    return choices.begin()->second;
}

bool isFifo(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

bool operator==(const BirthData& a, const BirthData& b)
{
    return a.name == b.name && a.sex == b.sex && a.year == b.year && a.month == b.month && a.day == b.day;
}

QString describe(const BirthData& data)
{
    return QStringLiteral("{name \"%1\", sex \"%2\", day %3, month \"%4\", year %5}")
        .arg(data.name, data.sex)
        .arg(data.day)
        .arg(data.month)
        .arg(data.year);
}

MonkeyPlatform::MonkeyPlatform(std::mt19937_64& rng, const QString& folder)
    : m_rng(rng)
    , m_folder(folder)
{
}

int MonkeyPlatform::below(int n)
{
    return n <= 1 ? 0 : int(m_rng() % quint64(n));
}

bool MonkeyPlatform::chance(double p)
{
    return double(m_rng() >> 11) * (1.0 / 9007199254740992.0) < p;
}

Platform::Answer MonkeyPlatform::showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons)
{
    if (buttons == Buttons::YesNo)
        answers.enqueue(chance(0.5) ? Answer::Yes : Answer::No);
    if (log)
        log(QStringLiteral("message \"%1\"").arg(text));
    if (dialogLoop)
        dialogLoop(parent, QStringLiteral("message box \"%1\"").arg(text));
    return FakePlatform::showMessage(parent, text, icon, buttons);
}

float MonkeyPlatform::nextRandom()
{
    // 24 random bits: uniform in [0, 1), never 1.
    return float(double(m_rng() >> 40) / double(1 << 24));
}

bool MonkeyPlatform::openUrl(const QString& address)
{
    if (!address.startsWith(QLatin1String("http")))
        ++badUrls;
    if (openedUrls.size() > 1000)
        openedUrls.clear();
    return FakePlatform::openUrl(address);
}

void MonkeyPlatform::exitProcess()
{
    FakePlatform::exitProcess();  // only counted
    if (exited)
        exited();
}

bool MonkeyPlatform::printDocument(QTextDocument& document)
{
    // The default printer is sometimes missing; the text is not kept.
    if (chance(0.2))
        return false;
    ++printJobs;
    if (document.toPlainText().trimmed().isEmpty())
        ++emptyPrintJobs;
    return true;
}

QString MonkeyPlatform::path(const QString& name) const
{
    return m_folder + QLatin1Char('/') + name;
}

void MonkeyPlatform::writeFile(const QString& name, const QByteArray& content)
{
    const QString target = path(name);
    savedFiles.remove(target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(target);
    QFile file(target);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

BirthData MonkeyPlatform::randomBirthData(bool valid)
{
    static const char* const names[] = {"Anna", "Tenzin Norbu", "Pema", "x", "Dolma  Lhamo", "O'Brien",
                                        "a&b=c", "Zoë", "Łukasz", "李", "Karma 🙂", "&#233;"};
    BirthData data;
    data.name = QString::fromUtf8(names[below(std::size(names))]);
    if (!valid && chance(0.2))
        data.name = chance(0.5) ? QString() : QStringLiteral("   ");
    data.sex = valid || chance(0.5) ? QString::fromLatin1(chance(0.5) ? "Male" : "Female")
                                    : QString::fromLatin1(chance(0.5) ? "male" : "FEMALE");
    data.month = GuiTest::MonthNames.at(below(12));
    if (!valid && chance(0.3))
        data.month = chance(0.5) ? data.month.toLower() : QStringLiteral("Smarch");
    data.day = qint16(valid ? 1 + below(28) : below(40) - 4);
    data.year = qint16(valid ? 1930 + below(101) : 1900 + below(160));
    return data;
}

QString MonkeyPlatform::savedPath()
{
    if (savedFiles.isEmpty())
        return {};
    auto it = savedFiles.constBegin();
    std::advance(it, below(int(savedFiles.size())));
    return it.key();
}

QString MonkeyPlatform::garbageFile()
{
    const QString name = QStringLiteral("garbage-%1.tib").arg(m_garbage++ % 16);
    QByteArray content;
    switch (below(6)) {
    case 0: {  // random bytes
        const int size = chance(0.1) ? 0 : below(2000);
        for (int i = 0; i < size; ++i)
            content += char(m_rng());
        break;
    }
    case 1: {  // random printable lines with any line end
        const int lines = below(9);
        for (int i = 0; i < lines; ++i) {
            const int length = below(40);
            for (int j = 0; j < length; ++j)
                content += char(32 + below(224));
            content += weighted<const char*>(m_rng, {{3, "\r\n"}, {2, "\n"}, {1, "\r"}, {1, ""}});
        }
        break;
    }
    case 2: {  // the five lines, with odd texts
        const BirthData data = randomBirthData(false);
        const QString lines[] = {data.name, data.sex,
                                 weighted<QString>(m_rng, {{3, QString::number(data.day)},
                                                           {1, QStringLiteral("07")},
                                                           {1, QStringLiteral(" 7")},
                                                           {1, QStringLiteral("3.5")}}),
                                 data.month,
                                 weighted<QString>(m_rng, {{3, QString::number(data.year)},
                                                           {1, QStringLiteral("1984abc")},
                                                           {1, QString()}})};
        for (const QString& line : lines)
            content += scrambleText(line) + "\r\n";
        break;
    }
    case 3: {  // a valid reading with a few bytes changed
        content = ReadingFile::contentFor(randomBirthData(true));
        const int changes = 1 + below(4);
        for (int i = 0; i < changes && !content.isEmpty(); ++i)
            content[below(int(content.size()))] = char(m_rng());
        break;
    }
    case 4: {  // a valid reading with other line ends, more lines or no last line end
        content = ReadingFile::contentFor(randomBirthData(true));
        if (chance(0.4))
            content.replace("\r\n", "\n");
        if (chance(0.4))
            content += content;
        if (chance(0.4))
            content.chop(2);
        break;
    }
    default: {  // a very long first line, then a valid reading
        content = QByteArray(5000 + below(5000), char(60 + below(60)));
        content += "\r\n" + ReadingFile::contentFor(randomBirthData(true));
        break;
    }
    }
    writeFile(name, content);
    return path(name);
}

QString MonkeyPlatform::specialFile(FileKind kind)
{
    switch (kind) {
    case FileKind::Huge: {
        const QString target = path(QStringLiteral("huge.tib"));
        if (QFileInfo(target).size() != 3 * 1024 * 1024 || isFifo(target)) {
            QByteArray content(3 * 1024 * 1024, 'x');
            for (char& byte : content)
                byte = char(60 + below(190));
            writeFile(QStringLiteral("huge.tib"), content);
        }
        return target;
    }
    case FileKind::Fifo: {
        const QString target = path(QStringLiteral("pipe.tib"));
        savedFiles.remove(target);
        if (!isFifo(target)) {
            QFile::remove(target);
            ::mkfifo(QFile::encodeName(target).constData(), 0600);
        }
        return target;
    }
    case FileKind::Device: {
        const QString target = path(QStringLiteral("zero.tib"));
        savedFiles.remove(target);
        if (QFileInfo(target).symLinkTarget() != QLatin1String("/dev/zero")) {
            QFile::remove(target);
            QFile::link(QStringLiteral("/dev/zero"), target);
        }
        return target;
    }
    case FileKind::Empty:
        writeFile(QStringLiteral("empty.tib"), {});
        return path(QStringLiteral("empty.tib"));
    case FileKind::Directory: {
        const QString name = chance(0.5) ? QStringLiteral("folder.tib") : QStringLiteral("folder");
        savedFiles.remove(path(name));
        QDir(m_folder).mkpath(name);
        return path(name);
    }
    case FileKind::ReadOnly: {
        // Made once and kept: two saves in one action (a double click) must find the same file.
        const QString target = path(QStringLiteral("readonly.tib"));
        const QFileInfo info(target);
        if (!info.isFile() || (info.permissions() & QFile::WriteOwner)) {  // bits only: root may write anything
            writeFile(QStringLiteral("readonly.tib"), ReadingFile::contentFor(randomBirthData(true)));
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup);
        }
        return target;
    }
    case FileKind::Truncated: {
        const QByteArray full = contentOf(savedPath());
        const QList<QByteArray> lines = full.split('\n');
        QByteArray content;
        const int keep = below(5);
        for (int i = 0; i < keep && i < lines.size(); ++i)
            content += lines.at(i) + '\n';
        const QString name = QStringLiteral("partial-%1.tib").arg(below(8));
        writeFile(name, content);
        return path(name);
    }
    case FileKind::UpperCase:
    case FileKind::NoExtension:
    case FileKind::NoDot: {
        static const char* const upper[] = {"upper.TIB", "x.Tib", "upper2.TIB"};
        static const char* const noExtension[] = {"noext", "reading.ti", "reading.tib.bak", "reading.tib "};
        static const char* const noDot[] = {"nodotxtib", "x.atib", "tib"};
        const char* name = kind == FileKind::UpperCase     ? upper[below(3)]
                           : kind == FileKind::NoExtension ? noExtension[below(4)]
                                                           : noDot[below(3)];
        writeFile(QLatin1String(name), ReadingFile::contentFor(randomBirthData(true)));
        return path(QLatin1String(name));
    }
    case FileKind::Missing: {
        const QString target = path(QStringLiteral("missing-%1.tib").arg(below(1000)));
        savedFiles.remove(target);
        QFile::remove(target);
        return target;
    }
    case FileKind::MissingFolder:
        QDir(path(QStringLiteral("nowhere"))).removeRecursively();
        return path(QStringLiteral("nowhere/reading.tib"));
    default:
        return garbageFile();
    }
}

QString MonkeyPlatform::openAnswer(FileAnswer& answer)
{
    using K = FileKind;
    answer.kind = weighted<K>(m_rng, {{12, K::Cancel},     {24, K::Saved},       {6, K::UpperCase},
                                      {4, K::NoExtension}, {4, K::NoDot},        {5, K::Directory},
                                      {6, K::Missing},     {2, K::MissingFolder}, {18, K::Garbage},
                                      {2, K::Huge},        {3, K::Fifo},         {3, K::Device},
                                      {3, K::Empty},       {5, K::Truncated},    {3, K::ReadOnly}});
    if ((answer.kind == K::Saved || answer.kind == K::Truncated) && savedFiles.isEmpty())
        answer.kind = K::Garbage;
    switch (answer.kind) {
    case K::Cancel:
        return {};
    case K::Saved: {
        const QString saved = savedPath();
        answer.hasExpected = true;
        answer.expected = savedFiles.value(saved);
        return saved;
    }
    case K::Garbage:
        return garbageFile();
    default:
        return specialFile(answer.kind);
    }
}

QString MonkeyPlatform::saveAnswer(FileAnswer& answer)
{
    using K = FileKind;
    answer.kind = weighted<K>(m_rng, {{12, K::Cancel},   {34, K::Fresh},        {10, K::Overwrite},
                                      {5, K::UpperCase}, {4, K::NoExtension},   {2, K::NoDot},
                                      {5, K::Directory}, {4, K::MissingFolder}, {6, K::ReadOnly},
                                      {3, K::Fifo},      {3, K::Device},        {6, K::Garbage},
                                      {3, K::Empty},     {1, K::Huge}});
    if (answer.kind == K::Overwrite && savedFiles.isEmpty())
        answer.kind = K::Fresh;
    switch (answer.kind) {
    case K::Cancel:
        return {};
    case K::Fresh: {
        const QString target = path(QStringLiteral("save-%1.tib").arg(m_fresh++));
        QFile::remove(target);
        return target;
    }
    case K::Overwrite:
        return savedPath();
    case K::Garbage:
        return garbageFile();
    default: {
        const QString target = specialFile(answer.kind);
        if (answer.kind == K::ReadOnly)
            answer.bytesBefore = contentOf(target);
        return target;
    }
    }
}

QString MonkeyPlatform::chooseFile(QWidget* parent, const FileDialog& dialog)
{
    FakePlatform::chooseFile(parent, dialog);  // recorded; its own script is empty
    if (dialogLoop)
        dialogLoop(parent, dialog.mode == FileDialog::Mode::Open ? QStringLiteral("open dialog") : QStringLiteral("save dialog"));
    if (fileDialogs.size() > 1000)
        fileDialogs.clear();
    // The report as a PDF is no reading file: it goes beside them, unchecked.
    if (dialog.defaultSuffix == QLatin1String("pdf"))
        return path(QStringLiteral("report.pdf"));
    FileAnswer answer;
    answer.mode = dialog.mode;
    answer.serial = currentSerial;
    answer.path = dialog.mode == FileDialog::Mode::Open ? openAnswer(answer) : saveAnswer(answer);
    if (log)
        log(QStringLiteral("%1 dialog answered: %2 %3")
                .arg(dialog.mode == FileDialog::Mode::Open ? QStringLiteral("open") : QStringLiteral("save"),
                     kindName(answer.kind), answer.path));
    // Until the save has been checked, nothing is known of the file's content.
    if (answer.mode == FileDialog::Mode::Save)
        savedFiles.remove(answer.path);
    m_answers.append(answer);
    return answer.path;
}

QList<MonkeyPlatform::FileAnswer> MonkeyPlatform::takeAnswers(quint64 serial, bool all)
{
    QList<FileAnswer> taken;
    for (qsizetype i = 0; i < m_answers.size();) {
        if (all || m_answers.at(i).serial == serial)
            taken.append(m_answers.takeAt(i));
        else
            ++i;
    }
    return taken;
}

QString MonkeyPlatform::verifySave(const FileAnswer& answer, const BirthData& current)
{
    using K = FileKind;
    const QString where = QStringLiteral("saving to %1 (%2)").arg(answer.path, kindName(answer.kind));
    const QFileInfo info(answer.path);
    switch (answer.kind) {
    case K::Cancel:
        return {};
    case K::ReadOnly:
        if (contentOf(answer.path) != answer.bytesBefore)
            return where + QStringLiteral(": a read-only file was changed");
        return {};
    case K::Directory:
        return info.isDir() ? QString() : where + QStringLiteral(": the folder is gone");
    case K::MissingFolder:
        return info.exists() || info.dir().exists() ? where + QStringLiteral(": a missing folder was created")
                                                    : QString();
    case K::Fifo:
        return isFifo(answer.path) ? QString() : where + QStringLiteral(": the named pipe was replaced");
    case K::Device:
        return info.symLinkTarget() == QLatin1String("/dev/zero")
                   ? QString()
                   : where + QStringLiteral(": the link to a device was replaced");
    default: {
        // A plain writable file or a new name in the work folder: the reading file of
        // the current birth data must be there, and nothing else.
        const QByteArray expected = ReadingFile::contentFor(current);
        const QByteArray actual = contentOf(answer.path);
        if (actual != expected)
            return where + QStringLiteral(": the file holds %1 bytes instead of the %2 bytes of the reading of %3")
                               .arg(actual.size())
                               .arg(expected.size())
                               .arg(describe(current));
        if (answer.path.endsWith(QLatin1String("tib")))
            savedFiles.insert(answer.path, current);
        return {};
    }
    }
}

QString MonkeyPlatform::kindName(FileKind kind)
{
    switch (kind) {
    case FileKind::Cancel: return QStringLiteral("cancel");
    case FileKind::Fresh: return QStringLiteral("new name");
    case FileKind::Saved: return QStringLiteral("saved reading");
    case FileKind::Overwrite: return QStringLiteral("saved reading, saved over");
    case FileKind::UpperCase: return QStringLiteral("upper-case TIB");
    case FileKind::NoExtension: return QStringLiteral("no tib ending");
    case FileKind::NoDot: return QStringLiteral("tib ending without dot");
    case FileKind::Directory: return QStringLiteral("folder");
    case FileKind::Missing: return QStringLiteral("missing file");
    case FileKind::MissingFolder: return QStringLiteral("missing folder");
    case FileKind::Garbage: return QStringLiteral("random content");
    case FileKind::Huge: return QStringLiteral("huge file");
    case FileKind::Fifo: return QStringLiteral("named pipe");
    case FileKind::Device: return QStringLiteral("device link");
    case FileKind::Empty: return QStringLiteral("empty file");
    case FileKind::Truncated: return QStringLiteral("truncated reading");
    case FileKind::ReadOnly: return QStringLiteral("read-only file");
    }
    return {};
}
