#pragma once

#include "engine/BirthData.h"
#include "engine/Reading.h"

#include <QDialog>
#include <QScopedPointer>

#include <functional>

class GuardedTextEdit;
class Platform;

namespace Ui {
class ReportWindow;
}

// The composed report of one reading with its Save and Print commands. Modal, rebuilt
// on each opening.
class ReportWindow : public QDialog
{
    Q_OBJECT
public:
    ReportWindow(Platform& platform, const BirthData& birthData, const Reading& reading, QWidget* parent);
    ~ReportWindow() override;

    GuardedTextEdit* report() const;

private slots:
    // Writes the reading file of the birth data where the user chooses.
    void saveReading();
    void printReport();
    // The report as a PDF file where the user chooses: how it leaves the program
    // without a printer.
    void saveReportAsPdf();

private:
    void showReport();
    // Asks for a file of the given type and writes content() into it; failure names the
    // path (%1) and the reason (%2).
    void saveAs(const QString& filter, const QString& suffix, const QString& failure,
                const std::function<QByteArray()>& content, qsizetype largestReplacedInPlace);

    const QScopedPointer<Ui::ReportWindow> m_ui;
    Platform& m_platform;
    const BirthData m_birthData;
    const Reading m_reading;
};
