#pragma once

#include "app/DialogCountingPlatform.h"
#include "engine/BirthData.h"
#include "engine/Reading.h"
#include "platform/Navigator.h"
#include "platform/Platform.h"

#include <QObject>
#include <QPointer>

class MainWindow;
class SupportScreen;
class ResultWindow;

// Owns the one BirthData and one Reading of the run and moves the user between
// windows; each work window is created afresh when shown and destroyed on close.
class Application : public Navigator
{
public:
    explicit Application(Platform& platform);
    ~Application() override;

    // The platform as the windows see it: its dialogs and messages are counted.
    Platform& platform() override { return m_counting; }
    BirthData& birthData() override { return m_birthData; }
    Reading& reading() override { return m_reading; }

    void showMainWindow() override;
    void showResultWindow() override;
    void showSupportScreen() override;
    void hideSupportScreen() override;
    void showAbout(QWidget* parent) override;
    int runDialog(QDialog& dialog) override;
    bool dialogOpen() const override;
    void openWebPage(WebPage page) override;
    // Unloads every window, letting each run its own closing, then ends the process.
    void quitApplication() override;

    // Opens a reading file named at start or handed over by a later start, through
    // the main window's reopening, and brings the window that results to the front.
    // From the result window or the support screen it first goes back to a fresh main
    // window; while a dialog or message is up it waits until that has closed.
    void openReadingFile(const QString& path);

    MainWindow* mainWindow() const;
    ResultWindow* resultWindow() const;
    SupportScreen* supportScreen() const;
    bool quitting() const { return m_quitting; }

private:
    SupportScreen* ensureSupportScreen();

    // Opens the reading file that waited for the dialogs to close.
    void dialogsClosed();

    Platform& m_platform;
    DialogCountingPlatform m_counting{m_platform, [this] { dialogsClosed(); }};
    BirthData m_birthData;
    Reading m_reading;
    QPointer<MainWindow> m_main;
    QPointer<ResultWindow> m_result;
    QPointer<SupportScreen> m_support;
    bool m_quitting = false;
    QString m_pendingReading;
    QObject m_timerContext;  // ends the queued opening with the application
};
