#pragma once

#include <QMainWindow>

class LinkLabel;
class Navigator;
class QComboBox;
class QLineEdit;
class QRadioButton;

// frmMain: where the person's details are entered. Created afresh each time it is
// shown, so it always starts from its defaults.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Navigator& navigator);

    // The Calculate action, shared by the button, the menu item and reopening.
    void cmdCalculate_Click();
    // Reopens a reading file and runs the Calculate action with its entries.
    void cmdOpen_Click();
    // The reopening after the file dialog, also for a file named at start or handed
    // over by a later start: the same check, entries and Calculate action.
    void openReadingFile(const QString& path);
    bool ValidateBirthData();
    // Puts the five lines of a reading file into the entry controls.
    void fillFromReadingFile(const QStringList& lines);

    LinkLabel* coBrandLabel() const { return lblCobrand; }
    LinkLabel* fullBrandLabel() const { return lblFullBrand; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void Form_Load();

    Navigator& m_nav;
    QLineEdit* txtName = nullptr;
    QRadioButton* optMale = nullptr;
    QRadioButton* optFemale = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
};
