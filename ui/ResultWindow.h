#pragma once

#include <QMainWindow>
#include <QScopedPointer>

#include <array>

class ImageList;
class Navigator;

namespace Ui {
class ResultWindow;
}

// The reading on three stacked pages chosen by a tab strip. Created for each reading
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
    // Brings the page of the selected tab to the front.
    void showSelectedPage();
    void openReport();
    // Back to a fresh main window.
    void goBack();

private:
    void showReading();
    // A note on the animal page for a birth before that year's Losar.
    void showLosarNote();
    // The pages of the three tabs, in tab order.
    std::array<QWidget*, 3> pages() const;

    const QScopedPointer<Ui::ResultWindow> m_ui;
    Navigator& m_nav;
    ImageList* const m_sunSignImages;
    ImageList* const m_animalImages;
};
