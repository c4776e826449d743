#pragma once

#include "platform/Platform.h"

#include <future>
#include <random>
#include <thread>

// The real desktop behind the Platform seam.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;
    void openUrl(const QString& address) override;
    void clearClipboard() override;
    bool printDocument(QTextDocument& document) override;
    QDate today() override;
    float nextRandom() override;
    void seedRandom() override;
    QString readSetting(const QString& key) override;
    void writeSetting(const QString& key, const QString& value) override;
    void exitProcess() override;

    // Where the settings of this executable live: per user, named by its base name.
    static QString settingsFilePath();

private:
    // Waits until a settings write in progress has reached the file, or gives it up
    // after a few seconds.
    void finishSettingsWrite();

    std::mt19937 m_random;
    // Writing the settings file ends with two flushes to disk (Qt's lock file and the file),
    // so it runs on a thread of its own: the first start's main window does not wait for
    // the disk.
    std::thread m_settingsWriter;
    std::future<void> m_settingsWritten;
};
