#pragma once

#include <QMainWindow>
#include <QScopedPointer>


class ImageList;
class Navigator;

namespace Ui {
class ResultWindow;
}

// The reading on three tabbed pages. Created for each reading
// and destroyed when closed.
class ResultWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ResultWindow(Navigator& navigator);
    ~ResultWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void openReport();
    // Back to a fresh main window.
    void goBack();

private:
    void showReading();
    // A note on the animal page for a birth before that year's Losar.
    void showLosarNote();

    const QScopedPointer<Ui::ResultWindow> m_ui;
    Navigator& m_nav;
    ImageList* const m_sunSignImages;
    ImageList* const m_animalImages;
};
