#pragma once
// One of the five static chart windows: nothing but its chart, which always
// fills the window. Closing it clears its group's menu items.

#include <QString>
#include <functional>

#include "charts/StaticChartSpecs.h"
#include "shell/ChildWindow.h"
#include "shell/WindowId.h"

namespace quorvale {

class DataGridChart;

class StaticChartWindow : public ChildWindow {
    Q_OBJECT

public:
    // Unchecks one menu item of the main window, named by its control name.
    using ClearMark = std::function<void(const QString& itemName)>;

    StaticChartWindow(const StaticChartSpec& spec, ClearMark clearMark, QWidget* parent = nullptr);

    // The window that shows a chart group.
    static WindowId windowId(ChartGroup group);

    ChartGroup group() const { return m_spec.group; }
    DataGridChart* chart() const { return m_chart; }

protected:
    void unloadWindow() override;

private:
    const StaticChartSpec& m_spec;
    ClearMark m_clearMark;
    DataGridChart* m_chart;
};

}  // namespace quorvale
