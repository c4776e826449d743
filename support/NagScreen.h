#pragma once

#include "TellAFriend.h"

#include <QWidget>

class Navigator;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTextEdit;

// frmNagScreen2: the support screen shown when a work window is closed. Always on
// top, it offers links, the refer-a-friend form and the only way out of the program.
class NagScreen : public QWidget
{
    Q_OBJECT
public:
    explicit NagScreen(Navigator& navigator);

    // Paragraph number (0..3) for a random r in [0, 1).
    static int paragraphFor(float r);

    void cmdSubmit_Click();
    void cmdClose_Click();
    TellAFriend::Request storedRequest() const { return m_request; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    QLineEdit* box(QWidget* parent, const char* name, const QString& placeholder, int left, int top);

    Navigator& m_nav;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QTextEdit* txtMessage = nullptr;
    TellAFriend::Request m_request;  // kept from one submission to the next
    bool m_quitting = false;
};
