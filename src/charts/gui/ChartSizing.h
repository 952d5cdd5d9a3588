#pragma once
// How a data-grid chart spends the room it has at one step of the ladder of
// detail (ChartFit): the size of its texts, how many tick intervals each axis
// takes, where the legend goes and where the value axis' title stands. Plain
// geometry: the policy decides, the chart applies.

#include <QSize>
#include <QStringList>

#include "charts/gui/ChartFit.h"

class QFontMetrics;

namespace quorvale {

class ChartSizing {
public:
    enum class LegendPlace { None, Below, Beside, Listed };
    struct Legend {
        LegendPlace place = LegendPlace::None;
        // The strip a listed legend takes at the bottom of the chart.
        int listHeight = 0;
    };
    enum class YTitle { Along, Above, None };

    // The texts' size as a share of the view's font: smaller in a small
    // window, smallest at the detail that asks for it.
    static qreal faceScale(const QSize& room, const ChartDetail& detail);
    // Fewer ticks in a small window, so their labels stay whole. A value
    // axis that is short even for the fewest ticks keeps its ends only.
    static int xIntervals(const QSize& room, const ChartDetail& detail);
    static int yIntervals(const QSize& room, const ChartDetail& detail);
    // In a row below the plot; beside it in a low, wide window or where a
    // row does not fit; else, in a narrow window, as a list below the plot;
    // else, or where the detail wants none, not at all.
    static Legend legend(const QSize& room, bool wanted, const QFontMetrics& metrics, const QStringList& names);
    // Along the axis while it has the room, else across above it, where it
    // stands whole or not at all.
    static YTitle yTitle(const QSize& room, bool wanted, int titleWidth);
};

}  // namespace quorvale
