#pragma once

#include "engine/BirthData.h"

#include <QWidget>

#include <memory>

namespace Ui {
class BirthChartPage;
}

// The result window's page of the Tibetan birth chart: the birth's Tibetan year and
// date and the birth mewa on the left, the five forces beside them. The chart is
// worked out when the page is first shown, so a reading that never turns to it pays
// nothing for it.
class BirthChartPage : public QWidget
{
    Q_OBJECT
public:
    BirthChartPage(const BirthData& birthData, QWidget* parent = nullptr);
    ~BirthChartPage() override;

signals:
    // As the reading's other text boxes ask: the window empties the clipboard.
    void clipboardClearRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showChart();

    std::unique_ptr<Ui::BirthChartPage> m_ui;
    const BirthData m_birthData;
    bool m_shown = false;
};
