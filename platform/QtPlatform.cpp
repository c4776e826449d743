#include "platform/QtPlatform.h"

#include "site/Captions.h"
#include "platform/CheckingFileDialog.h"
#include "platform/DefaultPrinter.h"
#include "platform/MessageBox.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>

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

QString QtPlatform::startFolder() const
{
    // Never the working folder, which from the Start menu is the program's own: there
    // readings would be saved among its files. The user's documents until the user has
    // chosen a file in this run, then that file's folder.
    if (!m_fileFolder.isEmpty() && QFileInfo(m_fileFolder).isDir())
        return m_fileFolder;
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
    return QDir::homePath();
#endif
}

QString QtPlatform::chooseFile(QWidget* parent, const FileDialog& dialog)
{
    const QString chosen = CheckingFileDialog::choose(parent, dialog, startFolder());
    if (!chosen.isEmpty())
        m_fileFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

SaveTarget QtPlatform::chooseSaveTarget(QWidget* parent, const FileDialog& dialog)
{
    SaveTarget target = CheckingFileDialog::chooseTarget(parent, dialog, startFolder());
    if (!target.isNull())
        m_fileFolder = QFileInfo(target.path()).absolutePath();
    return target;
}

bool QtPlatform::openUrl(const QString& address)
{
    // QDesktopServices starts the browser detached: false only when it could not be
    // started at all (none there, or an address over the system's length limit).
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
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
    return printOnDefaultPrinter(document);
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

float QtPlatform::nextRandom()
{
    return m_random.next();
}

void QtPlatform::seedRandom()
{
    m_random.seed();
}

QString QtPlatform::settingsFilePath()
{
    return SettingsStore::filePath();
}

QString QtPlatform::readSetting(const QString& key)
{
    return m_settings.read(key);
}

void QtPlatform::writeSetting(const QString& key, const QString& value)
{
    m_settings.write(key, value);
}

void QtPlatform::exitProcess()
{
    QCoreApplication::exit(0);
}
