#pragma once

#include "engine/BirthData.h"
#include "engine/Reading.h"
#include "platform/DialogCountingPlatform.h"
#include "platform/Platform.h"

#include <QObject>
#include <QPointer>

class MainWindow;
class SupportScreen;
class ResultWindow;
class QWidget;

// Moves the user between the windows: each work window is created afresh when shown,
// with what it shows, and destroyed on close. It keeps no birth of its own: the result
// window holds the one it shows and hands it to the report, and neither "Back" nor the
// support screen needs it. It keeps the last reading, since a reading keeps what the
// one before found where its birth finds nothing.
class Application
{
public:
    explicit Application(Platform& platform);
    ~Application();

    // The platform as the windows see it: its dialogs and messages are counted.
    Platform& platform() { return m_counting; }

    void showMainWindow();
    void showResultWindow(const BirthData& birthData);
    void showSupportScreen();
    void hideSupportScreen();
    // Unloads every window, letting each run its own closing, then ends the process.
    void quitApplication();

    // Opens a reading file named at start or handed over by a later start, through
    // the main window's reopening, and brings the window that results to the front.
    // From the result window or the support screen it first goes back to a fresh main
    // window; while a dialog or message is up it waits until that has closed.
    void openReadingFile(const QString& path);
    // The message for a file named at start or handed over that cannot be opened: its
    // name (a path in the system's own form, or an address) and why, in a few words.
    static QString notOpenedMessage(const QString& name, const QString& reason);

    MainWindow* mainWindow() const;
    ResultWindow* resultWindow() const;
    SupportScreen* supportScreen() const;
    bool quitting() const { return m_quitting; }

private:
    SupportScreen* ensureSupportScreen();
    // Closes the work window the user moves on from; that closing brings no support
    // screen, and one on screen goes away.
    void moveOn(QWidget* from);
    // A work window is closing: when the user closed it, the support screen comes up.
    void workWindowClosing();

    // Opens the reading file that waited for the dialogs to close.
    void dialogsClosed();

    Platform& m_platform;
    DialogCountingPlatform m_counting{m_platform, [this] { dialogsClosed(); }};
    QPointer<MainWindow> m_main;
    QPointer<ResultWindow> m_result;
    QPointer<SupportScreen> m_support;
    Reading m_lastReading;
    bool m_quitting = false;
    bool m_movingOn = false;
    QString m_pendingReading;
    QObject m_timerContext;  // ends the queued opening with the application
};
