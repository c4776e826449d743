#pragma once

#include "BirthData.h"
#include "Navigator.h"
#include "Reading.h"

#include <QPointer>

class MainWindow;
class NagScreen;
class ResultWindow;

// Owns the one BirthData and one Reading of the run and moves the user between
// windows; each work window is created afresh when shown and destroyed on close.
class Application : public Navigator
{
public:
    explicit Application(Platform& platform);
    ~Application() override;

    Platform& platform() override { return m_platform; }
    BirthData& birthData() override { return m_birthData; }
    Reading& reading() override { return m_reading; }

    void showMainWindow() override;
    void showResultWindow() override;
    void showSupportScreen() override;
    void hideSupportScreen() override;
    void showAbout(QWidget* parent) override;
    void openWebPage(const QString& pageKey) override;
    // Unloads every window, letting each run its own closing, then ends the process.
    void quitApplication() override;

    MainWindow* mainWindow() const;
    ResultWindow* resultWindow() const;
    NagScreen* supportScreen() const;
    bool quitting() const { return m_quitting; }

private:
    NagScreen* ensureSupportScreen();

    Platform& m_platform;
    BirthData m_birthData;
    Reading m_reading;
    QPointer<MainWindow> m_main;
    QPointer<ResultWindow> m_result;
    QPointer<NagScreen> m_support;
    bool m_quitting = false;
};
