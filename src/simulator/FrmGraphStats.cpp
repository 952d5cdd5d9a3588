#include "simulator/FrmGraphStats.h"

#include <string_view>

#include "simulator/SimulatorTexts.h"

namespace quorvale {
namespace {

constexpr std::string_view kSeries[] = {simtext::kSeriesAverage, simtext::kSeriesBelow, simtext::kSeriesAbove,
                                        simtext::kSeriesMin, simtext::kSeriesMax};
constexpr std::string_view kCleared[] = {"MnuSimulation"};

constexpr SingleChartDesign kDesign{"FrmGraphStats", "MSChart2", simtext::kChartCaption, kSeries, kCleared,
                                    6345, 3465};

}  // namespace

FrmGraphStats::FrmGraphStats(ClearMark clearMark, QWidget* parent)
    : SingleChartWindow(kDesign, std::move(clearMark), parent) {}

}  // namespace quorvale
