#include "platform/QtPlatform.h"

#include "files/ReadingFile.h"
#include "files/Scramble.h"
#include "platform/BuildSettings.h"
#include "platform/Captions.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <future>
#include <cmath>
#include <system_error>

namespace {

// A line with a word too long to wrap, as a path with a long file name is, would stretch
// the box to the screen's width and still be cut off at its edge. Such a line is
// shortened in its middle to the given width; the other lines, the reason among them,
// stay whole.
QString fitLines(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        const bool tooLong = std::any_of(words.cbegin(), words.cend(),
                                         [&](const QString& word) { return metrics.horizontalAdvance(word) > width; });
        if (tooLong)
            line = metrics.elidedText(line, Qt::ElideMiddle, width);
    }
    return lines.join(u'\n');
}

// Shows a message box of the program's, known to tests and desktop tools by its role.
int execMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                   QMessageBox::StandardButtons buttons, QWidget* parent,
                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, title, QString(), buttons, parent);
    // The box wraps its text at half the screen's width, 500 pixels at most, of which its
    // icon and margins take about 100.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int textWidth = screen ? std::min(screen->availableGeometry().width() / 2, 500) - 100 : 400;
    box.setText(fitLines(text, box.fontMetrics(), textWidth));
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowRole(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return box.exec();
}

// A file dialog that hands back only a name the program can use as it is. When
// saving, the name always gets the default suffix (Qt adds it only to names without
// a dot), a name in a folder that does not exist is refused, and so on request is a
// read-only file or folder; the question before replacing a file is about the name
// that is handed back.
class CheckingFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    bool refuseReadOnly = false;
    bool confirmOverwrite = false;

    QString chosenFile() const { return m_chosen.isEmpty() ? selectedFiles().value(0) : m_chosen; }

protected:
    void accept() override
    {
        const QStringList selected = selectedFiles();
        if (selected.isEmpty() || QFileInfo(selected.first()).isDir()) {
            QFileDialog::accept();  // a folder is opened
            return;
        }
        QFileInfo file(selected.first());
        if (acceptMode() == AcceptOpen) {
            if (!refuse(file))
                QFileDialog::accept();
            return;
        }
        if (!defaultSuffix().isEmpty() && !file.fileName().endsWith(u'.' + defaultSuffix()))
            file.setFile(file.filePath() + u'.' + defaultSuffix());
        if (refuse(file) || (file.exists() && confirmOverwrite && !replaceAllowed(file)))
            return;
        m_chosen = file.absoluteFilePath();
        QDialog::accept();  // past Qt's own checks, which look at the name as typed
    }

private:
    // Shows why the file cannot be used, if it cannot.
    bool refuse(const QFileInfo& file)
    {
        QString why;
        const bool saving = acceptMode() == AcceptSave;
        if (saving && !QFileInfo(file.absolutePath()).isDir())
            why = QCoreApplication::translate("QtPlatform", "%1\nThis folder does not exist. Please choose another name.")
                      .arg(QDir::toNativeSeparators(file.absolutePath()));
        else if (refuseReadOnly
                 && ((file.exists() && file.isFile() && ReadingFile::isReadOnly(file.filePath()))
                     || (saving && !file.exists() && ReadingFile::isReadOnly(file.absolutePath()))))
            why = QCoreApplication::translate("QtPlatform", "%1\nThis file is read-only. Please choose another name.").arg(file.fileName());
        if (why.isEmpty())
            return false;
        execMessageBox(QMessageBox::Warning, windowTitle(), why, QMessageBox::Ok, this);
        return true;
    }

    bool replaceAllowed(const QFileInfo& file)
    {
        const QString question = QCoreApplication::translate("QtPlatform", "%1 already exists.\nDo you want to replace it?").arg(file.fileName());
        return execMessageBox(QMessageBox::Warning, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this,
                              QMessageBox::No)
               == QMessageBox::Yes;
    }

    QString m_chosen;
};

QString executableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

QtPlatform::QtPlatform()
{
    seedRandom();
}

QtPlatform::~QtPlatform()
{
    finishSettingsWrite();
}

Platform::Answer QtPlatform::showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons)
{
    // A lone carriage return separates lines in the program's texts.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const int result = execMessageBox(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                                      Captions::applicationTitle(), shown,
                                      buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                                      parent);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPlatform::chooseFile(QWidget* parent, const FileDialog& settings)
{
    CheckingFileDialog dialog(parent, settings.title);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setWindowRole(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilter(settings.filter);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    dialog.refuseReadOnly = settings.refuseReadOnly;
    if (settings.mode == Platform::FileDialog::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.confirmOverwrite = settings.confirmOverwrite;
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.selectFile(QString());  // never proposes the file used last
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
}

void QtPlatform::openUrl(const QString& address)
{
    // QDesktopServices starts the browser detached; its outcome is not looked at.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void QtPlatform::clearClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

bool QtPlatform::printDocument(QTextDocument& document)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return false;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(Captions::applicationTitle());
    printer.setColorMode(QPrinter::Color);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

float QtPlatform::nextRandom()
{
    // generate_canonical may round up to 1.0 in single precision; keep r below 1.
    const float r = std::generate_canonical<float, 24>(m_random);
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

void QtPlatform::seedRandom()
{
    m_random.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

QString QtPlatform::settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Ovanthe Softwares/") + executableBaseName() + QStringLiteral(".ini");
}

namespace {

// QSettings would wait for good on a FIFO that nobody writes, before any window is
// shown, and its writing waits for good for a lock file it cannot take (a folder or a
// FIFO in the place of "<store>.lock"). Anything but a plain file in either place (a
// FIFO, a device, a folder, a link to one) makes the store unusable, and it is left as
// it is.
bool plainFileOrNothing(const QString& path)
{
    const QFileInfo file(path);
    return !file.exists() || file.isFile();
}

bool settingsStoreUsable(const QString& path)
{
    return plainFileOrNothing(path) && plainFileOrNothing(path + QStringLiteral(".lock"));
}

// A settings write that has not ended by then is left to itself: the program must end
// even where the store's lock can never be had.
constexpr auto SettingsWriteWait = std::chrono::seconds(5);

void storeSetting(const QString& path, const QString& scrambledKey, const QString& scrambledValue)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(scrambledKey, scrambledValue);
    settings.endGroup();
    settings.sync();  // an unwritable store is ignored
}

// The write on a thread of its own; done tells when it has ended.
std::thread startSettingsWrite(const QString& path, const QString& key, const QString& value,
                               std::future<void>& done)
{
    std::promise<void> ended;
    done = ended.get_future();
    return std::thread([path, key, value, ended = std::move(ended)]() mutable {
        storeSetting(path, key, value);
        ended.set_value();
    });
}

} // namespace

void QtPlatform::finishSettingsWrite()
{
    if (!m_settingsWriter.joinable())
        return;
    if (m_settingsWritten.wait_for(SettingsWriteWait) == std::future_status::ready)
        m_settingsWriter.join();
    else
        m_settingsWriter.detach();  // stuck on the store's lock; the process may end without it
}

QString QtPlatform::readSetting(const QString& key)
{
    finishSettingsWrite();
    const QString path = settingsFilePath();
    if (!settingsStoreUsable(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    return unscrambleFromSettings(settings.value(scrambleForSettings(key)).toString());
}

void QtPlatform::writeSetting(const QString& key, const QString& value)
{
    finishSettingsWrite();
    const QString path = settingsFilePath();
    if (!settingsStoreUsable(path))
        return;
    const QString scrambledKey = scrambleForSettings(key);
    const QString scrambledValue = scrambleForSettings(value);
    try {
        m_settingsWriter = startSettingsWrite(path, scrambledKey, scrambledValue, m_settingsWritten);
    } catch (const std::system_error&) {
        storeSetting(path, scrambledKey, scrambledValue);  // no thread to be had: written here
    }
}

void QtPlatform::exitProcess()
{
    QCoreApplication::exit(0);
}
