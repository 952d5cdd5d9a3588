#include "simulator/gui/FrmGraphStats.h"

#include <string_view>

#include "base/Texts.h"
#include "charts/ChartLook.h"
#include "charts/gui/DataGridChart.h"

namespace quorvale {
namespace {

constexpr std::string_view kSeries[] = {texts::simulator::kSeriesAverage, texts::simulator::kSeriesBelow,
                                        texts::simulator::kSeriesAbove, texts::simulator::kSeriesMin,
                                        texts::simulator::kSeriesMax};
constexpr std::string_view kCleared[] = {"MnuSimulation"};

constexpr SingleChartDesign kDesign{
    "FrmGraphStats", "MSChart2", texts::simulator::kChartCaption, kSeries, kCleared, 6345, 3465};

}  // namespace

FrmGraphStats::FrmGraphStats(ClearMark clearMark, QWidget* parent)
    : SingleChartWindow(kDesign, std::move(clearMark), parent) {
    chart()->setLook(simulationChartLook());
}

}  // namespace quorvale
