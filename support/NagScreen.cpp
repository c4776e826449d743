#include "NagScreen.h"

#include "Blanks.h"
#include "BuildSettings.h"
#include "LinkLabel.h"
#include "Look.h"
#include "Navigator.h"
#include "PictureBox.h"
#include "Platform.h"
#include "PromoTexts.h"
#include "WebAddress.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

using Look::tw;

namespace {
// Not Qt's own "placeholderText": the start texts are ordinary text, not a grey hint.
const char* const PlaceholderProperty = "zarvoStartText";
const QString MessageStart = QStringLiteral("Your Message\r\n");

QString placeholderOf(QObject* box)
{
    return box->property(PlaceholderProperty).toString();
}

// The multi-line box keeps its lines with CR LF, as the request carries them.
QString textOf(QObject* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return static_cast<QTextEdit*>(box)->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void setTextOf(QObject* box, QString text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        static_cast<QTextEdit*>(box)->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
} // namespace

NagScreen::NagScreen(Navigator& navigator)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_nav(navigator)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowRole(QStringLiteral("frmNagScreen2"));  // lets desktop tools tell the windows apart
    setAttribute(Qt::WA_ShowWithoutActivating);
    Look::applyWindowLook(this);
    setFixedSize(tw(11115), tw(4725));

    auto* icon = new PictureBox(QStringLiteral("picNagscreen2Icon"), this);
    icon->setGeometry(tw(360), tw(120), tw(540), tw(540));
    icon->setAccessibleName(QStringLiteral("Zarvo emblem"));
    icon->setPicture(QStringLiteral(":/icon/zarvo.svg"));
    WindowParts::label(this, QStringLiteral("lblNagScreen2Caption"), QString(), 1080, 240, Look::White, 12, true);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setGeometry(tw(120), tw(840), tw(6975), tw(1095));
    Label2->setFont(Look::verdana(9));
    Look::setTextColour(Label2, Look::LightYellow);

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit ") + WebAddress::forumDisplay() + QStringLiteral(" Now"),
                           this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(tw(30), tw(2040), tw(7185), tw(555));
    Check1->setFont(Look::verdana(8.25, true));
    Check1->setCursor(Qt::PointingHandCursor);
    Look::setTextColour(Check1, Look::White);
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) {
        // Works as a link that never stays ticked.
        if (!ticked)
            return;
        Check1->setChecked(false);
        m_nav.openWebPage(QStringLiteral("home-page"));
    });

    auto* cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(tw(6000), tw(2760), tw(1245), tw(375));
    connect(cmdClose, &QPushButton::clicked, this, &NagScreen::cmdClose_Click);

    QGroupBox* frame2 = WindowParts::frame(this, QStringLiteral("Frame2"), QStringLiteral("Refer A Friend"), Look::White);
    frame2->setGeometry(tw(120), tw(3240), tw(7065), tw(1455));
    txtName = box(frame2, "txtName", QStringLiteral("Your Name"), 85, 360);
    txtEmail = box(frame2, "txtEmail", QStringLiteral("Your Email Address"), 3600, 360);
    txtFriendName = box(frame2, "txtFriendName", QStringLiteral("Friend's Name"), 85, 720);
    txtFriendEmail = box(frame2, "txtFriendEmail", QStringLiteral("Friend's Email Address"), 3600, 720);
    auto* cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setGeometry(tw(1920), tw(1080), tw(3375), tw(285));
    connect(cmdSubmit, &QPushButton::clicked, this, &NagScreen::cmdSubmit_Click);
    // Lies below the frame's bottom edge: clipped and never seen, yet it keeps its
    // text and can take the focus through the tab order.
    txtMessage = new QTextEdit(frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAcceptRichText(false);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setGeometry(tw(4800), tw(3600), tw(1815), tw(495));
    txtMessage->setAccessibleName(QStringLiteral("Your Message"));
    setTextOf(txtMessage, MessageStart);
    txtMessage->setProperty(PlaceholderProperty, QStringLiteral("Your Message"));
    txtMessage->installEventFilter(this);
    setTabOrder(txtFriendEmail, txtMessage);
    setTabOrder(txtMessage, cmdSubmit);

    QGroupBox* frame6 = WindowParts::frame(this, QStringLiteral("Frame6"), QStringLiteral("Download Ovanthe Softwares"),
                                           Look::White);
    frame6->setGeometry(tw(7320), tw(120), tw(3735), tw(4575));
    auto* label3 = new QLabel(PromoTexts::text("nag-catalogue"), frame6);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3->setGeometry(tw(120), tw(360), tw(3495), tw(3855));
    label3->setFont(Look::verdana(8.25));
    Look::setTextColour(label3, Look::White);
    auto* goToHome = new LinkLabel(QStringLiteral("lblGoToHome"), frame6);
    goToHome->setText(QStringLiteral("Click Here To Visit Ovanthe Softwares"));
    goToHome->adjustSize();
    goToHome->move(tw(75), tw(4250) - 6);
    Look::setTextColour(goToHome, Look::LightYellow);
    connect(goToHome, &LinkLabel::clicked, this, [this] { m_nav.openWebPage(QStringLiteral("ovanthesoftwares")); });

    Form_Load();
}

QLineEdit* NagScreen::box(QWidget* parent, const char* name, const QString& placeholder, int left, int top)
{
    auto* edit = new QLineEdit(placeholder, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(tw(left), tw(top), tw(3375), tw(285) + 2);
    edit->setProperty(PlaceholderProperty, placeholder);
    edit->setFont(Look::verdana());
    edit->setAccessibleName(placeholder);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    edit->setPalette(palette);
    edit->installEventFilter(this);
    return edit;
}

int NagScreen::paragraphFor(float r)
{
    return qBound(0, int(r * 4), 3);
}

void NagScreen::Form_Load()
{
    const QString caption = QString::fromLatin1(BuildSettings::WindowCaption);
    setWindowTitle(caption);
    findChild<QLabel*>(QStringLiteral("lblNagScreen2Caption"))->setText(caption);
    findChild<QLabel*>(QStringLiteral("lblNagScreen2Caption"))->adjustSize();
    setWindowIcon(Look::applicationIcon());
    m_nav.platform().seedRandom();
    const char* const paragraphs[] = {"nag-0", "nag-1", "nag-2", "nag-3"};
    Label2->setText(PromoTexts::text(paragraphs[paragraphFor(m_nav.platform().nextRandom())]));
}

bool NagScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (TrimBlanks(textOf(watched)) == placeholderOf(watched))
            setTextOf(watched, QString());
    } else if (event->type() == QEvent::FocusOut) {
        if (TrimBlanks(textOf(watched)).isEmpty())
            setTextOf(watched, placeholderOf(watched));
    } else if (event->type() == QEvent::KeyPress && (watched == txtEmail || watched == txtFriendEmail)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QLatin1String(" ")) {
            auto* box = static_cast<QLineEdit*>(watched);
            m_nav.platform().showMessage(this, QStringLiteral("Email Address Cannot Contain Space"),
                                         Platform::Icon::Critical, Platform::Buttons::Ok);
            box->setFocus();
            return true;  // the space is discarded
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NagScreen::cmdSubmit_Click()
{
    if (m_nav.dialogOpen())
        return;
    m_request = {TrimBlanks(txtName->text()), TrimBlanks(txtEmail->text()),
                 TrimBlanks(textOf(txtMessage)), TrimBlanks(txtFriendName->text()),
                 TrimBlanks(txtFriendEmail->text())};
    QString problem = TellAFriend::checkAddresses(m_request);
    if (problem.isEmpty())
        problem = TellAFriend::checkEntries(m_request);  // SendReferral
    if (!problem.isEmpty()) {
        m_nav.platform().showMessage(this, problem, Platform::Icon::Critical, Platform::Buttons::Ok);
        return;
    }
    m_nav.platform().openUrl(TellAFriend::referralAddress(m_request));
}

void NagScreen::cmdClose_Click()
{
    m_nav.quitApplication();
}

void NagScreen::closeEvent(QCloseEvent* event)
{
    // There is no way to close the support screen and keep the program running.
    event->accept();
    if (!m_quitting) {
        m_quitting = true;
        m_nav.quitApplication();
    }
}
