#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "data/PromoTexts.h"
#include "engine/AstrologyTables.h"
#include "engine/BirthCheck.h"
#include "platform/ReadingFileAccess.h"
#include "platform/Platform.h"
#include "text/Blanks.h"
#include "ui/SharedMenus.h"
#include "ui/WindowParts.h"
#include "widgets/Look.h"

#include <QCloseEvent>

namespace {

// The sex as the birth data and the reading file store it, whatever the captions say.
constexpr QLatin1String Male("Male");
constexpr QLatin1String Female("Female");

// Selects the entry that carries exactly the stored value; without one the selection stays.
void selectStoredValue(QComboBox* list, const QString& value)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemData(i).toString() == value) {
            list->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

MainWindow::MainWindow(Platform& platform)
    : m_platform(platform)
    , m_ui(std::make_unique<Ui::MainWindow>())
{
    WindowParts::setUpForm(*m_ui, this);
    setAttribute(Qt::WA_DeleteOnClose);
    // The window icon, already decoded for the window itself.
    const QIcon icon = QApplication::windowIcon();
    m_ui->emblemPicture->setIcon(icon.isNull() ? Look::applicationIcon() : icon, QStringLiteral(":/icon/zarvo.svg"));

    WindowParts::showPromoLink(m_ui->forumLink, PromoTexts::ForumInvitation, m_platform);
    WindowParts::showPromoLink(m_ui->coBrandLink, PromoTexts::CoBrand, m_platform);
    WindowParts::showPromoLink(m_ui->fullBrandLink, PromoTexts::FullBrand, m_platform);
    connect(m_ui->calculateButton, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(m_ui->calculateAction, &QAction::triggered, this, &MainWindow::calculate);
    connect(m_ui->nameEdit, &QLineEdit::returnPressed, this, &MainWindow::calculate);
    connect(m_ui->openButton, &QPushButton::clicked, this, &MainWindow::openSavedReading);
    connect(m_ui->exitAction, &QAction::triggered, this, &QWidget::close);
    SharedMenus::addTo(this, m_platform);

    fillLists();
    m_ui->nameEdit->setFocus();
    // The form's size holds in every language; only a translation too long for it widens it.
    setFixedSize(size().expandedTo(sizeHint()));
}

MainWindow::~MainWindow() = default;

LinkLabel* MainWindow::coBrandLabel() const
{
    return m_ui->coBrandLink;
}

LinkLabel* MainWindow::fullBrandLabel() const
{
    return m_ui->fullBrandLink;
}

void MainWindow::showOffer(LinkLabel* offer)
{
    m_ui->offerStack->setCurrentWidget(offer);
}

void MainWindow::fillLists()
{
    // Each entry shows its caption and carries the value that the birth data stores.
    for (const AstrologyTables::MonthRule& rule : AstrologyTables::monthRules)
        m_ui->monthCombo->addItem(QCoreApplication::translate("Month", rule.month), QString::fromLatin1(rule.month));
    for (int day = 1; day <= 31; ++day)
        m_ui->dayCombo->addItem(QString::number(day), day);
    for (int year = AstrologyTables::FirstYear; year <= AstrologyTables::LastYear; ++year)
        m_ui->yearCombo->addItem(QString::number(year), year);
    m_ui->monthCombo->setCurrentIndex(0);
    m_ui->dayCombo->setCurrentIndex(0);
    m_ui->yearCombo->setCurrentIndex(0);
}

BirthData MainWindow::entries() const
{
    BirthData entries;
    entries.name = trimBlanks(m_ui->nameEdit->text());
    if (m_ui->maleButton->isChecked())
        entries.sex = Male;
    else if (m_ui->femaleButton->isChecked())
        entries.sex = Female;
    entries.year = qint16(m_ui->yearCombo->currentData().toInt());
    entries.month = m_ui->monthCombo->currentData().toString();
    entries.day = qint16(m_ui->dayCombo->currentData().toInt());
    return entries;
}

QString MainWindow::problemMessage(BirthCheck::Problem problem, bool* critical)
{
    if (critical)
        *critical = problem == BirthCheck::Problem::NoName || problem == BirthCheck::Problem::NoSex;
    switch (problem) {
    case BirthCheck::Problem::NoName:
        return tr("Please Enter Your Name");
    case BirthCheck::Problem::NoSex:
        return tr("Please Select Your Sex");
    case BirthCheck::Problem::NoSuchDayOfFebruary:
        return tr("Please Enter Correct Date Or Month!");
    case BirthCheck::Problem::NoThirtyFirst:
        return tr("Please Enter Correct Date Or Month !");
    case BirthCheck::Problem::None:
        break;
    }
    return {};
}

QString MainWindow::fileRefusal()
{
    return tr("Please Check The File.");
}

bool MainWindow::isReadingFileName(const QString& path)
{
    // Only the last three characters count; no dot is needed. Windows names files in
    // any case, so there "ANNA.TIB" is a reading file too.
#ifdef Q_OS_WIN
    return path.endsWith(QLatin1String("tib"), Qt::CaseInsensitive);
#else
    return path.endsWith(QLatin1String("tib"), Qt::CaseSensitive);
#endif
}

bool MainWindow::checkEntries(const BirthData& entries)
{
    bool critical = false;
    const QString problem = problemMessage(BirthCheck::check(entries), &critical);
    if (problem.isEmpty())
        return true;
    m_platform.showMessage(this, problem, critical ? Platform::Icon::Critical : Platform::Icon::Information,
                           Platform::Buttons::Ok);
    return false;
}

void MainWindow::calculate()
{
    if (m_platform.dialogOpen())
        return;
    const BirthData birthData = entries();
    if (checkEntries(birthData))
        emit birthEntered(birthData);
}

void MainWindow::showEntries(const BirthData& entries)
{
    m_ui->nameEdit->setText(entries.name);
    if (entries.sex == Male)
        m_ui->maleButton->setChecked(true);
    else
        m_ui->femaleButton->setChecked(true);
    selectStoredValue(m_ui->dayCombo, QString::number(entries.day));
    selectStoredValue(m_ui->monthCombo, entries.month);
    selectStoredValue(m_ui->yearCombo, QString::number(entries.year));
}

void MainWindow::openSavedReading()
{
    if (m_platform.dialogOpen())
        return;
    Platform::FileDialog dialog;
    dialog.mode = Platform::FileDialog::Mode::Open;
    dialog.filter = tr("Tibetan Astrology", "file type") + QStringLiteral(" (*.tib)");
    dialog.defaultSuffix = QStringLiteral("tib");
    dialog.title = tr("Select the source file");
    const QString path = m_platform.chooseFile(this, dialog);
    if (path.isEmpty())
        return;
    openReadingFile(path);
}

void MainWindow::openReadingFile(const QString& path)
{
    if (!isReadingFileName(path)) {
        m_platform.showMessage(this, fileRefusal(), Platform::Icon::Critical, Platform::Buttons::Ok);
        return;
    }
    // The file is read completely and closed before any control changes; a line the
    // lists do not offer keeps the window's entry.
    BirthData birthData = BirthCheck::fromReadingFile(ReadingFileAccess::read(path), entries());
    showEntries(birthData);  // also when the check refuses them, as typed entries stay
    birthData.name = trimBlanks(birthData.name);
    if (checkEntries(birthData))
        emit birthEntered(birthData);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Never cancelled; told first, so that the support screen, where it comes, comes before.
    emit closing();
    event->accept();
}
