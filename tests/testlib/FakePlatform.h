#pragma once

#include "platform/Platform.h"

#include <QHash>

#include <functional>
#include <QList>
#include <QQueue>
#include <QStringList>

// Records what the program asks of the desktop and answers from a script, so that
// no test ever waits on a real dialog.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;
    bool openUrl(const QString& address) override
    {
        openedUrls << address;
        return browserStarts;
    }
    void clearClipboard() override { ++clipboardClears; }
    bool printDocument(QTextDocument& document) override;
    QDate today() override { return todayDate; }
    float nextRandom() override { return randoms.isEmpty() ? 0.0f : randoms.dequeue(); }
    void seedRandom() override { ++seeds; }
    QString readSetting(const QString& key) override { return settings.value(key); }
    void writeSetting(const QString& key, const QString& value) override
    {
        settings.insert(key, value);
        ++settingWrites;
    }
    void exitProcess() override { ++exits; }

    // Runs while a message or file dialog is "up", as a late click would.
    std::function<void()> duringDialog;

    QList<Message> messages;
    QQueue<Answer> answers;           // for Yes/No questions; Ok otherwise
    QQueue<QString> fileAnswers;      // chosen paths; empty = cancel
    QList<FileDialog> fileDialogs;
    QStringList openedUrls;
    bool browserStarts = true;
    int clipboardClears = 0;
    QStringList printedTexts;
    bool hasPrinter = true;
    QDate todayDate{2026, 12, 7};
    QQueue<float> randoms;
    int seeds = 0;
    QHash<QString, QString> settings;
    int settingWrites = 0;
    int exits = 0;

    QStringList messageTexts() const;
};
