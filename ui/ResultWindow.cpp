#include "ResultWindow.h"

#include "BuildSettings.h"
#include "ComputeReading.h"
#include "GuardedTextEdit.h"
#include "LinkLabel.h"
#include "Look.h"
#include "Losar.h"
#include "Navigator.h"
#include "PictureBox.h"
#include "Platform.h"
#include "PromoTexts.h"
#include "ReportWindow.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

using Look::tw;
using namespace WindowParts;

namespace {

// A page panel of the tab strip; all three share one rectangle.
QWidget* page(QWidget* parent, const QString& name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(0, tw(900), tw(7800), tw(3050));
    Look::setBackground(panel, Look::Background);
    return panel;
}

// The frame, caption label and read-only text box on the right part of a page.
GuardedTextEdit* textFrame(QWidget* pagePanel, Navigator& nav, const QString& frameName, const QString& caption,
                           const QString& labelName, const QString& placeholder, const QString& boxName,
                           const QColor& colour, QLabel*& label)
{
    QGroupBox* box = frame(pagePanel, frameName, caption, Look::Cyan);
    box->setGeometry(tw(3050), tw(75), tw(4700), tw(2900));
    label = WindowParts::label(box, labelName, placeholder, 120, 215, colour, 9, true);
    label->setFixedWidth(tw(4500));
    auto* text = new GuardedTextEdit(boxName, [&nav] { nav.platform().clearClipboard(); }, box);
    text->setGeometry(tw(120), tw(480), tw(4500), tw(2295));
    text->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    text->setFont(Look::verdana());
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, Look::Background);
    palette.setColor(QPalette::Text, colour);
    text->setPalette(palette);
    text->setFrameShape(QFrame::StyledPanel);
    text->setAccessibleName(caption);
    return text;
}

} // namespace

ResultWindow::ResultWindow(Navigator& navigator)
    : m_nav(navigator)
{
    setObjectName(QStringLiteral("frmTibetanResult"));
    setWindowRole(QStringLiteral("frmTibetanResult"));  // lets desktop tools tell the windows apart
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(BuildSettings::WindowCaption));
    Look::applyWindowLook(this);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(tw(7800), tw(4905));
    Look::applyWindowLook(client);
    setCentralWidget(client);
    buildMenus();
    buildControls(client);
    Form_Load();
    setFixedSize(sizeHint());
}

void ResultWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    Look::applyStandardLook(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("mnuBack"));
    connect(back, &QAction::triggered, this, &ResultWindow::cmdBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    addSharedMenus(bar, m_nav, this, "mnuSep3");
}

void ResultWindow::buildControls(QWidget* client)
{
    // Creation order decides the stacking: later controls lie on top.
    imgTibetanAnimalSign = new ImageList(QStringLiteral("imgTibetanAnimalSign"), QStringLiteral("animal"),
                                         {QStringLiteral("rat.jpg"), QStringLiteral("ox.jpg"),
                                          QStringLiteral("tiger.jpg"), QStringLiteral("hare.jpg"),
                                          QStringLiteral("dragon.jpg"), QStringLiteral("snake.jpg"),
                                          QStringLiteral("horse.jpg"), QStringLiteral("sheep.jpg"),
                                          QStringLiteral("monkey.jpg"), QStringLiteral("rooster.jpg"),
                                          QStringLiteral("dog.jpg"), QStringLiteral("boar.jpg")},
                                         this);
    imgTibetanSunSign = new ImageList(
        QStringLiteral("imgTibetanSunSign"), QStringLiteral("western"),
        {QStringLiteral("aries"), QStringLiteral("taurus"), QStringLiteral("gemini"), QStringLiteral("cancer"),
         QStringLiteral("leo"), QStringLiteral("virgo"), QStringLiteral("libra"), QStringLiteral("scorpio"),
         QStringLiteral("sagittarius"), QStringLiteral("capricorn"), QStringLiteral("aquarius"),
         QStringLiteral("pisces")},
        this);

    auto* frame5 = new QGroupBox(client);
    frame5->setObjectName(QStringLiteral("Frame5"));
    frame5->setAccessibleName(QStringLiteral("Offers"));
    frame5->setGeometry(tw(-60), tw(3950), tw(10000), tw(1125));
    auto* cmdSave = new QPushButton(QStringLiteral("Save"), frame5);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(tw(5985), tw(210), tw(855), tw(375));
    connect(cmdSave, &QPushButton::clicked, this, &ResultWindow::cmdSave_Click);
    auto* cmdBack = new QPushButton(QStringLiteral("Back"), frame5);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setGeometry(tw(6915), tw(210), tw(855), tw(375));
    connect(cmdBack, &QPushButton::clicked, this, &ResultWindow::cmdBack_Click);
    const struct
    {
        const char* name;
        PromoTexts::Link promo;
    } promos[] = {{"lblFullBrand", PromoTexts::FullBrand}, {"lblCobrand", PromoTexts::CoBrand}};
    for (const auto& promo : promos) {
        auto* link = new LinkLabel(QLatin1String(promo.name), frame5);
        PromoTexts::showLink(link, promo.promo, m_nav);
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        link->setGeometry(tw(120), tw(120), tw(5745), tw(855));
        Look::setTextColour(link, Look::LightYellow);
        Look::setBackground(link, Look::Background);  // the label in front hides the other
    }

    // lblCobrand, created last, lies on top.
    LinkLabel::bringToFront(frame5->findChild<LinkLabel*>(QStringLiteral("lblCobrand")),
                            frame5->findChild<LinkLabel*>(QStringLiteral("lblFullBrand")));

    Picture1 = page(client, QStringLiteral("Picture1"));
    QLabel* element = nullptr;
    txtElement = textFrame(Picture1, m_nav, QStringLiteral("Frame2"), QStringLiteral("Your Tibetan Element"),
                           QStringLiteral("lblElement"), QStringLiteral("Element Name"),
                           QStringLiteral("txtElement"), Look::LightOrange, element);
    lblElement = element;
    auto* shape1 = new QFrame(Picture1);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setGeometry(tw(60), tw(170), tw(2950), tw(2800));
    shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Look::setTextColour(shape1, Look::White);
    QLabel* caption0 = label(Picture1, QStringLiteral("Label1_0"), QStringLiteral("Your Tibetan Sun Sign"), 120,
                             720, Look::White);
    caption0->setWordWrap(true);
    QLabel* caption2 = label(Picture1, QStringLiteral("Label1_2"),
                             QStringLiteral("Your Translation of Tibetan Sun Sign"), 120, 1440, Look::White);
    caption2->setWordWrap(true);
    caption2->setFixedWidth(tw(2800));
    caption2->adjustSize();
    lblTibetanSunSign = label(Picture1, QStringLiteral("lblTibetanSunSign"), QStringLiteral("Tibetan Sun Sign"),
                              480, 915, Look::Pink, 9, true);
    lblTransTibetanName = label(Picture1, QStringLiteral("lblTransTibetanName"), QStringLiteral("Tranlation"),
                                480, 1830 + 120, Look::LightBlue, 9, true);
    for (QLabel* value : {lblTibetanSunSign, lblTransTibetanName})
        value->setFixedWidth(tw(2500));

    TS = new QTabBar(client);
    TS->setObjectName(QStringLiteral("TS"));
    TS->setDrawBase(true);
    TS->setExpanding(false);
    TS->addTab(QStringLiteral("Tibetan Astrology"));
    TS->addTab(QStringLiteral("Tibetan Sun Sign"));
    TS->addTab(QStringLiteral("Tibetan Animal Sign"));
    TS->setGeometry(0, tw(600), tw(7805), tw(900) - tw(600));
    TS->setAccessibleName(QStringLiteral("Reading pages"));
    TS->setFocusPolicy(Qt::StrongFocus);
    connect(TS, &QTabBar::currentChanged, this, &ResultWindow::TS_Click);
    connect(TS, &QTabBar::tabBarClicked, this, &ResultWindow::TS_Click);

    Picture3 = page(client, QStringLiteral("Picture3"));
    picTibetanAnimalSign = new PictureBox(QStringLiteral("picTibetanAnimalSign"), Picture3);
    picTibetanAnimalSign->setGeometry(0, 0, tw(3000), tw(3000));
    picTibetanAnimalSign->setAccessibleName(QStringLiteral("Picture of your Tibetan animal sign"));
    picTibetanAnimalSign->setPicture(imgTibetanAnimalSign->pictureForKey(QStringLiteral("tiger.jpg")));
    QLabel* animal = nullptr;
    txtAnimalSunSign = textFrame(Picture3, m_nav, QStringLiteral("Frame1"), QStringLiteral("Your Tibetan Animal Sign"),
                                 QStringLiteral("lblAnimalSunSign"), QStringLiteral("Animal Sun Sign"),
                                 QStringLiteral("txtAnimalSunSign"), Look::LightGreen, animal);
    lblAnimalSunSign = animal;
    // Shown below the animal paragraph for a birth before Losar only.
    m_losarNote = label(txtAnimalSunSign->parentWidget(), QStringLiteral("lblLosarNote"), QString(), 120, 0,
                        Look::LightGreen);
    m_losarNote->setWordWrap(true);
    m_losarNote->hide();

    Picture2 = page(client, QStringLiteral("Picture2"));
    QLabel* western = nullptr;
    txtWesternSunSign = textFrame(Picture2, m_nav, QStringLiteral("Frame3"), QStringLiteral("Your Tibetan Sun Sign"),
                                  QStringLiteral("lblWesternSunSign"), QStringLiteral("Western Sun Sign"),
                                  QStringLiteral("txtWesternSunSign"), Look::LightYellow, western);
    lblWesternSunSign = western;
    picTibetanSunSign = new PictureBox(QStringLiteral("picTibetanSunSign"), Picture2);
    picTibetanSunSign->setGeometry(0, 0, tw(3000), tw(3000));
    picTibetanSunSign->setAccessibleName(QStringLiteral("Picture of your sun sign"));
    picTibetanSunSign->setPicture(imgTibetanSunSign->pictureForKey(QStringLiteral("aquarius")));

    auto* label3 = centredLink(client, m_nav, QStringLiteral("Label3"), visitCaption(), 240, QStringLiteral("home-page"));
    Look::setTextColour(label3, Look::White);
    auto* label14 = centredLink(client, m_nav, QStringLiteral("Label14"), PromoTexts::ForumInvitation, 0);
    Look::setTextColour(label14, Look::White);
}

void ResultWindow::Form_Load()
{
    Reading& reading = m_nav.reading();
    ComputeReading(m_nav.birthData(), reading);
    // A picture number 0 leaves the design picture in place.
    if (reading.sunSignImage != 0)
        picTibetanSunSign->setPicture(imgTibetanSunSign->picture(reading.sunSignImage));
    if (reading.animalSignImage != 0)
        picTibetanAnimalSign->setPicture(imgTibetanAnimalSign->picture(reading.animalSignImage));
    lblTibetanSunSign->setText(reading.tibetanSunSign);
    lblWesternSunSign->setText(reading.westernSunSign);
    lblTransTibetanName->setText(reading.tibetanSunSignTranslation);
    lblAnimalSunSign->setText(reading.animalSign);
    lblElement->setText(reading.element);
    txtWesternSunSign->setPlainText(reading.westernSunSignText);
    txtAnimalSunSign->setPlainText(reading.animalSignText);
    txtElement->setPlainText(reading.elementText);
    showLosarNote();
    {
        const QSignalBlocker quiet(TS);
        TS->setCurrentIndex(0);
    }
    Picture1->raise();
}

// The reading keeps the Gregorian year; for a birth before Losar the note names the
// Tibetan year the person was born in.
void ResultWindow::showLosarNote()
{
    const std::optional<Losar::Note> note = Losar::noteFor(m_nav.birthData());
    if (!note)
        return;
    // The date speaks the language of the window's texts, so a translation names its locale.
    const QLocale dateLocale(tr("en_GB", "locale of the month names in dates"));
    m_losarNote->setText(
        tr("Born before Losar (Tibetan New Year, %1): in the traditional reckoning your year is %2.")
            .arg(dateLocale.toString(note->newYear, tr("d MMMM yyyy", "date of Losar")), note->traditionalYear));
    // The page has no free room: the note takes the bottom lines of the paragraph box.
    const QRect box = txtAnimalSunSign->geometry();
    const int height = m_losarNote->heightForWidth(box.width());
    m_losarNote->setGeometry(box.left(), box.bottom() + 1 - height, box.width(), height);
    txtAnimalSunSign->resize(box.width(), box.height() - height - tw(60));
    m_losarNote->show();
}

void ResultWindow::TS_Click()
{
    // The first selected tab wins; the other pages simply lie behind.
    QWidget* pages[] = {Picture1, Picture2, Picture3};
    const int selected = TS->currentIndex();
    if (selected >= 0 && selected < 3)
        pages[selected]->raise();
}

void ResultWindow::cmdSave_Click()
{
    if (m_nav.dialogOpen())
        return;
    ReportWindow report(m_nav, this);
    m_nav.runDialog(report);
}

void ResultWindow::cmdBack_Click()
{
    if (m_nav.dialogOpen())
        return;
    m_nav.showMainWindow();
    close();
    m_nav.hideSupportScreen();
}

void ResultWindow::closeEvent(QCloseEvent* event)
{
    // Closing never is cancelled; the support screen takes over.
    m_nav.showSupportScreen();
    event->accept();
}
