#include "ui/ReportWindow.h"
#include "ui_ReportWindow.h"

#include "data/PromoTexts.h"
#include "files/ReadingFile.h"
#include "platform/FileReason.h"
#include "platform/Platform.h"
#include "platform/SaveTarget.h"
#include "site/Captions.h"
#include "site/WebAddress.h"
#include "ui/ReportDocument.h"
#include "ui/WindowParts.h"
#include "widgets/GuardedTextEdit.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextCursor>

ReportWindow::ReportWindow(Platform& platform, const BirthData& birthData, const Reading& reading, QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::ReportWindow)
    , m_platform(platform)
    , m_birthData(birthData)
    , m_reading(reading)
{
    WindowParts::setUpForm(*m_ui, this);
    // A form holds whole point sizes only.
    m_ui->reportText->setFont(Look::verdana(9.75));
    connect(m_ui->reportText, &GuardedTextEdit::clipboardClearRequested, this, [this] { m_platform.clearClipboard(); });

    connect(m_ui->saveButton, &QPushButton::clicked, this, &ReportWindow::saveReading);
    connect(m_ui->printButton, &QPushButton::clicked, this, &ReportWindow::printReport);
    connect(m_ui->pdfButton, &QPushButton::clicked, this, &ReportWindow::saveReportAsPdf);
    // Added after the specified two, it comes after them in the tab order too.
    setTabOrder(m_ui->printButton, m_ui->pdfButton);
    WindowParts::showPromoLink(m_ui->offerLink, PromoTexts::FullBrand, m_platform);
    WindowParts::setUpSiteLinks(m_ui->visitLink, m_ui->forumLink, m_platform);
    showReport();
    m_ui->reportText->setFocus();
}

ReportWindow::~ReportWindow() = default;

GuardedTextEdit* ReportWindow::report() const
{
    return m_ui->reportText;
}

void ReportWindow::showReport()
{
    ReportDocument::fill(*m_ui->reportText->document(), m_birthData, m_reading);
    m_ui->reportText->moveCursor(QTextCursor::Start);
}

void ReportWindow::saveReading()
{
    saveAs(tr("Rich Text Format (*.tib)"), QStringLiteral("tib"), tr("%1\nThe reading could not be saved (%2)."),
           [this] { return ReadingFile::contentFor(m_birthData); }, ReadingFile::MaxScanBytes);
}

void ReportWindow::saveReportAsPdf()
{
    saveAs(tr("PDF Document (*.pdf)"), QStringLiteral("pdf"), tr("%1\nThe report could not be saved (%2)."),
           [this] { return ReportDocument::pdf(*m_ui->reportText->document()); }, ReportDocument::LargestPdfReplacedInPlace);
}

void ReportWindow::saveAs(const QString& filter, const QString& suffix, const QString& failure,
                          const std::function<QByteArray()>& content, qsizetype largestReplacedInPlace)
{
    // Stops at the first failure: silently at a cancel, with a message when the file
    // could not be written, so that a lost save is never taken for a good one.
    Platform::FileDialog dialog;
    dialog.mode = Platform::FileDialog::Mode::Save;
    dialog.filter = filter;
    dialog.defaultSuffix = suffix;
    dialog.confirmOverwrite = true;
    dialog.refuseReadOnly = true;
    dialog.title = Captions::applicationTitle();
    const SaveTarget target = m_platform.chooseSaveTarget(this, dialog);
    if (target.isNull())
        return;
    QString reason;
    if (target.write(content(), largestReplacedInPlace, &reason))
        return;
    m_platform.showMessage(this, failure.arg(QDir::toNativeSeparators(target.path()), FileReason::clause(reason)),
                           Platform::Icon::Critical,
                           Platform::Buttons::Ok);
}

void ReportWindow::printReport()
{
    QTextCursor cursor = m_ui->reportText->textCursor();
    cursor.clearSelection();
    m_ui->reportText->setTextCursor(cursor);
    m_platform.printDocument(*m_ui->reportText->document());
}
