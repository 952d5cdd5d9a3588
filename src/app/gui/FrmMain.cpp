#include "app/gui/FrmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "base/gui/SettingsStore.h"
#include "charts/CostChartTitles.h"
#include "charts/gui/DataGridChart.h"
#include "charts/gui/StaticChartWindow.h"
#include "inputs/gui/FrmData.h"
#include "app/gui/AppIcon.h"
#include "about/gui/FrmAbout.h"
#include "app/gui/LoadFormStrings.h"
#include "app/gui/ShellMenus.h"
#include "report/gui/ReportActions.h"
#include "units/gui/UnitActions.h"
#include "batch/gui/OverviewActions.h"
#include "guide/gui/GuideActions.h"
#include "base/Texts.h"
#include "base/gui/Twips.h"
#include "app/gui/WindowPlacement.h"
#include "base/gui/WindowRegistry.h"
#include "decision/gui/FrmDecision.h"
#include "simulator/gui/FrmGraphStats.h"
#include "simulator/gui/FrmStats.h"

namespace quorvale {
namespace {

constexpr double kStatusPanelTwips = 2619;
// The smallest main window a restored placement may give.
constexpr QSize kMinimumPlacement{320, 240};

// Where the writes of a chart go when its window could not be opened.
class NowhereGrid final : public DataGrid {
public:
    void setColumnCount(int) override {}
    void setRowCount(int) override {}
    void setRow(int) override {}
    void setRowX(double) override {}
    void setColumn(int) override {}
    void setData(double) override {}
    void refresh() override {}
};

// What a run reads of the inputs: every entry's value and the pattern.
std::vector<double> inputValues(InputVariables& inputs) {
    std::vector<double> values;
    values.reserve(kEntryCount + 1);
    for (int i = 0; i < kEntryCount; ++i) {
        values.push_back(inputs.value(i));
    }
    values.push_back(inputs.pattern() == CorridorPattern::Parallel ? 0 : 1);
    return values;
}

DataGrid& nowhere() {
    static NowhereGrid grid;
    return grid;
}

}  // namespace

FrmMain::FrmMain(QWidget* parent)
    : QMainWindow(parent),
      m_area(new QMdiArea(this)),
      m_windows(new WindowRegistry(m_area, this)),
      m_results(new ResultsMenu(*this, this)),
      m_shellMenus(new ShellMenus(m_area, this)),
      m_variables([this] { return closingDown() ? nullptr : frmData(); }) {
    setObjectName(QStringLiteral("frmMain"));
    // Child windows take the program's icon from the application.
    QApplication::setWindowIcon(AppIcon::icon());
    setWindowTitle(QString::fromUtf8(texts::shell::kMainCaption));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

    QMenuBar* bar = menuBar();
    m_shellMenus->addFileMenu(bar);
    m_results->addTo(bar);
    m_tools = m_shellMenus->addToolsMenu(bar);
    addDecisionItem();
    m_shellMenus->addWindowMenu(bar);
    m_shellMenus->addHelpMenu(bar);
    connect(m_shellMenus, &ShellMenus::exitRequested, this, &QWidget::close);
    connect(m_shellMenus, &ShellMenus::aboutRequested, this, &FrmMain::showAboutBox);

    createStatusBar();
    registerWindows();
    m_units = new UnitActions(*this);
    m_reports = new ReportActions(*this);
    m_overview = new OverviewActions(*this, *m_units);
    m_guide = new GuideActions(*this);
    connect(m_windows, &WindowRegistry::windowClosed, this, [this](WindowId id) {
        if (id == WindowId::FrmData) {
            m_variables.windowClosed();
        }
    });
}

FrmMain::~FrmMain() = default;

void FrmMain::registerWindows() {
    m_windows->setFactory(WindowId::FrmData, [this] {
        auto* data = new FrmData([this] { graph_itmain(); });
        connect(data, &FrmData::edited, this, &FrmMain::inputsEdited);
        // Opened again while a run reads the inputs, it takes no input either.
        data->setEnabled(!m_variablesLocked);
        return data;
    });
    for (const StaticChartDesign& design : staticChartDesigns()) {
        m_windows->setFactory(StaticChartWindow::windowId(design.group), [this, &design] {
            // A closing chart window clears its marks through the one main
            // window, not through a reference of its own to the menu.
            return new StaticChartWindow(design, [this](const QString& item) { m_results->setChecked(item, false); });
        });
    }
    m_windows->setFactory(WindowId::FrmStats, [this] {
        auto* simulator = new FrmStats(*this);
        // A close of the main window asked for during a run completes once
        // the run has left the stack.
        connect(simulator, &FrmStats::idle, this, &FrmMain::closeWhenAsked, Qt::QueuedConnection);
        connect(this, &FrmMain::lastRunOutOfDate, simulator, &FrmStats::markResultsStale);
        return simulator;
    });
    m_windows->setFactory(WindowId::FrmGraphStats, [this] {
        return new FrmGraphStats([this](const QString& item) { m_results->setChecked(item, false); });
    });
}

void FrmMain::addDecisionItem() {
    QAction* item = m_tools->addAction(QString::fromUtf8(texts::decision::kMenuItem));
    item->setObjectName(QStringLiteral("mnuToolsDecision"));
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(item, &QAction::triggered, this, [this] {
        if (!closingDown()) {
            m_windows->show(WindowId::FrmDecision);
        }
    });
    m_windows->setFactory(WindowId::FrmDecision, [this] {
        auto* decision = new FrmDecision(m_variables, [this] { return m_units->unitName(); });
        connect(this, &FrmMain::staticAnalysisRan, decision, &FrmDecision::inputsMayHaveChanged);
        return decision;
    });
}

void FrmMain::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    auto* status = new QLabel(QString::fromUtf8(texts::shell::kStatusPanel), bar);
    status->setObjectName(QStringLiteral("sbStatusBarPanel1"));
    status->setFixedWidth(Twips::screen().x(kStatusPanelTwips));
    m_datePanel = new QLabel(bar);
    m_datePanel->setObjectName(QStringLiteral("sbStatusBarPanel2"));
    m_timePanel = new QLabel(bar);
    m_timePanel->setObjectName(QStringLiteral("sbStatusBarPanel3"));
    bar->addWidget(status);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);

    // Checked every second, so the panels turn over within a second of
    // midnight or of a new minute.
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrmMain::updateClock);
    m_clock->start();
    updateClock();
}

void FrmMain::updateClock() {
    const QLocale locale;
    m_datePanel->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    m_timePanel->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void FrmMain::load() {
    LoadFormStrings(this);
    restorePlacement();
    m_results->setChecked(QStringLiteral("MnuGraphLow"), true);
    m_windows->show(WindowId::FrmData);
    m_windows->show(WindowId::FrmStats);
}

void FrmMain::restorePlacement() {
    std::unique_ptr<QSettings> store = SettingsStore::open();
    const Placement placement = WindowPlacement::read(*store);
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.append(primary->availableGeometry());
    }
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            screens.append(screen->availableGeometry());
        }
    }
    const QRect wanted = WindowPlacement::toPixels(placement, Twips::screenDpi());
    setGeometry(WindowPlacement::reachable(wanted, screens, kMinimumPlacement));
}

void FrmMain::savePlacement() {
    // The placement the window returns to when it is not maximized: the
    // window always opens maximized, so this is the one worth keeping.
    // Said once, on stderr: the window is closing, and a lost placement is
    // no reason to hold up the exit with a dialog.
    std::unique_ptr<QSettings> store = SettingsStore::open();
    const QString failure =
        WindowPlacement::write(*store, WindowPlacement::fromPixels(normalGeometry(), Twips::screenDpi()));
    if (!failure.isEmpty()) {
        qWarning().noquote() << failure;
    }
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (!m_placementSaved) {
        m_placementSaved = true;
        if (!isMinimized()) {
            savePlacement();
        }
    }
    if (FrmStats* simulator = openSimulator(); simulator && simulator->isBusy()) {
        // A run (or a pause) is on the stack below this close and still
        // writes into the windows. It stops at its next sample, a moment
        // from now, and the close completes when the run has returned. The
        // window stays up until then: hidden, its close would no longer
        // count as the last window closing, and the program would not end.
        m_closeWhenIdle = true;
        simulator->requestStop();
        event->ignore();
        return;
    }
    if (!m_closing) {
        m_closing = true;
        m_clock->stop();
        // Every child closes with the main window, each chart clearing its
        // marks on the way.
        m_windows->closeAll();
    }
    event->accept();
}

void FrmMain::closeWhenAsked() {
    if (m_closeWhenIdle && !m_closing) {
        close();
    }
}

FrmStats* FrmMain::openSimulator() const { return qobject_cast<FrmStats*>(m_windows->window(WindowId::FrmStats)); }

FrmData* FrmMain::frmData() { return m_windows->loadAs<FrmData>(WindowId::FrmData); }

StaticChartWindow* FrmMain::chartWindow(ChartGroup group) {
    return m_windows->loadAs<StaticChartWindow>(StaticChartWindow::windowId(group));
}

DataGrid& FrmMain::chart(ChartGroup group) {
    StaticChartWindow* window = chartWindow(group);
    if (!window) {
        return nowhere();
    }
    return *window->chart();
}

void FrmMain::setCaption(ChartGroup group, const std::string& caption) {
    if (StaticChartWindow* window = chartWindow(group)) {
        window->setWindowTitle(QString::fromStdString(caption));
    }
}

// Only an open window takes a look: the sweep has just opened every window
// it writes, and the look must never open one.
void FrmMain::setLook(ChartGroup group, const ChartLook& look) {
    if (auto* window = qobject_cast<StaticChartWindow*>(m_windows->window(StaticChartWindow::windowId(group)))) {
        window->chart()->setLook(look);
    }
}

void FrmMain::graph_itmain() {
    // Nothing may reopen windows while the main window is closing.
    if (closingDown()) {
        return;
    }
    FrmData* inputs = frmData();
    if (!inputs) {
        return;
    }
    const GraphMarks marks = graphMarks();
    ChartLoading loading(*this, marks);
    SweepOutcome outcome = quorvale::graph_itmain(*inputs, marks, loading);
    if (outcome.failedStep) {
        // The sweep stopped at a step whose figures are no numbers. Rows
        // after it would still show an earlier run's curve, as if it
        // belonged to these inputs; the charts keep only this run's rows.
        for (ChartGroup group : kPrepareOrder) {
            if (isGroupActive(group, marks)) {
                DataGrid& grid = chart(group);
                grid.setRowCount(outcome.stepsWritten);
                grid.refresh();
            }
        }
    }
    m_lastSweep = outcome;
    ++m_analysisRuns;
    emit staticAnalysisRan();
}

void FrmMain::SetCostChartTitle() {
    if (closingDown()) {
        return;
    }
    if (std::optional<int> number = costChartTitleNumber(graphMarks())) {
        setCaption(ChartGroup::Cost, std::string(costChartTitle(*number)));
    }
}

void FrmMain::showAboutBox() { FrmAbout::showModal(this); }

RunSummary FrmMain::stat_itmain(RunView& view) {
    RunSummary run = quorvale::stat_itmain(m_variables, view, m_runSeed ? *m_runSeed : seedFromClock());
    m_lastRun = run;
    m_lastRunInputs = inputValues(m_variables);
    return run;
}

bool FrmMain::lastRunMatches(InputVariables& inputs) { return m_lastRun && inputValues(inputs) == m_lastRunInputs; }

// Once an edit leaves the inputs other than the last run read them, the
// Simulator shows that run's results as out of date.
void FrmMain::inputsEdited() {
    auto* data = qobject_cast<FrmData*>(sender());
    if (data && m_lastRun && inputValues(*data) != m_lastRunInputs) {
        emit lastRunOutOfDate();
    }
}

void FrmMain::setVariablesEnabled(bool enabled) {
    m_variablesLocked = !enabled;
    if (QWidget* data = m_windows->window(WindowId::FrmData)) {
        data->setEnabled(enabled);
    }
}

bool FrmMain::simulationGraphChecked() { return m_results->isChecked(QStringLiteral("MnuSimulation")); }

// Touching the chart opens a closed chart window, visible; once the main
// window is closing the run's writes go nowhere.
DataGrid& FrmMain::statsChart() {
    if (closingDown()) {
        return nowhere();
    }
    auto* window = m_windows->loadAs<SingleChartWindow>(WindowId::FrmGraphStats);
    return window ? *window->chart() : nowhere();
}

// Asking a closed window whether it is visible loads it, and a loaded child
// window is visible.
bool FrmMain::statsChartVisible() {
    if (closingDown() || !m_windows->load(WindowId::FrmGraphStats)) {
        return false;
    }
    QMdiSubWindow* frame = m_windows->frame(WindowId::FrmGraphStats);
    return frame && !frame->isHidden();
}

void FrmMain::setStatsChartVisible(bool visible) {
    if (closingDown()) {
        return;
    }
    if (!visible) {
        m_windows->hide(WindowId::FrmGraphStats);
    } else if (m_windows->load(WindowId::FrmGraphStats)) {
        m_windows->frame(WindowId::FrmGraphStats)->show();
    }
}

void FrmMain::loadStatsChartHidden() {
    if (!closingDown()) {
        m_windows->hide(WindowId::FrmGraphStats);
    }
}

void FrmMain::closeStatsChart() { m_windows->close(WindowId::FrmGraphStats); }

}  // namespace quorvale
