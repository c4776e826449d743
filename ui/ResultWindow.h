#pragma once

#include <QMainWindow>

class GuardedTextEdit;
class ImageList;
class LinkLabel;
class Navigator;
class PictureBox;
class QLabel;
class QPushButton;
class QTabBar;
class QWidget;

// frmTibetanResult: the reading on three stacked pages chosen by a tab strip.
// Created for each reading and destroyed when closed.
class ResultWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ResultWindow(Navigator& navigator);

    // Brings the page of the first selected tab to the front.
    void TS_Click();
    void cmdBack_Click();
    void cmdSave_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls(QWidget* client);
    void Form_Load();
    void showLosarNote();

    Navigator& m_nav;
    ImageList* imgTibetanAnimalSign = nullptr;
    ImageList* imgTibetanSunSign = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* Picture2 = nullptr;
    QWidget* Picture3 = nullptr;
    QTabBar* TS = nullptr;
    PictureBox* picTibetanSunSign = nullptr;
    PictureBox* picTibetanAnimalSign = nullptr;
    QLabel* lblTibetanSunSign = nullptr;
    QLabel* lblTransTibetanName = nullptr;
    QLabel* lblWesternSunSign = nullptr;
    QLabel* lblAnimalSunSign = nullptr;
    QLabel* lblElement = nullptr;
    GuardedTextEdit* txtWesternSunSign = nullptr;
    GuardedTextEdit* txtAnimalSunSign = nullptr;
    GuardedTextEdit* txtElement = nullptr;
    QLabel* m_losarNote = nullptr;
};
