#include "ui/BirthChartPage.h"
#include "ui_BirthChartPage.h"

#include "ui/BirthChartText.h"
#include "widgets/Look.h"

BirthChartPage::BirthChartPage(const BirthData& birthData, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::BirthChartPage>())
    , m_birthData(birthData)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("chartPage"));  // named as the result window's other pages
    Look::applyClasses(this);
    setAccessibleName(windowTitle());
    connect(m_ui->forcesText, &GuardedTextEdit::clipboardClearRequested, this,
            &BirthChartPage::clipboardClearRequested);
}

BirthChartPage::~BirthChartPage() = default;

void BirthChartPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        showChart();
    }
}

void BirthChartPage::showChart()
{
    const BirthChartText::Chart chart = BirthChartText::forBirth(m_birthData);
    if (chart.lines.isEmpty()) {
        // No chart: the one line that says why takes the year's place.
        m_ui->yearLabel->setText(chart.missing);
        for (QWidget* part : std::initializer_list<QWidget*>{m_ui->yearTibetanLabel, m_ui->dateCaption, m_ui->dateLabel,
                                                             m_ui->mewaCaption, m_ui->mewaFrame, m_ui->mewaLabel,
                                                             m_ui->mewaTibetanLabel, m_ui->forcesBox})
            part->hide();
        return;
    }
    const BirthChartText::Line& year = chart.lines.at(0);
    const BirthChartText::Line& date = chart.lines.at(1);
    const BirthChartText::Line& mewa = chart.lines.at(2);
    m_ui->yearLabel->setText(year.value);
    m_ui->yearTibetanLabel->setText(year.tibetan);
    m_ui->dateLabel->setText(date.value);
    m_ui->mewaLabel->setText(mewa.value);
    m_ui->mewaTibetanLabel->setText(mewa.tibetan);
    m_ui->mewaFrame->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #ffffff;").arg(chart.mewaColour));
    m_ui->mewaFrame->setAccessibleName(mewa.value);

    // The forces, then what the mewa means, each with its caption in the section's cyan.
    QString html;
    auto paragraph = [&html](const BirthChartText::Line& line) {
        html += QStringLiteral("<p><span style=\"color:#00ffff; font-weight:bold\">%1</span>%2")
                    .arg(line.caption.toHtmlEscaped(), line.value.toHtmlEscaped());
        if (!line.tibetan.isEmpty())
            html += QStringLiteral(" &nbsp;<span style=\"color:#ffff80; font-size:large; font-family:'%1'\">%2</span>")
                        .arg(Look::tibetanFamilies().join(QStringLiteral("','")), line.tibetan.toHtmlEscaped());
        html += QStringLiteral("<br>%1</p>").arg(line.paragraph.toHtmlEscaped());
    };
    for (qsizetype i = 3; i < chart.lines.size(); ++i)
        paragraph(chart.lines.at(i));
    paragraph(mewa);
    m_ui->forcesText->setHtml(html);
}
