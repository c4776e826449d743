#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "data/PromoTexts.h"
#include "engine/AstrologyTables.h"
#include "engine/Blanks.h"
#include "files/ReadingFile.h"
#include "platform/Captions.h"
#include "platform/Navigator.h"
#include "platform/Platform.h"
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

MainWindow::MainWindow(Navigator& navigator)
    : m_nav(navigator)
    , m_ui(std::make_unique<Ui::MainWindow>())
{
    // Given before the controls exist, so that they inherit the window's typeface and
    // colours instead of being told of a change one by one.
    Look::applyWindowLook(this);
    m_ui->setupUi(this);
    setWindowRole(QStringLiteral("MainWindow"));  // lets desktop tools tell the windows apart
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Captions::windowCaption());
    // The menu bar and the offers keep the style's standard palette, not the window's.
    Look::applyStandardLook(m_ui->menuBar);
    Look::applyStandardLook(m_ui->offerBox);
    // The window icon, already decoded for the window itself.
    const QIcon icon = QApplication::windowIcon();
    m_ui->emblemPicture->setIcon(icon.isNull() ? Look::applicationIcon() : icon, QStringLiteral(":/icon/zarvo.svg"));

    WindowParts::showPromoLink(m_ui->forumLink, PromoTexts::ForumInvitation, m_nav);
    WindowParts::showPromoLink(m_ui->coBrandLink, PromoTexts::CoBrand, m_nav);
    WindowParts::showPromoLink(m_ui->fullBrandLink, PromoTexts::FullBrand, m_nav);
    connect(m_ui->calculateButton, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(m_ui->calculateAction, &QAction::triggered, this, &MainWindow::calculate);
    connect(m_ui->nameEdit, &QLineEdit::returnPressed, this, &MainWindow::calculate);
    connect(m_ui->openButton, &QPushButton::clicked, this, &MainWindow::openSavedReading);
    connect(m_ui->exitAction, &QAction::triggered, this, &QWidget::close);
    WindowParts::connectSharedMenus(this, m_nav);

    fillLists();
    LinkLabel::bringToFront(m_ui->fullBrandLink, m_ui->coBrandLink);  // full-brand offer on top; start-up may swap
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

bool MainWindow::validateBirthData()
{
    auto fail = [this](const QString& text, Platform::Icon icon) {
        m_nav.platform().showMessage(this, text, icon, Platform::Buttons::Ok);
        return false;
    };
    if (trimBlanks(m_ui->nameEdit->text()).isEmpty())
        return fail(tr("Please Enter Your Name"), Platform::Icon::Critical);
    if (!m_ui->maleButton->isChecked() && !m_ui->femaleButton->isChecked())
        return fail(tr("Please Select Your Sex"), Platform::Icon::Critical);
    // Every fourth year is a leap year; for 1930 to 2030 that agrees with the calendar.
    const bool leapYear = m_ui->yearCombo->currentData().toInt() % 4 == 0;
    // Positions in the lists: February is 1, the 31st is 30.
    const int month = m_ui->monthCombo->currentIndex();
    const int day = m_ui->dayCombo->currentIndex();
    if (month == 1 && ((leapYear && day >= 29) || (!leapYear && day >= 28)))
        return fail(tr("Please Enter Correct Date Or Month!"), Platform::Icon::Information);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return fail(tr("Please Enter Correct Date Or Month !"), Platform::Icon::Information);
    return true;
}

void MainWindow::calculate()
{
    if (m_nav.dialogOpen())
        return;
    if (!validateBirthData())
        return;
    BirthData& birthData = m_nav.birthData();
    birthData.name = trimBlanks(m_ui->nameEdit->text());
    birthData.sex = m_ui->maleButton->isChecked() ? Male : Female;
    birthData.year = qint16(m_ui->yearCombo->currentData().toInt());
    birthData.month = m_ui->monthCombo->currentData().toString();
    birthData.day = qint16(m_ui->dayCombo->currentData().toInt());
    m_nav.showResultWindow();
    close();  // the closing shows the support screen ...
    m_nav.hideSupportScreen();  // ... which is not wanted when moving on
}

void MainWindow::fillFromReadingFile(const BirthData& entries)
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
    if (m_nav.dialogOpen())
        return;
    Platform::FileDialog dialog;
    dialog.mode = Platform::FileDialog::Mode::Open;
    dialog.filter = tr("Tibetan Astrology", "file type") + QStringLiteral(" (*.tib)");
    dialog.defaultSuffix = QStringLiteral("tib");
    dialog.title = tr("Select the source file");
    const QString path = m_nav.platform().chooseFile(this, dialog);
    if (path.isEmpty())
        return;
    openReadingFile(path);
}

void MainWindow::openReadingFile(const QString& path)
{
    // Only the last three characters count, case-sensitively; no dot is needed.
    if (!path.endsWith(QLatin1String("tib"), Qt::CaseSensitive)) {
        m_nav.platform().showMessage(this, tr("Please Check The File."), Platform::Icon::Critical,
                                     Platform::Buttons::Ok);
        return;
    }
    // The file is read completely and closed before any control changes.
    fillFromReadingFile(ReadingFile::read(path));
    calculate();
    m_nav.hideSupportScreen();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Never cancelled; the support screen comes first.
    m_nav.showSupportScreen();
    event->accept();
}
