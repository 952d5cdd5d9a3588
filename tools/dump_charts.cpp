// Writes what the charts hold and show, so that a change to the chart code can
// be checked to change no byte and no pixel:
//   quorvale_dump_charts /tmp/before
//   ... change the code, rebuild ...
//   quorvale_dump_charts /tmp/after
//   diff -r /tmp/before /tmp/after
//
// For each case (a corridor pattern, a range and a set of "Show Results"
// items) every open static chart gives its caption, its saved data, the
// notes on its plot and the tool tips at a few points, and its picture as
// Copy Image makes it, at a large and a small size. The simulation chart is
// filled through its grid with fixed figures; the Decision Analysis window
// runs a fixed seed and scenario count and gives both charts' data and
// pictures. Run it offscreen: QT_QPA_PLATFORM=offscreen.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <initializer_list>

#include "app/gui/FrmMain.h"
#include "base/gui/WindowRegistry.h"
#include "charts/gui/ChartExport.h"
#include "charts/gui/DataGridChart.h"
#include "charts/gui/SingleChartWindow.h"
#include "decision/gui/DecisionCostChart.h"
#include "decision/gui/DecisionTornadoChart.h"
#include "decision/gui/FrmDecision.h"
#include "inputs/gui/FrmData.h"
#include "simulator/gui/SimulationChartWriter.h"

using namespace quorvale;

namespace {

constexpr WindowId kStaticCharts[] = {WindowId::FrmGraph, WindowId::FrmGraphLoads, WindowId::FrmGraphLogging,
                                      WindowId::FrmGraphRoad, WindowId::FrmGraphSettings};
constexpr QSize kSizes[] = {QSize(900, 560), QSize(300, 170)};

QDir g_out;

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

void trigger(FrmMain& main, std::initializer_list<const char*> items) {
    for (const char* item : items) {
        main.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        settle();
    }
}

void writeText(const QString& name, const QString& text) {
    QFile file(g_out.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

void writePicture(const QString& name, ChartExport& exporter) {
    if (!exporter.image().save(g_out.filePath(name + QStringLiteral(".png")))) {
        std::fprintf(stderr, "cannot write %s.png\n", qPrintable(name));
        std::exit(1);
    }
}

// A chart window at each size: its picture; at the first, its data and notes.
void dumpChart(FrmMain& main, WindowId id, const QString& prefix) {
    QMdiSubWindow* frame = main.windows().frame(id);
    auto* window = qobject_cast<SingleChartWindow*>(main.windows().window(id));
    if (!frame || !window) {
        return;
    }
    DataGridChart* chart = window->chart();
    const QString name = prefix + QLatin1Char('-') + QString::fromLatin1(windowName(id));
    QString text = window->windowTitle() + QLatin1Char('\n') + chart->exporter()->csvText() +
                   QStringLiteral("minimum: ") + chart->minimumText() + QStringLiteral("\ncaps: ") + chart->capNote() +
                   QLatin1Char('\n');
    for (int column = 1; column <= chart->columnCount(); ++column) {
        for (double x : {0.0, 1.4, 7.6, 1e9}) {
            text += chart->pointText(column, QPointF(x, 0)) + QLatin1Char('\n');
        }
    }
    writeText(name + QStringLiteral(".txt"), text);
    for (const QSize size : kSizes) {
        frame->resize(size);
        settle();
        writePicture(name + QStringLiteral("-%1x%2").arg(size.width()).arg(size.height()), *chart->exporter());
    }
}

void dumpStaticCharts(FrmMain& main, const QString& prefix) {
    for (WindowId id : kStaticCharts) {
        dumpChart(main, id, prefix);
    }
}

// Every group of charts for one pattern and range, item by item.
void dumpCases(FrmMain& main, const char* pattern, const char* range) {
    main.frmData()->findChild<QRadioButton*>(QString::fromLatin1(pattern))->click();
    settle();
    trigger(main, {range});
    const QString prefix = QString::fromLatin1(pattern) + QLatin1Char('-') + QString::fromLatin1(range);
    trigger(main, {"MnuTotalCost", "MnuTonsDay", "MnuTotalDays", "MnuRoadDensity", "MnuAyd"});
    dumpStaticCharts(main, prefix + QStringLiteral("-a"));
    trigger(main, {"MnuLoggingCost", "MnuRoadCost", "MnuLoadsDay", "MnuCycleTime", "MnuRiggingTime",
                   "MnuLandingSpacing", "MnuCorridors"});
    dumpStaticCharts(main, prefix + QStringLiteral("-b"));
    trigger(main, {"MnuTotalCost", "MnuMbfDay", "MnuTotalDays", "MnuRoadDensity", "MnuLandings"});
    dumpStaticCharts(main, prefix + QStringLiteral("-c"));
}

void dumpSimulationChart(FrmMain& main) {
    main.windows().show(WindowId::FrmGraphStats);
    settle();
    dumpChart(main, WindowId::FrmGraphStats, QStringLiteral("design"));
    auto* window = qobject_cast<SingleChartWindow*>(main.windows().window(WindowId::FrmGraphStats));
    SimulationChartWriter writer([window]() -> DataGrid& { return *window->chart(); });
    constexpr int kSteps = 37;
    writer.startRun(kSteps);
    for (int step = 1; step <= kSteps; ++step) {
        const double mean = 140 + 0.05 * (step - 18) * (step - 18);
        const double spread = 3 + step % 4;
        writer.writeRow(step, {mean, mean - spread, mean + spread, mean - 2.5 * spread, mean + 3 * spread});
    }
    settle();
    dumpChart(main, WindowId::FrmGraphStats, QStringLiteral("run"));
}

void dumpDecision(FrmMain& main) {
    const std::pair<int, const char*> entries[] = {{0, "20"},   {1, "30"},   {4, "80"},    {5, "80"},
                                                   {8, "50"},   {9, "50"},   {10, "2500"}, {11, "3500"},
                                                   {12, "700"}, {13, "900"}, {28, "1200"}, {29, "2000"}};
    for (const auto& [entry, text] : entries) {
        main.frmData()->setEntryText(entry, text);
    }
    main.graph_itmain();
    trigger(main, {"mnuToolsDecision"});
    auto* decision = qobject_cast<FrmDecision*>(main.windows().window(WindowId::FrmDecision));
    decision->setSeed(7);
    decision->setScenarioCount(3000);
    decision->run();
    if (!QTest::qWaitFor([decision] { return decision->result().has_value(); }, 120000)) {
        std::fprintf(stderr, "the decision analysis did not finish\n");
        std::exit(1);
    }
    settle();
    QMdiSubWindow* frame = main.windows().frame(WindowId::FrmDecision);
    for (const QSize size : {QSize(1050, 690), QSize(700, 900), QSize(520, 380)}) {
        frame->resize(size);
        settle();
        const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        writePicture(QStringLiteral("decision-cost") + suffix, *decision->costChart()->exporter());
        writePicture(QStringLiteral("decision-tornado") + suffix, *decision->tornadoChart()->exporter());
        writeText(QStringLiteral("decision-window") + suffix + QStringLiteral(".txt"),
                  decision->costChart()->title() + QLatin1Char('\n') + decision->tornadoChart()->title() +
                      QLatin1Char('\n') + decision->costChart()->legendNames().join(QLatin1Char('|')) +
                      QLatin1Char('\n') + decision->tornadoChart()->legendNames().join(QLatin1Char('|')) +
                      QStringLiteral("\nstep %1 %2\n")
                          .arg(decision->costChart()->detail().step)
                          .arg(decision->tornadoChart()->detail().step));
    }
    writeText(QStringLiteral("decision-cost.csv"), decision->costChart()->exporter()->csvText());
    writeText(QStringLiteral("decision-tornado.csv"), decision->tornadoChart()->exporter()->csvText());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvale_dump_charts OUT_DIR\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    if (!g_out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    FrmMain main;
    main.load();
    main.setGeometry(0, 0, 1600, 1000);
    main.show();
    settle();
    for (const char* pattern : {"Option1", "Option2"}) {
        for (const char* range : {"MnuGraphLow", "MnuGraphAverage", "MnuGraphHigh"}) {
            dumpCases(main, pattern, range);
        }
    }
    dumpSimulationChart(main);
    dumpDecision(main);
    return 0;
}
