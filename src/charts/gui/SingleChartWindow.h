#pragma once
// A child window that is nothing but one chart, which always fills it: the
// five static chart windows and the simulation chart. The window carries no
// logic of its own beyond clearing its menu items in the main window when it
// closes.

#include <QString>
#include <functional>
#include <span>
#include <string_view>

#include "base/gui/ChildWindow.h"

namespace quorvale {

class DataGridChart;

// How such a window is designed.
struct SingleChartDesign {
    std::string_view windowName;
    std::string_view chartName;
    std::string_view caption;
    std::span<const std::string_view> seriesLabels;
    // The main window's menu items the window clears on close, in order.
    std::span<const std::string_view> clearedOnClose;
    // The client size at creation.
    double widthTwips;
    double heightTwips;
};

class SingleChartWindow : public ChildWindow {
    Q_OBJECT

public:
    // Unchecks one menu item of the main window, named by its control name.
    using ClearMark = std::function<void(const QString& itemName)>;

    SingleChartWindow(const SingleChartDesign& design, ClearMark clearMark, QWidget* parent = nullptr);

    DataGridChart* chart() const { return m_chart; }

    // The designed client size, so the window opens at it rather than at
    // the few pixels a bare chart asks for.
    QSize sizeHint() const override { return m_designSize; }
    // Room for the axes with their whole titles, a few ticks, the legend
    // and a plot that still shows the curves' shape.
    QList<QSize> legibleSizes() const override { return {QSize(260, 140)}; }

protected:
    void unloadWindow() override;

private:
    std::span<const std::string_view> m_clearedOnClose;
    ClearMark m_clearMark;
    DataGridChart* m_chart;
    QSize m_designSize;
};

}  // namespace quorvale
