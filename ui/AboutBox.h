#pragma once

#include <QDialog>

#include <memory>

class Platform;
namespace Ui {
class AboutBox;
}

// The about box: modal; OK is both the default and the cancel button.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(Platform& platform, QWidget* parent);
    ~AboutBox() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::AboutBox> m_ui;
};
