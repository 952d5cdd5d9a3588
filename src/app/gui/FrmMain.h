#pragma once
// The main window: a multiple-document frame holding every other window of
// the program, with the menus File, "View", "Show Results", Window and Help,
// and a status bar. It owns the window registry, through which every child
// window is reached, and offers the static analysis (graph_itmain), the cost
// chart title (SetCostChartTitle) and the simulation run (stat_itmain) to the
// other windows.

#include <QMainWindow>
#include <cstdint>
#include <optional>
#include <vector>

#include "charts/gui/ResultsMenu.h"
#include "charts/ChartLoading.h"
#include "model/RangeSweep.h"
#include "app/gui/VariablesLink.h"
#include "report/gui/ReportHost.h"
#include "simulator/gui/SimulatorHost.h"

class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

namespace quorvale {

class FrmData;
class FrmStats;
class ShellMenus;
class StaticChartWindow;
class GuideActions;
class OverviewActions;
class ReportActions;
class UnitActions;
class WindowRegistry;

class FrmMain : public QMainWindow, public ChartWindows, public ResultsHost, public SimulatorHost, public ReportHost {
    Q_OBJECT

public:
    // The window in its design state: menus, status bar, window factories.
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    // The load handler, in this order: string-table captions, placement
    // from the settings store, "Low Range" checked, the Variables window
    // shown (its load runs the analysis, which reads that mark), then the
    // Simulator window shown (its load opens the simulation chart hidden).
    void load();

    WindowRegistry& windows() override { return *m_windows; }
    ResultsMenu& results() const { return *m_results; }
    ShellMenus& shellMenus() const { return *m_shellMenus; }
    QMdiArea* mdiArea() const { return m_area; }
    QMainWindow& mainWindow() override { return *this; }
    QMenu* toolsMenu() const override { return m_tools; }
    // Unit files: open, save, recent, drops, the kept inputs.
    UnitActions& units() const override { return *m_units; }
    // The unit report (PDF).
    ReportActions& reports() const { return *m_reports; }

    // The static analysis: repair and read the inputs of the Variables
    // window, sweep the range case of the menu marks, and fill every chart
    // whose group has a checked item.
    void graph_itmain() override;
    // Writes the cost chart's caption for the cost and range marks, when
    // one of the titles applies; otherwise leaves the cost chart alone.
    void SetCostChartTitle() override;

    GraphMarks graphMarks() const override { return m_results->marks(); }

    // The chart windows as the sweep writes them; touching one loads it.
    DataGrid& chart(ChartGroup group) override;
    void setCaption(ChartGroup group, const std::string& caption) override;
    void setLook(ChartGroup group, const ChartLook& look) override;

    // The simulation run that "Go" of the Simulator window starts: the
    // Monte Carlo engine on the Variables window's inputs, writing the
    // Simulator window (the view) and the simulation chart.
    RunSummary stat_itmain(RunView& view) override;
    // A fixed seed makes every following run draw the same samples (tests,
    // benchmarks); without one each run takes its seed from the clock.
    void setRunSeed(std::optional<std::uint64_t> seed) { m_runSeed = seed; }
    // What the last run did, once one has run.
    const std::optional<RunSummary>& lastRun() const override { return m_lastRun; }
    bool lastRunMatches(InputVariables& inputs) override;

    // What the Simulator window reaches through the main window.
    InputVariables& variables() override { return m_variables; }
    void setVariablesEnabled(bool enabled) override;
    bool simulationGraphChecked() override;
    DataGrid& statsChart() override;
    bool statsChartVisible() override;
    void setStatsChartVisible(bool visible) override;
    void loadStatsChartHidden() override;
    void closeStatsChart() override;

    // Reaching a window loads it when it is closed.
    FrmData* frmData();
    StaticChartWindow* chartWindow(ChartGroup group);

    // What the last analysis did, and how many have run.
    const SweepOutcome& lastSweep() const { return m_lastSweep; }
    int analysisRuns() const { return m_analysisRuns; }

signals:
    // A static analysis has run: the inputs may have changed.
    void staticAnalysisRan();
    // An edit has left the inputs other than the last simulation run read
    // them.
    void lastRunOutOfDate();

public slots:
    // Help > About: the About box, modal, with this window as its owner.
    void showAboutBox();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void registerWindows();
    // Tools > "Decision Analysis...".
    void addDecisionItem();
    void createStatusBar();
    void updateClock();
    void restorePlacement();
    void savePlacement();
    void closeWhenAsked();
    void inputsEdited();
    // From the close on, nothing may open windows again.
    bool closingDown() const { return m_closing || m_closeWhenIdle; }
    FrmStats* openSimulator() const;

    QMdiArea* m_area;
    WindowRegistry* m_windows;
    ResultsMenu* m_results;
    ShellMenus* m_shellMenus;
    QMenu* m_tools = nullptr;
    UnitActions* m_units = nullptr;
    ReportActions* m_reports = nullptr;
    GuideActions* m_guide = nullptr;
    OverviewActions* m_overview = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer* m_clock = nullptr;
    VariablesLink m_variables;

    SweepOutcome m_lastSweep;
    int m_analysisRuns = 0;
    std::optional<std::uint64_t> m_runSeed;
    std::optional<RunSummary> m_lastRun;
    // The input values and pattern the last run read, to tell when its
    // results no longer belong to the inputs.
    std::vector<double> m_lastRunInputs;
    bool m_variablesLocked = false;
    bool m_placementSaved = false;
    bool m_closeWhenIdle = false;
    bool m_closing = false;
};

}  // namespace quorvale
