#include "ui/ResultWindow.h"
#include "ui_ResultWindow.h"

#include "data/PromoTexts.h"
#include "engine/AstrologyTables.h"
#include "engine/ComputeReading.h"
#include "engine/Losar.h"
#include "platform/Platform.h"
#include "ui/BirthChartPage.h"
#include "ui/ReportWindow.h"
#include "ui/SharedMenus.h"
#include "ui/WindowParts.h"
#include "widgets/GuardedTextEdit.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/PictureBox.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QLocale>

using AstrologyTables::keysOf;

ResultWindow::ResultWindow(Platform& platform, const BirthData& birthData, const Reading& earlier)
    : m_ui(new Ui::ResultWindow)
    , m_platform(platform)
    , m_birthData(birthData)
    , m_reading(computeReading(birthData, earlier))
    , m_sunSignImages(new ImageList(QStringLiteral("imgTibetanSunSign"), keysOf(AstrologyTables::sunSigns), this))
    , m_animalImages(new ImageList(QStringLiteral("imgTibetanAnimalSign"), keysOf(AstrologyTables::animals), this))
{
    WindowParts::setUpForm(*m_ui, this);
    setAttribute(Qt::WA_DeleteOnClose);
    // The sign names lie on their frames' top edges and the offers reach the window's
    // bottom: these boxes lay out over their whole rectangle, not only inside their frames.
    for (QWidget* box :
         std::initializer_list<QWidget*>{m_ui->elementBox, m_ui->westernBox, m_ui->animalBox, m_ui->commandBox})
        box->setAttribute(Qt::WA_LayoutOnEntireRect);

    // The birth chart follows the three pages of the reading as a fourth.
    auto* chartPage = new BirthChartPage(m_birthData, m_ui->resultPages);
    m_ui->resultPages->addWidget(chartPage);
    connect(chartPage, &BirthChartPage::clipboardClearRequested, this, [this] { m_platform.clearClipboard(); });

    // One tab for each page, captioned with the page's title; the tab turns the page.
    for (int index = 0; index < m_ui->resultPages->count(); ++index) {
        QWidget* page = m_ui->resultPages->widget(index);
        m_ui->resultTabs->addTab(page->windowTitle());
        page->setAccessibleName(page->windowTitle());
    }
    connect(m_ui->resultTabs, &QTabBar::currentChanged, m_ui->resultPages, &QStackedWidget::setCurrentIndex);
    // Shown below the animal paragraph for a birth before Losar only.
    m_ui->losarNoteLabel->hide();

    for (GuardedTextEdit* text : {m_ui->elementText, m_ui->animalText, m_ui->westernText})
        connect(text, &GuardedTextEdit::clipboardClearRequested, this, [this] { m_platform.clearClipboard(); });

    connect(m_ui->saveButton, &QPushButton::clicked, this, &ResultWindow::openReport);
    connect(m_ui->backButton, &QPushButton::clicked, this, &ResultWindow::goBack);
    connect(m_ui->backAction, &QAction::triggered, this, &ResultWindow::goBack);
    connect(m_ui->exitAction, &QAction::triggered, this, &QWidget::close);
    SharedMenus::addTo(this, m_platform);

    WindowParts::showPromoLink(m_ui->fullBrandLink, PromoTexts::FullBrand, m_platform);
    WindowParts::showPromoLink(m_ui->coBrandLink, PromoTexts::CoBrand, m_platform);
    WindowParts::setUpSiteLinks(m_ui->visitLink, m_ui->forumLink, m_platform);

    // The pictures shown until a reading names its own.
    m_ui->sunSignPicture->setPicture(ImageList::pictureForKey(QStringLiteral("western/aquarius")));
    m_ui->animalPicture->setPicture(ImageList::pictureForKey(QStringLiteral("animal/tiger")));

    showReading();
    setFixedSize(sizeHint());
}

ResultWindow::~ResultWindow() = default;

void ResultWindow::showReading()
{
    const Reading& reading = m_reading;
    // A picture number 0 leaves the design picture in place.
    if (reading.sunSignImage != 0) {
        m_ui->sunSignPicture->setPicture(m_sunSignImages->picture(reading.sunSignImage));
        m_ui->sunSignPicture->setAccessibleDescription(tr("The western sign %1").arg(AstrologyTables::shownName(reading.westernSunSign)));
    }
    if (reading.animalSignImage != 0) {
        m_ui->animalPicture->setPicture(m_animalImages->picture(reading.animalSignImage));
        m_ui->animalPicture->setAccessibleDescription(tr("The animal %1").arg(AstrologyTables::shownName(reading.animalSign)));
    }
    m_ui->tibetanSunSignLabel->setText(reading.tibetanSunSign);
    m_ui->westernLabel->setText(AstrologyTables::shownName(reading.westernSunSign));
    m_ui->translationLabel->setText(AstrologyTables::shownName(reading.tibetanSunSignTranslation));
    m_ui->animalLabel->setText(AstrologyTables::shownName(reading.animalSign));
    m_ui->elementLabel->setText(AstrologyTables::shownName(reading.element));
    m_ui->westernText->setPlainText(reading.westernSunSignText);
    m_ui->animalText->setPlainText(reading.animalSignText);
    m_ui->elementText->setPlainText(reading.elementText);
    showLosarNote();
    m_ui->resultTabs->setCurrentIndex(0);
}

// The reading keeps the Gregorian year; for a birth before Losar the note names the
// Tibetan year the person was born in.
void ResultWindow::showLosarNote()
{
    const std::optional<Losar::Note> note = Losar::noteFor(m_birthData);
    if (!note)
        return;
    // The date speaks the language of the window's texts, so a translation names its locale.
    const QLocale dateLocale(tr("en_GB", "locale of the month names in dates"));
    // The note wraps; a date split over two lines ("3 March" above, "1984" below) reads
    // as two things, so its spaces do not break.
    const QString date =
        dateLocale.toString(note->newYear, tr("d MMMM yyyy", "date of Losar")).replace(u' ', QChar::Nbsp);
    m_ui->losarNoteLabel->setText(
        tr("Born before Losar (Tibetan New Year, %1): in the traditional reckoning your year is %2.")
            .arg(date, AstrologyTables::shownCycleName(note->traditionalYear)));
    // The page has no free room: the note takes the bottom lines of the paragraph's place.
    m_ui->losarNoteLabel->show();
}

void ResultWindow::openReport()
{
    if (m_platform.dialogOpen())
        return;
    ReportWindow report(m_platform, m_birthData, m_reading, this);
    m_platform.runDialog(report);
}

void ResultWindow::goBack()
{
    if (m_platform.dialogOpen())
        return;
    emit backRequested();
}

void ResultWindow::closeEvent(QCloseEvent* event)
{
    // Never cancelled; where the user closed it, the support screen takes over.
    emit closing();
    event->accept();
}
