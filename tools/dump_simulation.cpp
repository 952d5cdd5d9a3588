// Writes what fixed-seed simulation runs show, one file per run, so that a
// change to the run, the Simulator window or the simulation chart can be
// checked to change no byte:
//   quorvale_dump_simulation /tmp/before
//   ... change the code, rebuild ...
//   quorvale_dump_simulation /tmp/after
//   diff -r /tmp/before /tmp/after
//
// Runs without a window record, at every yield, each field, bar and chart
// cell that differs from the yield before, and the run's summary with every
// figure in hexadecimal. Runs in the main window record the window's fields
// and percent labels at each step's end and at the end, and the simulation
// chart's saved data; within a step the window yields on a time budget, so
// what it shows there depends on the clock and is left out.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "RunTestInputs.h"
#include "WideInputs.h"
#include "app/gui/FrmMain.h"
#include "base/gui/WindowRegistry.h"
#include "charts/gui/ChartExport.h"
#include "inputs/gui/FrmData.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/gui/FrmStats.h"

using namespace quorvale;

namespace {

const char* const kFieldNames[kRunFieldCount] = {
    "TextEYD",  "TextCheck",  "TextRuns",    "TextAverage",   "TextVariance", "TextMin",
    "TextMax",  "TextOptEYD", "TextMinCost", "TextSpacing",   "TextDensity",  "TextAyd",
    "TextAeyd", "TextLyd",    "TextAlyd",    "TextCorridors", "TextLandings",
};

std::string hex(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", x);
    return text;
}

class Out {
public:
    explicit Out(const std::string& path) : m_file(std::fopen(path.c_str(), "w")) {
        if (m_file == nullptr) {
            std::perror(path.c_str());
            std::exit(1);
        }
    }
    ~Out() { std::fclose(m_file); }
    Out(const Out&) = delete;
    Out& operator=(const Out&) = delete;
    void line(const std::string& text) { std::fprintf(m_file, "%s\n", text.c_str()); }

private:
    std::FILE* m_file;
};

// A view without a window that yields after every sample, or only where the
// run must, and writes what changed since the last yield.
class RecordingView : public HeadlessRunView {
public:
    RecordingView(Out& out, double target, bool everySample)
        : HeadlessRunView(target), m_out(out), m_everySample(everySample) {}

    std::function<void(RecordingView&)> onYield;

    bool yieldDue() override {
        const bool due = HeadlessRunView::yieldDue();
        return m_everySample || due;
    }
    void yieldToEvents() override {
        HeadlessRunView::yieldToEvents();
        record("yield");
        if (onYield) {
            onYield(*this);
        }
    }
    void setStepOverSampleCount(bool over) override { m_over = over; }
    void initiateVariables() override {
        HeadlessRunView::initiateVariables();
        record("initiate");
    }
    void runEnded(bool stopped) override {
        HeadlessRunView::runEnded(stopped);
        record(stopped ? "ended stopped" : "ended");
    }

private:
    void record(const std::string& what) {
        std::string changes;
        for (int i = 0; i < kRunFieldCount; ++i) {
            const std::string& text = field(static_cast<RunField>(i));
            if (text != m_fields[static_cast<size_t>(i)]) {
                m_fields[static_cast<size_t>(i)] = text;
                changes += std::string(" ") + kFieldNames[i] + "=" + text;
            }
        }
        for (RunBar bar : {RunBar::Step, RunBar::Run}) {
            const size_t b = bar == RunBar::Step ? 0 : 1;
            const std::string text = hex(barValue(bar)) + "/" + barPercent(bar);
            if (text != m_bars[b]) {
                m_bars[b] = text;
                changes += std::string(b == 0 ? " bar1=" : " bar2=") + text;
            }
        }
        // The chart window's visibility and the not-converged mark can
        // only be seen at a yield.
        const std::string marks = std::string(chartVisible() ? "visible" : "hidden") + (m_over ? ",over" : "");
        if (marks != m_marks) {
            m_marks = marks;
            changes += " marks=" + marks;
        }
        std::map<std::pair<int, int>, std::string> cells;
        // Rows are labelled with their numbers; the window's dump has the
        // labels the chart shows.
        const MemoryRunChart& chart = chartRows();
        for (int row = 1; row <= chart.rowCount(); ++row) {
            cells[{row, 0}] = std::to_string(row);
            for (int column = 1; column <= kRunChartColumns; ++column) {
                cells[{row, column}] = hex(chart.cell(row, column));
            }
        }
        for (const auto& [place, text] : cells) {
            auto known = m_cells.find(place);
            if (known == m_cells.end() || known->second != text) {
                changes += " r" + std::to_string(place.first) + "c" + std::to_string(place.second) + "=" + text;
            }
        }
        m_cells = std::move(cells);
        m_out.line(what + " " + std::to_string(samplesSeen()) + ":" + changes);
    }

    Out& m_out;
    bool m_everySample;
    std::array<std::string, kRunFieldCount> m_fields;
    std::array<std::string, 2> m_bars;
    std::string m_marks;
    bool m_over = false;
    std::map<std::pair<int, int>, std::string> m_cells;
};

void writeSummary(Out& out, const RunSummary& run) {
    out.line("steps " + std::to_string(run.steps) + " samples " + std::to_string(run.samplesTotal) + " stopped " +
             (run.stopped ? "yes" : "no"));
    for (const StepSummary& r : run.rows) {
        out.line("row " + std::to_string(r.step) + " eyd " + hex(r.eyd) + " n " + std::to_string(r.samples) + " mean " +
                 hex(r.mean) + " sd " + hex(r.stddev) + " hw " + hex(r.halfWidth) + " min " + hex(r.minimum) + " max " +
                 hex(r.maximum) + " nonfinite " + std::to_string(r.nonFinite) + (r.converged ? " converged" : " open") +
                 (r.overSampleCount ? " over" : ""));
    }
    if (run.optimum) {
        const YardingResult& y = run.optimum->result;
        out.line("optimum cost " + hex(run.optimum->minCost) + " eyd " + hex(run.optimum->eyd));
        for (double f : {y.eyd,
                         y.landingSpacing,
                         y.lyd,
                         y.alyd,
                         y.ayd,
                         y.aeyd,
                         y.corridorsPerLanding,
                         y.landingsPerUnit,
                         y.corridorsPerUnit,
                         y.rigTimePerLanding,
                         y.rigTimeTotal,
                         y.roadDensity,
                         y.cycleTime,
                         y.totalDays,
                         y.unitVolume,
                         y.mbfPerDay,
                         y.tonsPerDay,
                         y.loadsPerDay,
                         y.loggingCost,
                         y.roadCost,
                         y.totalCost}) {
            out.line("  " + hex(f));
        }
    }
}

struct HeadlessCase {
    std::string name;
    std::function<void(InMemoryInputs&)> inputs;
    double target;
    std::uint64_t seed;
    bool everySample;
    RunSettings settings;
    std::function<void(RecordingView&)> onYield;
};

void setRange(InMemoryInputs& inputs, int variable, const char* low, const char* high) {
    inputs.setEntryText(lowEntry(variable), low);
    inputs.setEntryText(highEntry(variable), high);
}

std::vector<HeadlessCase> headlessCases() {
    std::vector<HeadlessCase> cases;
    RunSettings capped;
    capped.maxSamplesPerStep = 400;
    capped.noticeSamplesPerStep = 200;
    for (CorridorPattern pattern : {CorridorPattern::Parallel, CorridorPattern::FanShaped}) {
        const std::string p = pattern == CorridorPattern::Parallel ? "parallel" : "fan";
        cases.push_back({"spread-" + p + "-every-sample",
                         [=](InMemoryInputs& in) { in = test::spreadInputs(0.25, "20", pattern); },
                         4,
                         7,
                         true,
                         {},
                         {}});
        cases.push_back({"spread-" + p + "-step-ends",
                         [=](InMemoryInputs& in) { in = test::spreadInputs(0.25, "37.5", pattern); },
                         1,
                         11,
                         false,
                         {},
                         {}});
        cases.push_back({"wide-" + p,
                         [=](InMemoryInputs& in) { in = test::spreadInputs(0.6, "45", pattern); },
                         3,
                         5,
                         false,
                         {},
                         {}});
        cases.push_back({"defaults-" + p,
                         [=](InMemoryInputs& in) {
                             in = InMemoryInputs();
                             in.setPattern(pattern);
                         },
                         5,
                         1,
                         true,
                         {},
                         {}});
        // Stopped in step 3; the graph mark checked in step 2.
        cases.push_back({"stopped-" + p,
                         [=](InMemoryInputs& in) { in = test::spreadInputs(0.3, "10", pattern); },
                         2,
                         21,
                         true,
                         {},
                         [](RecordingView& v) {
                             if (v.step() == 2) {
                                 v.setSimulationGraphChecked(true);
                             }
                             if (v.step() == 3 && v.samplesSeen() > 0) {
                                 v.requestStop();
                             }
                         }});
        // Figures that overflow in some samples and not in others, and
        // targets never reached, under a cap.
        const std::vector<std::pair<std::string, std::function<void(InMemoryInputs&)>>> extremes{
            {"huge-unit", [](InMemoryInputs& in) { setRange(in, UnitSize, "1e150", "1e308"); }},
            {"huge-volume", [](InMemoryInputs& in) { setRange(in, HarvestVolume, "1e-300", "1e300"); }},
            {"huge-road-cost", [](InMemoryInputs& in) { setRange(in, LifeCycleRoadCost, "1", "1e308"); }},
            {"tiny-speeds",
             [](InMemoryInputs& in) {
                 setRange(in, ExternalSpeed, "1e-300", "1e-200");
                 setRange(in, LateralSpeed, "1e-310", "1e-5");
             }},
            {"huge-times",
             [](InMemoryInputs& in) {
                 setRange(in, FixedCorridorTime, "1e200", "1e306");
                 setRange(in, FixedLandingTime, "1e-300", "1e300");
                 setRange(in, VariableTime, "1e-300", "1e300");
             }},
            // Each of these overflows one figure other than the total cost
            // in some samples and not in others.
            {"volume-at-the-edge",
             [](InMemoryInputs& in) {
                 setRange(in, HarvestVolume, "1e151", "2e152");
                 setRange(in, UnitSize, "1e151", "2e152");
             }},
            {"density-at-the-edge",
             [](InMemoryInputs& in) {
                 setRange(in, UnitSize, "1e150", "1e150");
                 setRange(in, RoadDensityFactor, "1e157", "1e158");
                 setRange(in, LifeCycleRoadCost, "0.001", "1");
             }},
            {"days-at-the-edge",
             [](InMemoryInputs& in) {
                 setRange(in, TurnVolume, "1e-147", "1e-146");
                 setRange(in, UnitSize, "1e150", "2e150");
                 setRange(in, HarvestVolume, "1e7", "5e7");
             }},
            {"every-variable-wide",
             [](InMemoryInputs& in) {
                 for (int k = 0; k < kVariableCount; ++k) {
                     if (k != ExternalYardingDistance) {
                         setRange(in, k, "1e-150", "1e150");
                     }
                 }
             }},
            {"mixed",
             [](InMemoryInputs& in) {
                 setRange(in, HarvestVolume, "1e-100", "1e100");
                 setRange(in, TurnVolume, "1e-100", "1e100");
                 setRange(in, UnitSize, "1e-100", "1e100");
                 setRange(in, OperatorCost, "1e-100", "1e200");
                 setRange(in, ProductionDelay, "1e-100", "1e100");
                 setRange(in, RoadDensityFactor, "1e-200", "1e200");
             }},
        };
        for (const auto& [name, set] : extremes) {
            cases.push_back({"extreme-" + name + "-" + p,
                             [=](InMemoryInputs& in) {
                                 in = test::spreadInputs(0.25, "6", pattern);
                                 set(in);
                             },
                             2,
                             3,
                             true,
                             capped,
                             {}});
        }
    }
    return cases;
}

void runHeadless(const std::string& dir, const HeadlessCase& c) {
    Out out(dir + "/headless-" + c.name + ".txt");
    InMemoryInputs inputs;
    c.inputs(inputs);
    RecordingView view(out, c.target, c.everySample);
    view.onYield = c.onYield;
    const RunSummary run = stat_itmain(inputs, view, c.seed, c.settings);
    writeSummary(out, run);
}

// The window's fields and percent labels as they stand.
std::string windowState(QWidget& simulator) {
    std::string state;
    for (const char* name : kFieldNames) {
        auto* field = simulator.findChild<QLineEdit*>(QString::fromLatin1(name));
        state += std::string(" ") + name + "=" + (field ? field->text().toStdString() : "?");
    }
    for (const char* name : {"LblPercent", "LblPercent2"}) {
        auto* label = simulator.findChild<QLabel*>(QString::fromLatin1(name));
        state += std::string(" ") + name + "=" + (label ? label->text().toStdString() : "?");
    }
    return state;
}

std::string chartData(FrmMain& main) {
    QWidget* window = main.windows().window(WindowId::FrmGraphStats);
    auto* exporter = window ? window->findChild<ChartExport*>() : nullptr;
    return exporter ? exporter->csvText().toStdString() : "no chart\n";
}

struct WindowCase {
    std::string name;
    CorridorPattern pattern;
    const char* target;
    bool chartShown;
    int stopInStep;  // 0: run to the end
};

void runWindow(const std::string& dir, const WindowCase& c) {
    Out out(dir + "/window-" + c.name + ".txt");
    FrmMain main;
    main.load();
    main.resize(1600, 1000);
    main.show();
    tools::spreadInputs(*main.frmData(), false);
    if (c.pattern == CorridorPattern::FanShaped) {
        main.frmData()->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    }
    main.setRunSeed(0x5eed2026 + static_cast<std::uint64_t>(c.pattern == CorridorPattern::FanShaped));
    if (c.chartShown) {
        main.results().action(QStringLiteral("MnuSimulation"))->trigger();
    }
    auto* simulator = main.windows().loadAs<FrmStats>(WindowId::FrmStats);
    simulator->findChild<QLineEdit*>(QStringLiteral("TextADev"))->setText(QString::fromLatin1(c.target));
    auto* runPercent = simulator->findChild<QLabel*>(QStringLiteral("LblPercent2"));
    auto* end = simulator->findChild<QPushButton*>(QStringLiteral("Command1"));
    // A step's end shows in the run's bar; the chart row of that step is
    // written before that yield.
    QString lastRunPercent = runPercent->text();
    int stepEnds = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!simulator->isRunning() || runPercent->text() == lastRunPercent) {
            return;
        }
        lastRunPercent = runPercent->text();
        ++stepEnds;
        out.line("step end " + std::to_string(stepEnds) + ":" + windowState(*simulator));
        if (c.stopInStep > 0 && stepEnds == c.stopInStep - 1) {
            end->click();
        }
    });
    watch.start(0);
    QCoreApplication::processEvents();
    simulator->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    watch.stop();
    out.line("after:" + windowState(*simulator));
    out.line("chart:");
    out.line(chartData(main));
    if (main.lastRun()) {
        writeSummary(out, *main.lastRun());
    }
    main.close();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvale_dump_simulation OUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    int files = 0;
    for (const HeadlessCase& c : headlessCases()) {
        runHeadless(dir, c);
        ++files;
    }
    for (const WindowCase& c : {WindowCase{"parallel-chart-shown", CorridorPattern::Parallel, "2", true, 0},
                                WindowCase{"parallel-chart-hidden", CorridorPattern::Parallel, "1", false, 0},
                                WindowCase{"fan-chart-shown", CorridorPattern::FanShaped, "2", true, 0},
                                WindowCase{"parallel-stopped", CorridorPattern::Parallel, "0.5", true, 6}}) {
        runWindow(dir, c);
        ++files;
    }
    std::printf("%d runs written to %s\n", files, dir.c_str());
    return 0;
}
