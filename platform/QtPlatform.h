#pragma once

#include "platform/Platform.h"
#include "platform/RandomNumbers.h"
#include "platform/SettingsStore.h"

// The real desktop behind the Platform seam.
class QtPlatform : public Platform
{
public:
    Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;
    SaveTarget chooseSaveTarget(QWidget* parent, const FileDialog& dialog) override;
    bool openUrl(const QString& address) override;
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
    QString startFolder() const;

    RandomNumbers m_random;
    QString m_fileFolder;  // where the last file chosen in a file dialog lies
    SettingsStore m_settings;
};
