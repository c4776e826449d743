#include "AboutBox.h"

#include "BuildSettings.h"
#include "LinkLabel.h"
#include "Look.h"
#include "Navigator.h"
#include "PictureBox.h"
#include "PromoTexts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(Navigator& navigator, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowRole(QStringLiteral("frmAbout"));  // lets desktop tools tell the windows apart
    setWindowTitle(QString::fromLatin1(BuildSettings::WindowCaption));
    setModal(true);
    Look::applyWindowLook(this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);

    auto* picIcon = new PictureBox(QStringLiteral("picIcon"), this);
    picIcon->setFixedSize(64, 64);
    picIcon->setAccessibleName(QStringLiteral("Zarvo emblem"));
    picIcon->setPicture(QStringLiteral(":/icon/zarvo.svg"));
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);

    auto* label2 = new QLabel(QString::fromLatin1(BuildSettings::WindowCaption), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(Look::verdana(12, true));
    Look::setTextColour(label2, Look::LightYellow);
    grid->addWidget(label2, 0, 1);

    auto* label1 = new QLabel(PromoTexts::text("about-description"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setMinimumWidth(360);
    grid->addWidget(label1, 1, 1);

    auto* lblHomePage = new LinkLabel(QStringLiteral("lblHomePage"), this);
    lblHomePage->setText(PromoTexts::text("about-homepage"));
    Look::setTextColour(lblHomePage, Look::LightYellow);
    connect(lblHomePage, &LinkLabel::clicked, this, [&navigator] { navigator.openWebPage(QStringLiteral("home-page")); });
    grid->addWidget(lblHomePage, 2, 1);

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Plain);
    Look::setTextColour(line1, QColor(230, 193, 106));
    grid->addWidget(line1, 3, 0, 1, 2);

    auto* label3 = new QLabel(PromoTexts::text("about-business"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    grid->addWidget(label3, 4, 1);
    // Sits under the business offer and leads to the fully branded copy.
    auto* lblCoBrand = new LinkLabel(QStringLiteral("lblCoBrand"), this);
    lblCoBrand->setText(QStringLiteral("Click here for more details."));
    Look::setTextColour(lblCoBrand, Look::LightYellow);
    connect(lblCoBrand, &LinkLabel::clicked, this,
            [&navigator] { navigator.openWebPage(QStringLiteral("fully-branded")); });
    grid->addWidget(lblCoBrand, 5, 1);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);   // Enter
    cmdOK->setMinimumWidth(90);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);  // Esc rejects, which closes as well
    grid->addWidget(cmdOK, 6, 1, Qt::AlignRight);
    setFixedSize(sizeHint());
}
