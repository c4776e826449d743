#include "QtPlatform.h"

#include "BuildSettings.h"
#include "PrintModule.h"
#include "ReadingFile.h"
#include "Scramble.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#include <chrono>
#include <cmath>

namespace {

// A file dialog that, like the classic one, refuses a read-only file or folder
// instead of handing it back.
class RefusingFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    bool refuseReadOnly = false;

protected:
    void accept() override
    {
        if (refuseReadOnly) {
            const QStringList chosen = selectedFiles();
            if (!chosen.isEmpty()) {
                QFileInfo file(chosen.first());
                if (!defaultSuffix().isEmpty() && file.suffix().isEmpty() && !file.exists())
                    file.setFile(file.filePath() + u'.' + defaultSuffix());
                const bool readOnlyFile = file.exists() && file.isFile() && ReadingFile::isReadOnly(file.filePath());
                const bool readOnlyFolder = acceptMode() == AcceptSave && !file.exists()
                                            && ReadingFile::isReadOnly(file.absolutePath());
                if (readOnlyFile || readOnlyFolder) {
                    QMessageBox::warning(this, windowTitle(),
                                         QStringLiteral("%1\nThis file is read-only. Please choose another name.")
                                             .arg(file.fileName()));
                    return;
                }
            }
        }
        QFileDialog::accept();
    }
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

Platform::Answer QtPlatform::showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons)
{
    // A lone carriage return separates lines in the program's texts.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromLatin1(BuildSettings::ApplicationTitle), shown,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowRole(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPlatform::chooseFile(QWidget* parent, const FileDialog& settings)
{
    RefusingFileDialog dialog(parent, settings.title);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setWindowRole(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilter(settings.filter);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    dialog.refuseReadOnly = settings.refuseReadOnly;
    if (settings.mode == FileDialog::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.selectFile(QString());  // never proposes the file used last
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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

namespace {

// Beside the program in the build tree, in its library folder once installed.
PrintModule::Function loadPrintModule()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + QLatin1String("/../") + QLatin1String(BuildSettings::PrintModuleDir)}) {
        QLibrary module(dir + QLatin1Char('/') + QLatin1String(PrintModule::FileName));
        if (auto print = reinterpret_cast<PrintModule::Function>(module.resolve(PrintModule::FunctionName)))
            return print;  // the module stays loaded for the rest of the run
    }
    qWarning("printing is not available: %s was not found", PrintModule::FileName);
    return nullptr;
}

} // namespace

bool QtPlatform::printDocument(QTextDocument& document)
{
    static const PrintModule::Function print = loadPrintModule();
    const QString documentName = QString::fromLatin1(BuildSettings::ApplicationTitle);
    return print && print(&document, &documentName);
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
// shown. Anything but a plain file in the store's place (a FIFO, a device, a folder)
// makes the store unreadable, and it is left as it is.
bool settingsStoreUsable()
{
    const QFileInfo store(QtPlatform::settingsFilePath());
    return !store.exists() || store.isFile();
}

} // namespace

QString QtPlatform::readSetting(const QString& key)
{
    if (!settingsStoreUsable())
        return {};
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    return UnscrambleTextFromSettings(settings.value(ScrambleTextForSettings(key)).toString());
}

void QtPlatform::writeSetting(const QString& key, const QString& value)
{
    if (!settingsStoreUsable())
        return;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(ScrambleTextForSettings(key), ScrambleTextForSettings(value));
    settings.endGroup();
    settings.sync();  // an unwritable store is ignored
}

void QtPlatform::exitProcess()
{
    QCoreApplication::exit(0);
}
