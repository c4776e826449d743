#include "ui/SupportScreen.h"
#include "ui_SupportScreen.h"

#include "data/PromoTexts.h"
#include "text/Blanks.h"
#include "platform/Platform.h"
#include "site/Captions.h"
#include "site/WebAddress.h"
#include "ui/WindowParts.h"
#include "widgets/AccessibleWindow.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {

// The multi-line box keeps its lines with CR LF, as the request carries them.
QString textOf(const QObject* box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return static_cast<const QTextEdit*>(box)->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void setTextOf(QObject* box, QString text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        static_cast<QTextEdit*>(box)->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace

SupportScreen::SupportScreen(Platform& platform)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::SupportScreen>())
    , m_platform(platform)
{
    // A plain widget is a window to screen readers only through this factory.
    AccessibleWindow::install();
    WindowParts::setUpForm(*m_ui, this);
    // Shown while the user moves between the work windows, it must not take the
    // keyboard from them; see takeKeyboardIfAlone().
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_ui->captionLabel->setText(windowTitle());
    setWindowIcon(Look::applicationIcon());
    m_ui->iconPicture->setPicture(QStringLiteral(":/icon/zarvo.svg"));
    // A new paragraph for every run, kept while the screen lives.
    m_platform.seedRandom();
    const char* const paragraphs[] = {"nag-0", "nag-1", "nag-2", "nag-3"};
    m_ui->paragraphLabel->setText(PromoTexts::text(paragraphs[paragraphFor(m_platform.nextRandom())]));
    m_ui->catalogueLabel->setText(PromoTexts::text("nag-catalogue"));
    m_ui->visitCheckBox->setText(m_ui->visitCheckBox->text().arg(WebAddress::forumDisplay()));

    connect(m_ui->visitCheckBox, &QCheckBox::toggled, this, &SupportScreen::openHomePage);
    connect(m_ui->homePageLink, &LinkLabel::clicked, this,
            [this] { WindowParts::openPage(m_platform, WebPage::Catalogue); });
    connect(m_ui->referButton, &QPushButton::clicked, this, &SupportScreen::submit);
    connect(m_ui->exitButton, &QPushButton::clicked, this, &SupportScreen::quitProgram);

    // The message box has no size: never seen, yet it keeps its text and the tab order
    // reaches it.
    // A box's placeholder is the text the form gives it: an ordinary text that the
    // focus clears and brings back, not a grey hint.
    for (QObject* box : std::initializer_list<QObject*>{m_ui->nameEdit, m_ui->emailEdit, m_ui->friendNameEdit,
                                                        m_ui->friendEmailEdit, m_ui->messageText}) {
        m_placeholders.insert(box, textOf(box));
        box->installEventFilter(this);
    }
    // The message starts with a line break after its placeholder, so that an untouched
    // message counts as written.
    setTextOf(m_ui->messageText, m_placeholders.value(m_ui->messageText) + QStringLiteral("\r\n"));
}

SupportScreen::~SupportScreen() = default;

int SupportScreen::paragraphFor(float r)
{
    return qBound(0, int(r * 4), 3);
}

void SupportScreen::openHomePage(bool ticked)
{
    // The box works as a link that never stays ticked.
    if (!ticked)
        return;
    m_ui->visitCheckBox->setChecked(false);
    WindowParts::openPage(m_platform, WebPage::Home);
}

bool SupportScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (trimBlanks(textOf(watched)) == m_placeholders.value(watched))
            setTextOf(watched, QString());
    } else if (event->type() == QEvent::FocusOut) {
        if (trimBlanks(textOf(watched)).isEmpty())
            setTextOf(watched, m_placeholders.value(watched));
    } else if (event->type() == QEvent::KeyPress
               && (watched == m_ui->emailEdit || watched == m_ui->friendEmailEdit)) {
        if (static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            m_platform.showMessage(this, tr("Email Address Cannot Contain Space"), Platform::Icon::Critical,
                                         Platform::Buttons::Ok);
            static_cast<QWidget*>(watched)->setFocus();
            return true;  // the space is discarded
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SupportScreen::submit()
{
    if (m_platform.dialogOpen())
        return;
    auto entries = [this](auto valueOf) -> TellAFriend::Request {
        return {valueOf(m_ui->nameEdit), valueOf(m_ui->emailEdit), valueOf(m_ui->messageText),
                valueOf(m_ui->friendNameEdit), valueOf(m_ui->friendEmailEdit)};
    };
    m_request = entries([](const QObject* box) { return trimBlanks(textOf(box)); });
    QString problem = TellAFriend::checkAddresses(m_request);
    if (problem.isEmpty())
        problem = TellAFriend::checkEntries(m_request,
                                            entries([this](const QObject* box) { return m_placeholders.value(box); }));
    if (!problem.isEmpty()) {
        m_platform.showMessage(this, problem, Platform::Icon::Critical, Platform::Buttons::Ok);
        return;
    }
    m_platform.openUrlOrSay(this, TellAFriend::referralAddress(m_request));
}

void SupportScreen::quitProgram()
{
    emit quitRequested();
}

void SupportScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The screen is shown from a work window's closing, while that window is still on
    // screen; whether the screen is left alone is known once the closing is over.
    QMetaObject::invokeMethod(this, &SupportScreen::takeKeyboardIfAlone, Qt::QueuedConnection);
}

void SupportScreen::takeKeyboardIfAlone()
{
    // As the program's only window the screen takes the keyboard itself: no window of
    // the program is left to hand it on, and without it even Alt+X would reach nothing.
    // Activation gives the focus to the first control in the tab order.
    if (!isVisible())
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool alone = std::none_of(windows.begin(), windows.end(), [this](const QWidget* window) {
        return window != this && window->isVisible()
               && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
    });
    if (alone)
        activateWindow();
}

void SupportScreen::closeEvent(QCloseEvent* event)
{
    // There is no way to close the support screen and keep the program running.
    event->accept();
    if (!m_quitting) {
        m_quitting = true;
        emit quitRequested();
    }
}
