#pragma once
// The main window: a multiple-document frame holding every other window of
// the program, with the menus File, "View", "Show Results", Window and Help,
// and a status bar. It owns the window registry, through which every child
// window is reached, and offers the static analysis (graph_itmain) and the
// cost chart title (SetCostChartTitle) to the other windows.

#include <QMainWindow>

#include "charts/ResultsMenu.h"
#include "model/ChartLoading.h"
#include "model/RangeSweep.h"

class QLabel;
class QMdiArea;
class QTimer;

namespace quorvale {

class FrmData;
class ShellMenus;
class StaticChartWindow;
class WindowRegistry;

class FrmMain : public QMainWindow, public ChartWindows, public ResultsHost {
    Q_OBJECT

public:
    // The window in its design state: menus, status bar, window factories.
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    // The load handler, in this order: string-table captions, placement
    // from the settings store, "Low Range" checked, the Variables window
    // shown (its load runs the analysis, which reads that mark), then the
    // Simulator window shown when it is registered.
    void load();

    WindowRegistry& windows() override { return *m_windows; }
    ResultsMenu& results() const { return *m_results; }
    ShellMenus& shellMenus() const { return *m_shellMenus; }
    QMdiArea* mdiArea() const { return m_area; }

    // The static analysis: repair and read the inputs of the Variables
    // window, sweep the range case of the menu marks, and fill every chart
    // whose group has a checked item.
    void graph_itmain() override;
    // Writes the cost chart's caption for the cost and range marks, when
    // one of the titles applies; otherwise leaves the cost chart alone.
    void SetCostChartTitle() override;

    GraphMarks graphMarks() const { return m_results->marks(); }

    // The chart windows as the sweep writes them; touching one loads it.
    DataGrid& chart(ChartGroup group) override;
    void setCaption(ChartGroup group, const std::string& caption) override;

    // Reaching a window loads it when it is closed.
    FrmData* frmData();
    StaticChartWindow* chartWindow(ChartGroup group);

    // What the last analysis did, and how many have run.
    const SweepOutcome& lastSweep() const { return m_lastSweep; }
    int analysisRuns() const { return m_analysisRuns; }

public slots:
    // Help > About. The About box is connected here when it exists.
    void showAboutBox();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void registerWindows();
    void createStatusBar();
    void updateClock();
    void restorePlacement();
    void savePlacement();

    QMdiArea* m_area;
    WindowRegistry* m_windows;
    ResultsMenu* m_results;
    ShellMenus* m_shellMenus;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer* m_clock = nullptr;

    SweepOutcome m_lastSweep;
    int m_analysisRuns = 0;
    bool m_closing = false;
};

}  // namespace quorvale
