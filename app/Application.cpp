#include "app/Application.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "platform/Platform.h"
#include "platform/WebAddress.h"
#include "support/SupportScreen.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QDialog>
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
    m_main = new MainWindow(*this);
    m_main->show();
}

void Application::showResultWindow()
{
    if (m_quitting)
        return;
    m_result = new ResultWindow(*this);
    m_result->show();
}

SupportScreen* Application::ensureSupportScreen()
{
    // Created on the first request to show or hide it, then kept for the whole run.
    if (!m_support)
        m_support = new SupportScreen(*this);
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

void Application::showAbout(QWidget* parent)
{
    AboutBox about(*this, parent);
    runDialog(about);
}

int Application::runDialog(QDialog& dialog)
{
    return m_counting.runDialog(dialog);
}

bool Application::dialogOpen() const
{
    return m_counting.dialogOpen();
}

void Application::openReadingFile(const QString& path)
{
    if (m_quitting || path.isEmpty())
        return;
    if (dialogOpen()) {
        // The newest file wins; the dialog in front is where the user's eyes must go.
        m_pendingReading = path;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->raise();
            modal->activateWindow();
        }
        return;
    }
    if (!m_main || !m_main->isVisible()) {
        // As "Back" does: a fresh main window, without the support screen that the
        // closing result window asks for.
        showMainWindow();
        if (m_result)
            m_result->close();
        hideSupportScreen();
    }
    QPointer<MainWindow> window = m_main;
    if (!window)
        return;
    window->raise();
    window->activateWindow();
    window->openReadingFile(path);
    QWidget* front = m_result && m_result->isVisible() ? static_cast<QWidget*>(m_result) : m_main.data();
    if (front && front->isVisible()) {
        front->raise();
        front->activateWindow();
    }
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

void Application::openWebPage(WebPage page)
{
    m_platform.openUrl(WebAddress::forPage(page));
}

void Application::quitApplication()
{
    if (m_quitting || dialogOpen())
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
