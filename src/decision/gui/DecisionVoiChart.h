#pragma once
// "What is worth measuring": per drawn variable what knowing it exactly
// before deciding would save (its EVPPI, $/mbf), largest on top, with the
// dollars for the unit on hover.

#include <vector>

#include "decision/gui/DecisionCostChart.h"

class QBarCategoryAxis;
class QBarSet;
class QHorizontalBarSeries;

namespace quorvale {

class DecisionVoiChart final : public DecisionChartView {
    Q_OBJECT

public:
    explicit DecisionVoiChart(QWidget* parent = nullptr);

    // Draws the entries (largest first, as the analysis gives them); none
    // empties the chart.
    void showValues(const std::vector<VoiEntry>& voi);
    void clear() { showValues({}); }

    // The entries drawn, largest first.
    const std::vector<VoiEntry>& entries() const { return m_entries; }
    QString barText(int index) const;
    ChartExport::Table table() const override;

protected:
    void present(const ChartDetail& detail) override;

private:
    std::vector<VoiEntry> m_entries;
    QHorizontalBarSeries* m_series = nullptr;
    QBarSet* m_set = nullptr;
    QBarCategoryAxis* m_variables = nullptr;
    QValueAxis* m_value = nullptr;
};

}  // namespace quorvale
