#pragma once

#include "platform/Platform.h"

#include <functional>

class QDialog;

// The platform as the windows see it: it passes every request on, and counts the
// dialogs and messages that are open, so that what must not happen behind a modal
// window (opening a handed-over reading file, quitting) can wait until they close.
class DialogCountingPlatform : public Platform
{
public:
    // allClosed runs each time the last open dialog or message has closed.
    DialogCountingPlatform(Platform& inner, std::function<void()> allClosed);

    Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;
    SaveTarget chooseSaveTarget(QWidget* parent, const FileDialog& dialog) override;
    bool openUrl(const QString& address) override { return m_inner.openUrl(address); }
    void clearClipboard() override { m_inner.clearClipboard(); }
    bool printDocument(QTextDocument& document) override { return m_inner.printDocument(document); }
    QDate today() override { return m_inner.today(); }
    float nextRandom() override { return m_inner.nextRandom(); }
    void seedRandom() override { m_inner.seedRandom(); }
    QString readSetting(const QString& key) override { return m_inner.readSetting(key); }
    void writeSetting(const QString& key, const QString& value) override { m_inner.writeSetting(key, value); }
    void exitProcess() override { m_inner.exitProcess(); }

    // A window's own dialog is counted as the platform's are.
    int runDialog(QDialog& dialog) override;
    bool dialogOpen() const override { return m_openDialogs > 0; }

private:
    class Counted;

    Platform& m_inner;
    std::function<void()> m_allClosed;
    int m_openDialogs = 0;
};
