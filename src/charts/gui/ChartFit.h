#pragma once
// How much of a chart's detail fits the room it has.
//
// Qt Charts cuts a text that lacks room short with "...": an axis title, a
// tick label, a legend entry, the chart's title. Our charts show a text whole
// or not at all. Every chart offers the same ladder of detail, from all of it
// down to the bare curves; the fit lays the chart out at each step in turn and
// keeps the first at which nothing is cut. The room decides the step, never
// the data: what the chart holds stays as it is.

#include <QStringList>
#include <functional>

class QChart;

namespace quorvale {

// What a chart shows at one step of the ladder. Each step gives up a little
// more than the one before.
struct ChartDetail {
    int step = 0;
    // Long category labels on two lines.
    bool wrappedLabels = false;
    // Tick intervals: the room's count divided by this; 0: the fewest.
    int tickDivisor = 1;
    bool shortTitles = false;
    bool smallFace = false;
    bool chartTitle = true;
    bool legend = true;
    bool axisTitles = true;
    bool tickLabels = true;

    static ChartDetail atStep(int step);
    bool fewestTicks() const { return tickDivisor == 0; }
};

class ChartFit {
public:
    static constexpr int kLastStep = 9;
    // Brings the chart to a detail; the fit lays it out afterwards.
    using Apply = std::function<void(const ChartDetail&)>;

    // Applies the steps in turn from the first, laying the chart out after
    // each, and returns the first detail at which no text is cut (the last
    // step when none is).
    static ChartDetail fit(QChart& chart, const Apply& apply);

    // Lays the chart out at once at its present size, as the next turn of
    // the event loop would.
    static void layOut(QChart& chart);
    // The texts the chart draws cut short, as drawn.
    static QStringList cutTexts(const QChart& chart);
};

}  // namespace quorvale
