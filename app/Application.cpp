#include "app/Application.h"

#include "platform/LocalFiles.h"
#include "platform/Platform.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"
#include "ui/SupportScreen.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <utility>

Application::Application(Platform& platform)
    : m_platform(platform)
{
}

Application::~Application()
{
    delete m_support;
    delete m_result;
    delete m_main;
}

MainWindow* Application::mainWindow() const
{
    return m_main;
}

ResultWindow* Application::resultWindow() const
{
    return m_result;
}

SupportScreen* Application::supportScreen() const
{
    return m_support;
}

void Application::showMainWindow()
{
    if (m_quitting)
        return;
    auto* window = new MainWindow(platform());
    m_main = window;
    QObject::connect(window, &MainWindow::birthEntered, window, [this, window](const BirthData& birthData) {
        showResultWindow(birthData);
        moveOn(window);
    });
    QObject::connect(window, &MainWindow::closing, window, [this] { workWindowClosing(); });
    window->show();
}

void Application::showResultWindow(const BirthData& birthData)
{
    if (m_quitting)
        return;
    auto* window = new ResultWindow(platform(), birthData, m_lastReading);
    m_result = window;
    m_lastReading = window->reading();
    QObject::connect(window, &ResultWindow::backRequested, window, [this, window] {
        showMainWindow();
        moveOn(window);
    });
    QObject::connect(window, &ResultWindow::closing, window, [this] { workWindowClosing(); });
    window->show();
}

void Application::moveOn(QWidget* from)
{
    m_movingOn = true;
    from->close();
    m_movingOn = false;
    hideSupportScreen();
}

void Application::workWindowClosing()
{
    if (!m_movingOn)
        showSupportScreen();
}

SupportScreen* Application::ensureSupportScreen()
{
    // Created on the first request to show or hide it, then kept for the whole run.
    if (!m_support) {
        m_support = new SupportScreen(platform());
        QObject::connect(m_support, &SupportScreen::quitRequested, m_support, [this] { quitApplication(); });
    }
    return m_support;
}

void Application::showSupportScreen()
{
    if (m_quitting)
        return;
    ensureSupportScreen()->show();
}

void Application::hideSupportScreen()
{
    if (m_quitting)
        return;
    ensureSupportScreen()->hide();
}

void Application::openReadingFile(const QString& path)
{
    if (m_quitting || path.isEmpty())
        return;
    if (m_counting.dialogOpen()) {
        // The newest file wins; the dialog in front is where the user's eyes must go.
        m_pendingReading = path;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->raise();
            modal->activateWindow();
        }
        return;
    }
    if (!m_main || !m_main->isVisible()) {
        // As "Back" does: a fresh main window, without the support screen.
        showMainWindow();
        if (m_result)
            moveOn(m_result);
        else
            hideSupportScreen();
    }
    QPointer<MainWindow> window = m_main;
    if (!window)
        return;
    window->raise();
    window->activateWindow();
    // Unlike a file chosen in the Open dialog, which shows only files that are there,
    // a file named from outside may be missing or unreadable: it is named, with the
    // reason, instead of being read as an empty one.
    const QString problem = MainWindow::isReadingFileName(path) ? LocalFiles::whyNotReadable(path) : QString();
    if (!problem.isEmpty()) {
        platform().showMessage(window, notOpenedMessage(QDir::toNativeSeparators(path), problem),
                               Platform::Icon::Critical, Platform::Buttons::Ok);
        return;
    }
    window->openReadingFile(path);
    QWidget* front = m_result && m_result->isVisible() ? static_cast<QWidget*>(m_result) : m_main.data();
    if (front && front->isVisible()) {
        front->raise();
        front->activateWindow();
    }
}

QString Application::notOpenedMessage(const QString& name, const QString& reason)
{
    return QCoreApplication::translate("Startup", "%1\nThe reading file could not be opened (%2).")
        .arg(LocalFiles::forDisplay(name), reason);
}

void Application::dialogsClosed()
{
    if (m_pendingReading.isEmpty())
        return;
    // Not from inside the dialog's own closing: its window goes away first.
    QTimer::singleShot(0, &m_timerContext, [this] {
        const QString path = std::exchange(m_pendingReading, QString());
        openReadingFile(path);
    });
}

void Application::quitApplication()
{
    if (m_quitting || m_counting.dialogOpen())
        return;
    // While quitting, the closing handlers' requests for the support screen are ignored,
    // so the work windows close without bringing it back.
    m_quitting = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->close();
    }
    // The hidden support screen is loaded too; deletion waits for the handler that
    // called us to return.
    for (QWidget* window : {static_cast<QWidget*>(m_result), static_cast<QWidget*>(m_main),
                            static_cast<QWidget*>(m_support)}) {
        if (window) {
            window->close();
            window->deleteLater();
        }
    }
    m_platform.exitProcess();
}
