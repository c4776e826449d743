#pragma once

#include "engine/BirthData.h"
#include "engine/Reading.h"

#include <QMainWindow>
#include <QScopedPointer>

class ImageList;
class Platform;

namespace Ui {
class ResultWindow;
}

// The reading of one birth on three tabbed pages. Created for each reading and
// destroyed when closed.
class ResultWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The reading keeps the fields of the earlier one where this birth finds nothing.
    ResultWindow(Platform& platform, const BirthData& birthData, const Reading& earlier = {});
    ~ResultWindow() override;

    // The birth this window reads, as it was handed over.
    const BirthData& birthData() const { return m_birthData; }
    const Reading& reading() const { return m_reading; }

signals:
    // "Back": a fresh main window is wanted in this one's place.
    void backRequested();
    // The window is closing; the user closed it unless the application is moving on.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void openReport();
    void goBack();

private:
    void showReading();
    // A note on the animal page for a birth before that year's Losar.
    void showLosarNote();

    const QScopedPointer<Ui::ResultWindow> m_ui;
    Platform& m_platform;
    const BirthData m_birthData;
    const Reading m_reading;
    ImageList* const m_sunSignImages;
    ImageList* const m_animalImages;
};
