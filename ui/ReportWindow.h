#pragma once

#include <QDialog>
#include <QScopedPointer>

class GuardedTextEdit;
class Navigator;

namespace Ui {
class ReportWindow;
}

// The composed report with its Save and Print commands. Modal, rebuilt on each opening.
class ReportWindow : public QDialog
{
    Q_OBJECT
public:
    ReportWindow(Navigator& navigator, QWidget* parent);
    ~ReportWindow() override;

    GuardedTextEdit* report() const;

private slots:
    // Writes the reading file of the current birth data where the user chooses.
    void saveReading();
    void printReport();

private:
    void showReport();

    const QScopedPointer<Ui::ReportWindow> m_ui;
    Navigator& m_nav;
};
