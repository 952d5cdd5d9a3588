// Sets the desktop application up as a user would for the documentation
// screenshots. Run it under a virtual X server and grab the screen
// (scripts/screenshots.sh). It prints the screen rectangle of the window
// the picture is about: "<name> x y width height".
//
//   quorvale_screenshot_scene charts     all five charts, tiled; the Variables and Simulator windows as icons
//   quorvale_screenshot_scene cascade    all five charts as they open, cascaded
//   quorvale_screenshot_scene tile-h     every window open, the decision analysis run, tiled horizontally
//   quorvale_screenshot_scene tile-v     every window open, the decision analysis run, tiled vertically
//   quorvale_screenshot_scene costchart  the cost chart alone, with its lowest total cost marked
//   quorvale_screenshot_scene variables  the Variables window alone
//   quorvale_screenshot_scene simulator  the Simulator window during a run over wide input ranges
//   quorvale_screenshot_scene simchart   the simulation chart after a run over wide input ranges
//   quorvale_screenshot_scene decision   the Decision Analysis window at its own size after a run on a
//                                        realistic unit
//   quorvale_screenshot_scene guide [ANCHOR]  the User Guide window (F1) at a heading, by default the
//                                        formulas of parallel corridors
//   quorvale_screenshot_scene overview PATH  the Units Overview after a run over a folder or batch CSV,
//                                        sorted by cost

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>

#include "WideInputs.h"
#include "base/Texts.h"
#include "inputs/gui/FrmData.h"
#include "app/gui/FrmMain.h"
#include "app/gui/ShellMenus.h"
#include "batch/gui/FrmUnitsOverview.h"
#include "base/gui/WindowRegistry.h"
#include "decision/gui/BeliefsPanel.h"
#include "decision/gui/FrmDecision.h"
#include "guide/gui/FrmGuide.h"
#include "simulator/gui/FrmStats.h"
#include "units/gui/UnitActions.h"

using namespace quorvale;

namespace {

void printFrame(FrmMain& main, WindowId id) {
    if (QMdiSubWindow* frame = main.windows().frame(id)) {
        const QRect r(frame->mapToGlobal(QPoint(0, 0)), frame->size());
        std::printf("%s %d %d %d %d\n", windowName(id), r.x(), r.y(), r.width(), r.height());
        std::fflush(stdout);
    }
}

void triggerAll(FrmMain& main, std::initializer_list<const char*> items) {
    for (const char* item : items) {
        main.results().action(QString::fromLatin1(item))->trigger();
    }
}

void openAllCharts(FrmMain& main) {
    triggerAll(main, {"MnuTotalCost", "MnuLoggingCost", "MnuRoadCost", "MnuTonsDay", "MnuTotalDays", "MnuCycleTime",
                      "MnuRiggingTime", "MnuRoadDensity", "MnuLandingSpacing", "MnuCorridors"});
}

void arrange(FrmMain& main, const char* item) { main.shellMenus().action(QString::fromLatin1(item))->trigger(); }

void showCascade(FrmMain& main) {
    main.windows().frame(WindowId::FrmData)->showMinimized();
    main.windows().frame(WindowId::FrmStats)->showMinimized();
    openAllCharts(main);
    QTimer::singleShot(300, &main, [&main] {
        arrange(main, "mnuWindowArrangeIcons");
        arrange(main, "mnuWindowCascade");
        printFrame(main, WindowId::FrmGraph);
    });
}

void showCostChart(FrmMain& main) {
    triggerAll(main, {"MnuTotalCost", "MnuLoggingCost", "MnuRoadCost"});
    QTimer::singleShot(300, &main, [&main] {
        QMdiSubWindow* chart = main.windows().frame(WindowId::FrmGraph);
        chart->setGeometry(0, 0, 900, 560);
        chart->raise();
        main.mdiArea()->setActiveSubWindow(chart);
        printFrame(main, WindowId::FrmGraph);
    });
}

void showCharts(FrmMain& main) {
    openAllCharts(main);
    QTimer::singleShot(300, &main, [&main] {
        // The Variables and Simulator windows have their own pictures; here
        // they wait as icons so the five charts share the width.
        main.windows().frame(WindowId::FrmData)->showMinimized();
        main.windows().frame(WindowId::FrmStats)->showMinimized();
        main.shellMenus().action(QStringLiteral("mnuWindowArrangeIcons"))->trigger();
        main.shellMenus().action(QStringLiteral("mnuWindowTileVertical"))->trigger();
        printFrame(main, WindowId::FrmGraph);
    });
}

// "Go" with every input spread a quarter either side of its default.
void startWideRun(FrmMain& main, const char* target) {
    tools::spreadInputs(*main.frmData(), true);
    main.frmData()->Format_Variables();
    auto* simulator = qobject_cast<FrmStats*>(main.windows().load(WindowId::FrmStats));
    simulator->findChild<QLineEdit*>(QStringLiteral("TextADev"))->setText(QString::fromLatin1(target));
    triggerAll(main, {"MnuSimulation"});
    // The run lives inside the click; the event loop keeps going in its
    // yields.
    QTimer::singleShot(200, simulator,
                       [simulator] { simulator->findChild<QPushButton*>(QStringLiteral("Command3"))->click(); });
}

void showSimulator(FrmMain& main) {
    // Tight enough that the run is still going when the picture is taken.
    startWideRun(main, "0.03");
    QTimer::singleShot(300, &main, [&main] {
        main.windows().frame(WindowId::FrmStats)->raise();
        printFrame(main, WindowId::FrmStats);
    });
}

void showSimulationChart(FrmMain& main) {
    startWideRun(main, "1");
    main.windows().frame(WindowId::FrmGraphStats)->setGeometry(0, 0, 960, 600);
    QTimer::singleShot(300, &main, [&main] {
        QMdiSubWindow* chart = main.windows().frame(WindowId::FrmGraphStats);
        chart->setGeometry(0, 0, 960, 600);
        chart->raise();
        main.mdiArea()->setActiveSubWindow(chart);
        printFrame(main, WindowId::FrmGraphStats);
    });
}

// A unit as a forest engineer would enter it: 20-30 mbf/acre on 80 acres,
// 50 stations, operator's cost 2500-3500 $/day, external speed 700-900
// feet/min, road cost 1200-2000 $/station; the rest at the defaults.
void enterRealisticUnit(FrmData& data) {
    const std::pair<int, const char*> entries[] = {{0, "20"},   {1, "30"},   {4, "80"},    {5, "80"},
                                                   {8, "50"},   {9, "50"},   {10, "2500"}, {11, "3500"},
                                                   {12, "700"}, {13, "900"}, {28, "1200"}, {29, "2000"}};
    for (const auto& [entry, text] : entries) {
        data.setEntryText(entry, text);
    }
}

// Opens the decision window at its own size, runs it on the realistic unit
// and calls `then` once the result is drawn.
void showDecisionResult(FrmMain& main, std::function<void()> then) {
    enterRealisticUnit(*main.frmData());
    // Saved, the unit has a name for the window's header.
    static QTemporaryDir units;
    main.units().saveUnit(QDir(units.path()).filePath(QStringLiteral("North slope.qvunit")));
    main.graph_itmain();
    main.frmData()->Format_Variables();
    main.findChild<QAction*>(QStringLiteral("mnuToolsDecision"))->trigger();
    auto* decision = qobject_cast<FrmDecision*>(main.windows().window(WindowId::FrmDecision));
    decision->setSeed(1);
    QObject::connect(decision, &FrmDecision::runFinished, &main,
                     [&main, then] { QTimer::singleShot(300, &main, then); });
    decision->run();
}

void showDecision(FrmMain& main) {
    showDecisionResult(main, [&main] {
        QMdiSubWindow* frame = main.windows().frame(WindowId::FrmDecision);
        frame->move(0, 0);
        frame->raise();
        printFrame(main, WindowId::FrmDecision);
    });
}

// The decision window on one of its tabs after a run that compared both
// corridor patterns.
void showDecisionTab(FrmMain& main, const char* tab) {
    main.findChild<QAction*>(QStringLiteral("mnuToolsDecision"))->trigger();
    auto* decision = qobject_cast<FrmDecision*>(main.windows().window(WindowId::FrmDecision));
    decision->beliefsPanel()->setCompareWith(BeliefsPanel::CompareWith::OtherPattern);
    showDecisionResult(main, [&main, tab] {
        auto* tabs = main.windows().window(WindowId::FrmDecision)->findChild<QTabWidget*>();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == QString::fromUtf8(tab)) {
                tabs->setCurrentIndex(i);
            }
        }
        QMdiSubWindow* frame = main.windows().frame(WindowId::FrmDecision);
        frame->move(0, 0);
        frame->raise();
        QTimer::singleShot(300, &main, [&main] { printFrame(main, WindowId::FrmDecision); });
    });
}

// Every window open, the decision analysis and a simulation run on the
// realistic unit, then tiled.
void tileEverything(FrmMain& main, const char* item) {
    openAllCharts(main);
    showDecisionResult(main, [&main, item] {
        auto* simulator = qobject_cast<FrmStats*>(main.windows().load(WindowId::FrmStats));
        triggerAll(main, {"MnuSimulation"});
        QObject::connect(simulator, &FrmStats::idle, &main, [&main, item] {
            main.windows().show(WindowId::FrmData);
            arrange(main, item);
            QTimer::singleShot(500, &main, [&main] { printFrame(main, WindowId::FrmGraph); });
        });
        QTimer::singleShot(100, simulator,
                           [simulator] { simulator->findChild<QPushButton*>(QStringLiteral("Command3"))->click(); });
    });
}

// The guide as F1 opens it, turned to a heading.
void showGuide(FrmMain& main, const QString& anchor) {
    main.findChild<QAction*>(QStringLiteral("mnuToolsUserGuide"))->trigger();
    QMdiSubWindow* frame = main.windows().frame(WindowId::FrmGuide);
    frame->setGeometry(0, 0, 1180, 780);
    QTimer::singleShot(300, &main, [&main, anchor] {
        auto* guide = qobject_cast<FrmGuide*>(main.windows().window(WindowId::FrmGuide));
        guide->showHeading(anchor);
        main.windows().frame(WindowId::FrmGuide)->raise();
        printFrame(main, WindowId::FrmGuide);
    });
}

// The units of a sale area, run and sorted by cost.
void showOverview(FrmMain& main, const QString& path) {
    main.findChild<QAction*>(QStringLiteral("mnuToolsUnitsOverview"))->trigger();
    auto* overview = qobject_cast<FrmUnitsOverview*>(main.windows().window(WindowId::FrmUnitsOverview));
    main.windows().frame(WindowId::FrmUnitsOverview)->setGeometry(0, 0, 900, 560);
    overview->setSeed(1);
    QObject::connect(overview, &FrmUnitsOverview::runEnded, &main, [&main, overview] {
        overview->table()->sortByColumn(FrmUnitsOverview::Cost, Qt::AscendingOrder);
        overview->table()->resizeColumnsToContents();
        QTimer::singleShot(300, &main, [&main] {
            main.windows().frame(WindowId::FrmUnitsOverview)->raise();
            printFrame(main, WindowId::FrmUnitsOverview);
        });
    });
    overview->openPaths({path});
    overview->run();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string scene = argc < 2 ? "charts" : argv[1];

    FrmMain main;
    main.load();
    main.showMaximized();
    // A bare X server has no window manager to maximize the window.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        main.setGeometry(screen->availableGeometry());
    }
    if (scene == "variables") {
        QTimer::singleShot(300, &main, [&main] {
            main.windows().frame(WindowId::FrmData)->move(0, 0);
            printFrame(main, WindowId::FrmData);
        });
    } else if (scene == "simulator") {
        showSimulator(main);
    } else if (scene == "simchart") {
        showSimulationChart(main);
    } else if (scene == "decision") {
        showDecision(main);
    } else if (scene == "decision-voi") {
        showDecisionTab(main, quorvale::texts::decision::kTabVoi);
    } else if (scene == "decision-compare") {
        showDecisionTab(main, quorvale::texts::decision::kTabCompare);
    } else if (scene == "guide") {
        showGuide(main, QString::fromLatin1(argc < 3 ? "layout-with-parallel-corridors" : argv[2]));
    } else if (scene == "overview" && argc >= 3) {
        showOverview(main, QString::fromLocal8Bit(argv[2]));
    } else if (scene == "cascade") {
        showCascade(main);
    } else if (scene == "tile-h") {
        tileEverything(main, "mnuWindowTileHorizontal");
    } else if (scene == "tile-v") {
        tileEverything(main, "mnuWindowTileVertical");
    } else if (scene == "costchart") {
        showCostChart(main);
    } else {
        showCharts(main);
    }
    return QApplication::exec();
}
