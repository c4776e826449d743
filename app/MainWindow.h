#pragma once

#include <QMainWindow>

#include <memory>

struct BirthData;
class LinkLabel;
class Navigator;
namespace Ui {
class MainWindow;
}

// Where the person's details are entered. Created afresh each time it is shown, so it
// always starts from its defaults.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Navigator& navigator);
    ~MainWindow() override;

    // Shows its message and returns false when the entries cannot be used.
    bool validateBirthData();
    // Puts the entries of a reading file into the entry controls.
    void fillFromReadingFile(const BirthData& entries);
    // The reopening after the file dialog, also for a file named at start or handed
    // over by a later start: the same check, entries and Calculate action.
    void openReadingFile(const QString& path);

    LinkLabel* coBrandLabel() const;
    LinkLabel* fullBrandLabel() const;
    // Of the two offers sharing one place, shows this one.
    void showOffer(LinkLabel* offer);

public slots:
    // Stores the checked entries as the birth data and moves on to the result window;
    // the button, the menu item and reopening all come here.
    void calculate();
    // Reads a reading file into the entries and calculates from them.
    void openSavedReading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillLists();

    Navigator& m_nav;
    std::unique_ptr<Ui::MainWindow> m_ui;
};
