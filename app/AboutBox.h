#pragma once

#include <QDialog>

class Navigator;

// frmAbout: modal; OK is both the default and the cancel button.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(Navigator& navigator, QWidget* parent);
};
