#include "MainWindow.h"

#include "Blanks.h"
#include "BuildSettings.h"
#include "LinkLabel.h"
#include "Look.h"
#include "Navigator.h"
#include "PictureBox.h"
#include "Platform.h"
#include "PromoTexts.h"
#include "ReadingFile.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

QLabel* whiteLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    Look::setTextColour(label, Look::White);
    return label;
}

QComboBox* list(const QString& name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);  // not editable: only its own entries
    combo->setObjectName(name);
    combo->setMaxVisibleItems(14);
    return combo;
}

} // namespace

MainWindow::MainWindow(Navigator& navigator)
    : m_nav(navigator)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowRole(QStringLiteral("frmMain"));  // lets desktop tools tell the windows apart
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(BuildSettings::WindowCaption));
    Look::applyWindowLook(this);
    buildMenus();
    buildControls();
    Form_Load();
    setFixedSize(sizeHint());
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    Look::applyStandardLook(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = file->addAction(QStringLiteral("Get My Tibetan &Astrology Result"));
    calculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculate, &QAction::triggered, this, &MainWindow::cmdCalculate_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    WindowParts::addSharedMenus(bar, m_nav, this, "mnuSep1");
}

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(14, 8, 14, 12);
    column->setSpacing(10);

    auto* label14 = new LinkLabel(QStringLiteral("Label14"), client);
    label14->setText(PromoTexts::text("forum-invitation"));
    label14->setAlignment(Qt::AlignCenter);
    Look::setTextColour(label14, Look::LightYellow);
    connect(label14, &LinkLabel::clicked, this, [this] { m_nav.openWebPage(QStringLiteral("home-page")); });
    column->addWidget(label14, 0, Qt::AlignHCenter);

    // A heading with the emblem, so the window reads as the program's own.
    auto* heading = new QHBoxLayout;
    auto* emblem = new PictureBox(QStringLiteral("picEmblem"), client);
    emblem->setFixedSize(56, 56);
    emblem->setAccessibleName(QStringLiteral("Zarvo emblem"));
    // The window icon, already decoded for the window itself.
    const QIcon icon = QApplication::windowIcon();
    emblem->setIcon(icon.isNull() ? Look::applicationIcon() : icon);
    heading->addStretch();
    heading->addWidget(emblem);
    auto* title = new QLabel(QStringLiteral("Tibetan Astrology"), client);
    title->setObjectName(QStringLiteral("lblHeading"));
    title->setFont(Look::verdana(16, true));
    Look::setTextColour(title, Look::LightYellow);
    heading->addWidget(title);
    heading->addStretch();
    column->addLayout(heading);

    auto* frame1 = WindowParts::frame(client, QStringLiteral("Frame1"), QStringLiteral("Personal Details"), Look::White);
    auto* grid = new QGridLayout(frame1);
    grid->setContentsMargins(14, 18, 14, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    const QFont regular = Look::verdana();
    auto* nameLabel = whiteLabel(QStringLiteral("Label1_0"), QStringLiteral("Name"), frame1);
    nameLabel->setFont(regular);
    txtName = new QLineEdit(frame1);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(regular);
    txtName->setAccessibleName(QStringLiteral("Name"));
    nameLabel->setBuddy(txtName);
    connect(txtName, &QLineEdit::returnPressed, this, &MainWindow::cmdCalculate_Click);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 3);

    auto* sexLabel = whiteLabel(QStringLiteral("Label2"), QStringLiteral("Sex"), frame1);
    sexLabel->setFont(regular);
    optMale = new QRadioButton(QStringLiteral("Male"), frame1);
    optMale->setObjectName(QStringLiteral("optMale"));
    optFemale = new QRadioButton(QStringLiteral("Female"), frame1);
    optFemale->setObjectName(QStringLiteral("optFemale"));
    for (QRadioButton* option : {optMale, optFemale}) {
        option->setFont(regular);
        Look::setTextColour(option, Look::White);
    }
    grid->addWidget(sexLabel, 1, 0);
    grid->addWidget(optMale, 1, 1);
    grid->addWidget(optFemale, 1, 2);

    auto* dateLabel = whiteLabel(QStringLiteral("Label1_1"), QStringLiteral("Date of Birth"), frame1);
    dateLabel->setFont(regular);
    cboMonth = list(QStringLiteral("cboMonth"), frame1);
    cboDate = list(QStringLiteral("cboDate"), frame1);
    cboYear = list(QStringLiteral("cboYear"), frame1);
    cboMonth->setAccessibleName(QStringLiteral("Month of birth"));
    cboDate->setAccessibleName(QStringLiteral("Day of birth"));
    cboYear->setAccessibleName(QStringLiteral("Year of birth"));
    dateLabel->setBuddy(cboMonth);
    grid->addWidget(dateLabel, 2, 0);
    grid->addWidget(cboMonth, 2, 1);
    grid->addWidget(cboDate, 2, 2);
    grid->addWidget(cboYear, 2, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);

    auto* cmdCalculate = new QPushButton(QStringLiteral("Get My Tibetan &Astrology Result"), frame1);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setFont(regular);
    cmdCalculate->setMinimumHeight(30);
    cmdCalculate->setDefault(true);
    connect(cmdCalculate, &QPushButton::clicked, this, &MainWindow::cmdCalculate_Click);
    grid->addWidget(cmdCalculate, 3, 0, 1, 4);
    column->addWidget(frame1);

    auto* cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), client);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setFont(Look::verdana(8.25, true));
    cmdOpen->setMinimumHeight(28);
    connect(cmdOpen, &QPushButton::clicked, this, &MainWindow::cmdOpen_Click);
    column->addWidget(cmdOpen);

    // The two promotional labels lie exactly over each other; the one in front hides
    // the other, so each fills its own background.
    auto* fraFullBrand = new QGroupBox(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setAccessibleName(QStringLiteral("Offers"));
    fraFullBrand->setAutoFillBackground(true);
    Look::applyStandardLook(fraFullBrand);
    fraFullBrand->setFixedHeight(70);
    auto* stack = new QStackedLayout(fraFullBrand);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(6, 6, 6, 6);
    const struct
    {
        const char* name;
        const char* text;
        const char* pageKey;
        LinkLabel** label;
    } promos[] = {{"lblCobrand", "cobrand", "co-brand", &lblCobrand},
                  {"lblFullBrand", "fullbrand", "fully-branded", &lblFullBrand}};
    for (const auto& promo : promos) {
        auto* link = new LinkLabel(QLatin1String(promo.name), fraFullBrand);
        link->setText(PromoTexts::text(promo.text));
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignCenter);
        link->setAutoFillBackground(true);
        QPalette palette = fraFullBrand->palette();
        palette.setColor(QPalette::WindowText, Look::Blue);
        link->setPalette(palette);
        stack->addWidget(link);
        *promo.label = link;
        const QString key = QLatin1String(promo.pageKey);
        connect(link, &LinkLabel::clicked, this, [this, key] { m_nav.openWebPage(key); });
    }
    column->addWidget(fraFullBrand);
    setTabOrder(txtName, optMale);
}

void MainWindow::Form_Load()
{
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    for (const char* month : months)
        cboMonth->addItem(QLatin1String(month));
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (int year = 1930; year <= 2030; ++year)
        cboYear->addItem(QString::number(year));
    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    LinkLabel::bringToFront(lblFullBrand, lblCobrand);  // the layout order
    txtName->setFocus();
}

bool MainWindow::ValidateBirthData()
{
    Platform& platform = m_nav.platform();
    auto fail = [&](const char* text, Platform::Icon icon) {
        platform.showMessage(this, QLatin1String(text), icon, Platform::Buttons::Ok);
        return false;
    };
    if (TrimBlanks(txtName->text()).isEmpty())
        return fail("Please Enter Your Name", Platform::Icon::Critical);
    if (!optMale->isChecked() && !optFemale->isChecked())
        return fail("Please Select Your Sex", Platform::Icon::Critical);
    // Every fourth year is a leap year; for 1930 to 2030 that agrees with the calendar.
    const bool leapYear = cboYear->currentText().toInt() % 4 == 0;
    const int month = cboMonth->currentIndex();
    const int day = cboDate->currentIndex();
    if (month == 1 && ((leapYear && day >= 29) || (!leapYear && day >= 28)))
        return fail("Please Enter Correct Date Or Month!", Platform::Icon::Information);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return fail("Please Enter Correct Date Or Month !", Platform::Icon::Information);
    return true;
}

void MainWindow::cmdCalculate_Click()
{
    if (m_nav.dialogOpen())
        return;
    if (!ValidateBirthData())
        return;
    BirthData& birthData = m_nav.birthData();
    birthData.name = TrimBlanks(txtName->text());
    birthData.sex = optMale->isChecked() ? QStringLiteral("Male") : QStringLiteral("Female");
    birthData.year = qint16(TrimBlanks(cboYear->currentText()).toInt());
    birthData.month = TrimBlanks(cboMonth->currentText());
    birthData.day = qint16(TrimBlanks(cboDate->currentText()).toInt());
    m_nav.showResultWindow();
    close();  // the closing shows the support screen ...
    m_nav.hideSupportScreen();  // ... which is not wanted when moving on
}

void MainWindow::fillFromReadingFile(const QStringList& lines)
{
    txtName->setText(lines.value(0));
    if (lines.value(1) == QLatin1String("Male"))
        optMale->setChecked(true);
    else
        optFemale->setChecked(true);
    // A list in which no entry matches keeps its selection.
    const struct
    {
        QComboBox* list;
        QString text;
    } choices[] = {{cboDate, lines.value(2)}, {cboMonth, lines.value(3)}, {cboYear, lines.value(4)}};
    for (const auto& choice : choices) {
        const int index = choice.list->findText(choice.text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            choice.list->setCurrentIndex(index);
    }
}

void MainWindow::cmdOpen_Click()
{
    if (m_nav.dialogOpen())
        return;
    Platform::FileDialog dialog;
    dialog.mode = Platform::FileDialog::Mode::Open;
    dialog.filter = QStringLiteral("Tibetan Astrology (*.tib)");
    dialog.defaultSuffix = QStringLiteral("tib");
    dialog.refuseReadOnly = true;
    dialog.title = QStringLiteral("Select the source file");
    const QString path = m_nav.platform().chooseFile(this, dialog);
    if (path.isEmpty())
        return;
    openReadingFile(path);
}

void MainWindow::openReadingFile(const QString& path)
{
    // Only the last three characters count, case-sensitively; no dot is needed.
    if (!path.endsWith(QLatin1String("tib"), Qt::CaseSensitive)) {
        m_nav.platform().showMessage(this, QStringLiteral("Please Check The File."), Platform::Icon::Critical,
                                     Platform::Buttons::Ok);
        return;
    }
    // The file is read completely and closed before any control changes.
    const QStringList lines = ReadingFile::read(path);
    fillFromReadingFile(lines);
    cmdCalculate_Click();
    m_nav.hideSupportScreen();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Never cancelled; the support screen comes first.
    m_nav.showSupportScreen();
    event->accept();
}
