#pragma once

#include "engine/BirthCheck.h"
#include "engine/BirthData.h"

#include <QMainWindow>

#include <memory>

class LinkLabel;
class Platform;
namespace Ui {
class MainWindow;
}

// Where the person's details are entered. Created afresh each time it is shown, so it
// always starts from its defaults.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform);
    ~MainWindow() override;

    // The entries as they stand, the name without its outer blanks; the sex is empty
    // while neither button is chosen.
    BirthData entries() const;
    // Puts entries into the controls; a day, month or year that its list does not
    // offer leaves that list's selection as it is.
    void showEntries(const BirthData& entries);
    // The reopening after the file dialog, also for a file named at start or handed
    // over by a later start: the file's entries, then the same check and Calculate action.
    void openReadingFile(const QString& path);

    // Only a name that ends in the reading file's extension is opened.
    static bool isReadingFileName(const QString& path);
    // The message for a problem of the entries, and whether it is an error or a hint;
    // empty for none.
    static QString problemMessage(BirthCheck::Problem problem, bool* critical = nullptr);
    static QString fileRefusal();

    LinkLabel* coBrandLabel() const;
    LinkLabel* fullBrandLabel() const;
    // Of the two offers sharing one place, shows this one.
    void showOffer(LinkLabel* offer);

public slots:
    // Checks the entries and hands them on as the birth to be read; the button, the
    // menu item and reopening all come here.
    void calculate();
    // Reads a reading file into the entries and calculates from them.
    void openSavedReading();

signals:
    // Checked entries: the window's work is done.
    void birthEntered(const BirthData& birthData);
    // The window is closing; the user closed it unless the application is moving on.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillLists();
    // Shows the message for the first problem of the entries; false when there is one.
    bool checkEntries(const BirthData& entries);

    Platform& m_platform;
    std::unique_ptr<Ui::MainWindow> m_ui;
};
