#pragma once

#include "support/TellAFriend.h"

#include <QHash>
#include <QWidget>

#include <memory>

class Platform;

namespace Ui {
class SupportScreen;
}

// The screen shown when a work window is closed. Always on top, it offers links, the
// refer-a-friend form and the only way out of the program.
class SupportScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SupportScreen(Platform& platform);
    ~SupportScreen() override;

    // Paragraph number (0..3) for a random r in [0, 1).
    static int paragraphFor(float r);
    // The entries as the last submission read them.
    TellAFriend::Request storedRequest() const { return m_request; }

public slots:
    // Checks the entries and hands the recommendation to the maker's site.
    void submit();
    void quitProgram();

signals:
    // The screen's way out of the program: Exit, or closing the screen.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openHomePage(bool ticked);
    void takeKeyboardIfAlone();

    std::unique_ptr<Ui::SupportScreen> m_ui;
    Platform& m_platform;
    QHash<const QObject*, QString> m_placeholders;  // of the five text boxes
    TellAFriend::Request m_request;  // kept from one submission to the next
    bool m_quitting = false;
};
