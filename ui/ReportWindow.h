#pragma once

#include <QDialog>

class GuardedTextEdit;
class Navigator;

// frmSave: the composed report with its Save and Print commands. Modal, rebuilt on
// each opening.
class ReportWindow : public QDialog
{
    Q_OBJECT
public:
    ReportWindow(Navigator& navigator, QWidget* parent);

    void cmdSave_Click();
    void cmdPrint_Click();
    GuardedTextEdit* report() const { return RTB; }

private:
    void Form_Load();

    Navigator& m_nav;
    GuardedTextEdit* RTB = nullptr;
};
