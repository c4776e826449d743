#include "ui/AboutBox.h"
#include "ui_AboutBox.h"

#include "data/PromoTexts.h"
#include "site/Captions.h"
#include "ui/WindowParts.h"
#include "widgets/Look.h"

#include <QKeyEvent>

AboutBox::AboutBox(Platform& platform, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AboutBox>())
{
    WindowParts::setUpForm(*m_ui, this);
    m_ui->iconPicture->setPicture(QStringLiteral(":/icon/zarvo.svg"));
    m_ui->captionLabel->setText(Captions::windowCaption());
    m_ui->descriptionLabel->setText(PromoTexts::text("about-description"));
    m_ui->businessLabel->setText(PromoTexts::text("about-business"));
    m_ui->homePageLink->setText(PromoTexts::text("about-homepage"));

    connect(m_ui->homePageLink, &LinkLabel::clicked, this,
            [&platform] { WindowParts::openPage(platform, WebPage::Home); });
    connect(m_ui->fullBrandOfferLink, &LinkLabel::clicked, this,
            [&platform] { WindowParts::openPage(platform, WebPage::FullyBranded); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);  // Esc rejects, which closes as well
    // Enter means OK wherever the focus is: the box opens with it on OK, and a link
    // that the user has tabbed to opens its page with Space instead.
    m_ui->okButton->setFocus();
    for (LinkLabel* link : {m_ui->homePageLink, m_ui->fullBrandOfferLink})
        link->installEventFilter(this);
    setFixedSize(sizeHint());
}

AboutBox::~AboutBox() = default;

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ui->okButton->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
