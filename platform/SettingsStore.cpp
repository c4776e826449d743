#include "platform/SettingsStore.h"

#include "files/Scramble.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <chrono>
#include <system_error>

namespace {

QString executableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// The program keeps a few short values; QSettings reads a file whole, and a huge one
// would take the memory to start.
constexpr qint64 LargestStore = 64 * 1024;

// QSettings would wait for good on a FIFO that nobody writes, before any window is
// shown, and its writing waits for good for a lock file it cannot take (a folder or a
// FIFO in the place of "<store>.lock"). Anything but a plain file in either place (a
// FIFO, a device, a folder, a link to one), or a file larger than any the program
// writes, makes the store unusable, and it is left as it is.
bool plainFileOrNothing(const QString& path)
{
    const QFileInfo file(path);
    return !file.exists() || (file.isFile() && file.size() <= LargestStore);
}

bool storeUsable(const QString& path)
{
    return plainFileOrNothing(path) && plainFileOrNothing(path + QStringLiteral(".lock"));
}

// A write that has not ended by then is left to itself: the program must end even
// where the store's lock can never be had.
constexpr auto WriteWait = std::chrono::seconds(5);

void storeSetting(const QString& path, const QString& scrambledKey, const QString& scrambledValue)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(scrambledKey, scrambledValue);
    settings.endGroup();
    settings.sync();  // an unwritable store is ignored
}

// The write on a thread of its own; done tells when it has ended.
std::thread startWrite(const QString& path, const QString& key, const QString& value, std::future<void>& done)
{
    std::promise<void> ended;
    done = ended.get_future();
    return std::thread([path, key, value, ended = std::move(ended)]() mutable {
        storeSetting(path, key, value);
        ended.set_value();
    });
}

} // namespace

SettingsStore::~SettingsStore()
{
    finishWrite();
}

QString SettingsStore::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Ovanthe Softwares/") + executableBaseName() + QStringLiteral(".ini");
}

void SettingsStore::finishWrite()
{
    if (!m_writer.joinable())
        return;
    if (m_written.wait_for(WriteWait) == std::future_status::ready)
        m_writer.join();
    else
        m_writer.detach();  // stuck on the store's lock; the process may end without it
}

QString SettingsStore::read(const QString& key)
{
    finishWrite();
    const QString path = filePath();
    if (!storeUsable(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    return unscrambleFromSettings(settings.value(scrambleForSettings(key)).toString());
}

void SettingsStore::write(const QString& key, const QString& value)
{
    finishWrite();
    const QString path = filePath();
    if (!storeUsable(path))
        return;
    const QString scrambledKey = scrambleForSettings(key);
    const QString scrambledValue = scrambleForSettings(value);
    try {
        m_writer = startWrite(path, scrambledKey, scrambledValue, m_written);
    } catch (const std::system_error&) {
        storeSetting(path, scrambledKey, scrambledValue);  // no thread to be had: written here
    }
}
