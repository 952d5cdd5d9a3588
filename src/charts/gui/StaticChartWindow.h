#pragma once
// One of the five static chart windows: nothing but its chart, which always
// fills the window. Closing it clears its group's menu items.

#include "charts/gui/SingleChartWindow.h"
#include "charts/StaticChartDesigns.h"
#include "base/gui/WindowId.h"

namespace quorvale {

class StaticChartWindow : public SingleChartWindow {
    Q_OBJECT

public:
    StaticChartWindow(const StaticChartDesign& design, ClearMark clearMark, QWidget* parent = nullptr);

    // The window that shows a chart group.
    static WindowId windowId(ChartGroup group);

    ChartGroup group() const { return m_group; }

private:
    ChartGroup m_group;
};

}  // namespace quorvale
