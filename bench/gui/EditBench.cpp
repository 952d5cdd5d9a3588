// One edit in the Variables window with every static chart group active and
// an EYD of 70 stations: the sweep, the chart writes, the reformat of the
// thirty fields and the repaint of the five charts that follows. The core
// sweep alone runs beside it for comparison.
//
// Runs on the offscreen platform unless another one is chosen.

#include <QApplication>
#include <QChartView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"
#include <memory>

#include "charts/gui/DataGridChart.h"
#include "charts/gui/StaticChartWindow.h"
#include "inputs/gui/EntryField.h"
#include "inputs/gui/FrmData.h"
#include "charts/ChartLoading.h"
#include "model/RangeSweep.h"
#include "app/gui/FrmMain.h"
#include "app/gui/ShellMenus.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;

namespace {

constexpr const char* kOneItemPerGroup[] = {"MnuRoadCost",       "MnuLoggingCost", "MnuTotalCost",   "MnuTonsDay",
                                            "MnuTotalDays",      "MnuCycleTime",   "MnuRiggingTime", "MnuRoadDensity",
                                            "MnuLandingSpacing", "MnuAyd"};

GraphMarks allGroups() {
    GraphMarks m;
    m.low = true;
    m.roadCost = m.loggingCost = m.totalCost = true;
    m.tonsDay = true;
    m.totalDays = m.cycleTime = m.riggingTime = true;
    m.roadDensity = m.landingSpacing = true;
    m.ayd = true;
    return m;
}

// Counts the paint events of the chart views.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

void drainEvents() {
    // Queued redraws, then the update requests they raise, then the paints.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

class Desktop {
public:
    Desktop() {
        m_main.setGeometry(0, 0, 1600, 1000);
        m_main.load();
        m_main.show();
        for (const char* item : kOneItemPerGroup) {
            m_main.results().action(QString::fromLatin1(item))->trigger();
        }
        FrmData* data = m_main.frmData();
        data->setEntryText(lowEntry(ExternalYardingDistance), "70");
        data->setEntryText(highEntry(ExternalYardingDistance), "70");
        m_main.graph_itmain();
        m_main.shellMenus().action(QStringLiteral("mnuWindowTileVertical"))->trigger();
        for (WindowId id : {WindowId::FrmGraph, WindowId::FrmGraphLoads, WindowId::FrmGraphLogging,
                            WindowId::FrmGraphRoad, WindowId::FrmGraphSettings}) {
            auto* window = qobject_cast<StaticChartWindow*>(m_main.windows().window(id));
            window->chart()->viewport()->installEventFilter(&m_paints);
        }
        drainEvents();
    }

    FrmMain& main() { return m_main; }
    FrmData& data() { return *m_main.frmData(); }
    PaintCounter& paints() { return m_paints; }

private:
    FrmMain m_main;
    PaintCounter m_paints;
};

// Built on first use, and taken down before the application object.
std::unique_ptr<Desktop>& desktopInstance() {
    static std::unique_ptr<Desktop> instance;
    return instance;
}

Desktop& desktop() {
    if (!desktopInstance()) {
        desktopInstance() = std::make_unique<Desktop>();
    }
    return *desktopInstance();
}

void BM_DesktopFieldEdit(benchmark::State& state) {
    Desktop& d = desktop();
    EntryField* field = d.data().field(lowEntry(HarvestVolume));
    const int paintsBefore = d.paints().paints;
    int runsBefore = d.main().analysisRuns();
    bool flip = false;
    for (auto _ : state) {
        // The user typed a new value and leaves the field.
        field->setText(flip ? QStringLiteral("36") : QStringLiteral("35"));
        flip = !flip;
        emit field->lostFocus();
        drainEvents();
    }
    const double edits = static_cast<double>(state.iterations());
    state.counters["steps"] = d.main().lastSweep().steps;
    state.counters["analyses_per_edit"] = (d.main().analysisRuns() - runsBefore) / edits;
    state.counters["chart_paints_per_edit"] = (d.paints().paints - paintsBefore) / edits;
}
BENCHMARK(BM_DesktopFieldEdit)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The part of an edit that runs inside the field's handler: sweep, chart
// writes and reformat, without the redraw and repaint the event loop does
// afterwards.
void BM_DesktopFieldEditHandlerOnly(benchmark::State& state) {
    Desktop& d = desktop();
    EntryField* field = d.data().field(lowEntry(HarvestVolume));
    bool flip = false;
    for (auto _ : state) {
        field->setText(flip ? QStringLiteral("36") : QStringLiteral("35"));
        flip = !flip;
        emit field->lostFocus();
    }
    drainEvents();
}
BENCHMARK(BM_DesktopFieldEditHandlerOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same analysis with nothing behind it: no windows, no charts.
class NoSink final : public SweepSink {
public:
    void prepare(int) override {}
    void writeStep(int, const YardingResult& result) override { benchmark::DoNotOptimize(result); }
};

void BM_CoreSweepAlone(benchmark::State& state) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "70");
    const GraphMarks marks = allGroups();
    NoSink sink;
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph_itmain(inputs, marks, sink));
    }
    state.counters["steps"] = 70;
}
BENCHMARK(BM_CoreSweepAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return quorvale::bench::runOffscreenBenchmarks(argc, argv, [] { desktopInstance().reset(); });
}
