#pragma once

#include <QString>

#include <future>
#include <thread>

// The per-user settings file: plain keys and values in, scrambled on disk. A store
// that anything but a plain file stands in for, or a file far larger than any the
// program writes, is left alone: reading it gives nothing and writing it does nothing.
class SettingsStore
{
public:
    SettingsStore() = default;
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString read(const QString& key);
    void write(const QString& key, const QString& value);

    // Where the settings of this executable live: per user, named by its base name.
    static QString filePath();

private:
    // Waits until a write in progress has reached the file, or gives it up after a few
    // seconds.
    void finishWrite();

    // Writing the file ends with two flushes to disk (Qt's lock file and the file), so
    // it runs on a thread of its own: the first start's main window does not wait for
    // the disk.
    std::thread m_writer;
    std::future<void> m_written;
};
