#pragma once
// The simulation chart: the total cost against the EYD, per step the mean,
// the mean less and plus one standard deviation, the lowest and the highest
// sample cost. The run fills it; the "Simulation Graph" mark decides whether
// it is visible, and closing it clears that mark.

#include "charts/gui/SingleChartWindow.h"

namespace quorvale {

class FrmGraphStats final : public SingleChartWindow {
    Q_OBJECT

public:
    explicit FrmGraphStats(ClearMark clearMark, QWidget* parent = nullptr);
};

}  // namespace quorvale
