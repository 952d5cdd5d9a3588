#include "simulator/gui/FrmStats.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "inputs/NumberText.h"
#include "base/gui/Twips.h"
#include "simulator/gui/FractionBar.h"
#include "simulator/gui/StatsRunView.h"
#include "base/Texts.h"
#include "simulator/gui/TargetUpDown.h"
#include "simulator/StepStatistics.h"

namespace quorvale {
namespace {

// Positions are in twips, left and top edges, as the window was designed.
constexpr int kClientWidth = 5325;
constexpr int kClientHeight = 5550;
constexpr int kFieldHeight = 255;
constexpr int kButtonHeight = 375;
constexpr int kRuleWidth = 5280;

// The target's spin button: starts at 5, steps by 1 between 1 and 100.
constexpr int kSpinStart = 5;
constexpr int kSpinLower = 1;
constexpr int kSpinUpper = 100;
constexpr int kSpinStep = 1;

struct FieldSpot {
    RunField field;
    const char* name;
    int left;
    int top;
    int width;
};

// In the order of RunField.
constexpr std::array<FieldSpot, kRunFieldCount> kFieldSpots{{
    {RunField::TextEYD, "TextEYD", 2040, 1440, 615},
    {RunField::TextCheck, "TextCheck", 4560, 4320, 735},
    {RunField::TextRuns, "TextRuns", 2880, 4320, 975},
    {RunField::TextAverage, "TextAverage", 2880, 4680, 975},
    {RunField::TextVariance, "TextVariance", 2880, 5040, 975},
    {RunField::TextMin, "TextMin", 4560, 4680, 735},
    {RunField::TextMax, "TextMax", 4560, 5040, 735},
    {RunField::TextOptEYD, "TextOptEYD", 1920, 2160, 615},
    {RunField::TextMinCost, "TextMinCost", 4560, 2160, 615},
    {RunField::TextSpacing, "TextSpacing", 1920, 2520, 615},
    {RunField::TextDensity, "TextDensity", 4560, 2520, 615},
    {RunField::TextAyd, "TextAyd", 1920, 2880, 615},
    {RunField::TextAeyd, "TextAeyd", 4560, 2880, 615},
    {RunField::TextLyd, "TextLyd", 1920, 3240, 615},
    {RunField::TextAlyd, "TextAlyd", 4560, 3240, 615},
    {RunField::TextCorridors, "TextCorridors", 1920, 3600, 615},
    {RunField::TextLandings, "TextLandings", 4560, 3600, 615},
}};

constexpr bool fieldSpotsInEnumOrder() {
    for (int i = 0; i < kRunFieldCount; ++i) {
        if (static_cast<int>(kFieldSpots[static_cast<size_t>(i)].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(fieldSpotsInEnumOrder());

// The order in which the window resets its output fields.
constexpr std::array<RunField, kRunFieldCount> kResetOrder{
    RunField::TextCheck,    RunField::TextRuns,    RunField::TextAverage, RunField::TextVariance,
    RunField::TextMin,      RunField::TextMax,     RunField::TextEYD,     RunField::TextMinCost,
    RunField::TextOptEYD,   RunField::TextSpacing, RunField::TextDensity, RunField::TextAyd,
    RunField::TextAeyd,     RunField::TextLyd,     RunField::TextAlyd,    RunField::TextCorridors,
    RunField::TextLandings,
};

// Labels stand right-aligned just left of their field; the heading of the
// sample statistics wraps over the three rows beside it.
struct LabelSpot {
    const char* name;
    const char* text;
    int left;
    int top;
    int width;
    int height;
};

constexpr std::array<LabelSpot, 19> kLabelSpots{{
    {"LblTarget", texts::simulator::kTarget, 120, 960, 1860, kFieldHeight},
    {"LblEydCounter", texts::simulator::kEydCounter, 480, 1440, 1500, kFieldHeight},
    {"LblOptimalEyd", texts::simulator::kOptimalEyd, 360, 2160, 1500, kFieldHeight},
    {"LblMinTotalCost", texts::simulator::kMinTotalCost, 2640, 2160, 1860, kFieldHeight},
    {"LblLandingSpacing", texts::simulator::kLandingSpacing, -120, 2520, 1980, kFieldHeight},
    {"LblRoadDensity", texts::simulator::kRoadDensity, 2280, 2520, 2220, kFieldHeight},
    {"LblAyd", texts::simulator::kAyd, -120, 2880, 1980, kFieldHeight},
    {"LblAeyd", texts::simulator::kAeyd, 2280, 2880, 2220, kFieldHeight},
    {"LblLyd", texts::simulator::kLyd, -120, 3240, 1980, kFieldHeight},
    {"LblAlyd", texts::simulator::kAlyd, 2280, 3240, 2220, kFieldHeight},
    {"LblCorridors", texts::simulator::kCorridors, -120, 3600, 1980, kFieldHeight},
    {"LblLandings", texts::simulator::kLandings, 2280, 3600, 2220, kFieldHeight},
    {"LblSampleStats", texts::simulator::kSampleStats, 120, 4440, 1455, 735},
    {"LblIterations", texts::simulator::kIterations, 2040, 4320, 780, kFieldHeight},
    {"LblRandom", texts::simulator::kRandom, 3960, 4320, 540, kFieldHeight},
    {"LblMean", texts::simulator::kMean, 2040, 4680, 780, kFieldHeight},
    {"LblMin", texts::simulator::kMin, 3960, 4680, 540, kFieldHeight},
    {"LblStdDev", texts::simulator::kStdDev, 2040, 5040, 780, kFieldHeight},
    {"LblMax", texts::simulator::kMax, 3960, 5040, 540, kFieldHeight},
}};

}  // namespace

// Counts the handlers that hold the window on the stack ("Go" with its run,
// "Pause 5 Sec."); the last one out completes a close asked for meanwhile.
class FrmStats::BusyScope {
public:
    explicit BusyScope(FrmStats& window) : m_window(window) { ++m_window.m_busyDepth; }
    ~BusyScope() { m_window.leaveBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    FrmStats& m_window;
};

FrmStats::FrmStats(SimulatorHost& host, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_rule(host.variables().valueRule()) {
    setObjectName(QStringLiteral("FrmStats"));
    setWindowTitle(QString::fromUtf8(texts::simulator::kCaption));
    buildControls();
}

void FrmStats::loadWindow() {
    placeInArea();
    if (QMdiArea* area = mdiArea()) {
        area->viewport()->installEventFilter(this);
    }
    m_targetField->setText(QString::fromUtf8(texts::simulator::kDefaultTarget));
    Initiate_Variables();
    m_host.loadStatsChartHidden();
}

FrmStats::~FrmStats() = default;

void FrmStats::buildControls() {
    const Twips twips(*this);
    setFixedSize(twips.size(kClientWidth, kClientHeight));

    auto button = [&](const char* name, const char* text, int left, int width) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setGeometry(twips.rect(left, 120, width, kButtonHeight));
        return b;
    };
    m_go = button("Command3", texts::simulator::kGo, 840, 855);
    m_pause = button("Command2", texts::simulator::kPause, 2040, 1335);
    m_end = button("Command1", texts::simulator::kEnd, 3720, 855);
    connect(m_go, &QPushButton::clicked, this, &FrmStats::go);
    connect(m_pause, &QPushButton::clicked, this, &FrmStats::pause);
    connect(m_end, &QPushButton::clicked, this, &FrmStats::end);

    m_targetField = new QLineEdit(this);
    m_targetField->setObjectName(QStringLiteral("TextADev"));
    m_targetField->setGeometry(twips.rect(2040, 960, 495, 285));
    m_targetField->installEventFilter(this);
    m_upDown = new TargetUpDown(kSpinStart, kSpinLower, kSpinUpper, kSpinStep, this);
    m_upDown->setObjectName(QStringLiteral("UpDown_0"));
    m_upDown->setGeometry(twips.rect(2535, 960, 240, 285));
    connect(m_targetField, &QLineEdit::textChanged, this, &FrmStats::targetEdited);
    connect(m_upDown, &TargetUpDown::stepRequested, this, &FrmStats::stepTarget);

    for (const FieldSpot& spot : kFieldSpots) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromUtf8(spot.name));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus);
        field->setGeometry(twips.rect(spot.left, spot.top, spot.width, kFieldHeight));
        m_fields[static_cast<size_t>(spot.field)] = field;
    }

    const std::array<const char*, 2> barNames{"ProgressBar1", "ProgressBar2"};
    const std::array<const char*, 2> percentNames{"LblPercent", "LblPercent2"};
    const std::array<int, 2> barTops{960, 1440};
    for (size_t i = 0; i < 2; ++i) {
        m_bars[i] = new FractionBar(this);
        m_bars[i]->setObjectName(QString::fromUtf8(barNames[i]));
        m_bars[i]->setGeometry(twips.rect(3000, barTops[i], 1335, kFieldHeight));
        m_percents[i] = new QLabel(this);
        m_percents[i]->setObjectName(QString::fromUtf8(percentNames[i]));
        m_percents[i]->setGeometry(twips.rect(4560, barTops[i], kClientWidth - 4560, kFieldHeight));
        // A new percentage would otherwise ask the window, and its frame,
        // to lay themselves out anew after every step.
        m_percents[i]->setFixedSize(m_percents[i]->size());
    }

    std::vector<QLabel*> singleLine;
    for (const LabelSpot& spot : kLabelSpots) {
        auto* label = new QLabel(QString::fromUtf8(spot.text), this);
        label->setObjectName(QString::fromUtf8(spot.name));
        label->setGeometry(twips.rect(spot.left, spot.top, spot.width, spot.height));
        const bool heading = spot.height > kFieldHeight;
        label->setWordWrap(heading);
        label->setAlignment(heading ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignRight | Qt::AlignVCenter);
        if (!heading) {
            singleLine.push_back(label);
        }
    }
    fitFont(singleLine);

    const std::array<std::pair<const char*, int>, 2> rules{{{"Line2", 1920}, {"Line1", 4080}}};
    for (const auto& [name, top] : rules) {
        auto* rule = new QFrame(this);
        rule->setObjectName(QString::fromUtf8(name));
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        rule->setGeometry(QRect(twips.x(0), twips.y(top) - 1, twips.x(kRuleWidth), 3));
    }
}

// The layout was drawn for a narrow 8-point face. With the wider faces of
// today's desktops the labels would be cut off, so the window's face shrinks
// until the longest label fits its place; the arrangement stays as drawn.
void FrmStats::fitFont(const std::vector<QLabel*>& labels) {
    QFont face = font();
    const QFontMetricsF metrics(face);
    double worst = 1.0;
    for (const QLabel* label : labels) {
        worst = std::max(worst, metrics.horizontalAdvance(label->text()) / std::max(1, label->width()));
    }
    if (worst <= 1.0) {
        return;
    }
    // A little slack for rounding inside the text layout.
    constexpr double kSlack = 1.03;
    constexpr double kSmallestPoints = 6.0;
    if (face.pointSizeF() > 0) {
        face.setPointSizeF(std::max(kSmallestPoints, face.pointSizeF() / (worst * kSlack)));
    } else {
        face.setPixelSize(std::max(8, static_cast<int>(face.pixelSize() / (worst * kSlack))));
    }
    setFont(face);
}

QMdiArea* FrmStats::mdiArea() const {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub != nullptr ? sub->mdiArea() : nullptr;
}

void FrmStats::placeInArea() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = mdiArea();
    if (area == nullptr) {
        return;
    }
    // The middle of the whole client area, as if it had no scroll bars: the
    // window standing out past the edge brings the bars up, and a middle
    // taken from the narrowed viewport would move it back in, the bars would
    // go, and the window would go back out, over and over.
    m_placedAt = QPoint(area->maximumViewportSize().width() / 2, 0);
    sub->move(*m_placedAt);
}

bool FrmStats::isWherePlaced() const {
    const QWidget* sub = parentWidget();
    return m_placedAt && sub != nullptr && !sub->isMinimized() && sub->pos() == *m_placedAt;
}

void FrmStats::Initiate_Variables() {
    for (RunField field : kResetOrder) {
        showField(field, texts::simulator::kZero);
    }
    showBar(RunBar::Step, 0.0F, percentText(0.0F));
    showBar(RunBar::Run, 0.0F, percentText(0.0F));
}

void FrmStats::setResultsStale(bool stale) {
    if (stale == m_stale) {
        return;
    }
    m_stale = stale;
    // The optimum and its layout figures: what a changed input makes wrong.
    for (RunField field :
         {RunField::TextOptEYD, RunField::TextMinCost, RunField::TextSpacing, RunField::TextDensity, RunField::TextAyd,
          RunField::TextAeyd, RunField::TextLyd, RunField::TextAlyd, RunField::TextCorridors, RunField::TextLandings}) {
        QLineEdit* shown = m_fields[static_cast<size_t>(field)];
        QPalette colours = shown->palette();
        colours.setColor(QPalette::Text, stale ? QColor(Qt::gray) : QApplication::palette(shown).color(QPalette::Text));
        shown->setPalette(colours);
        QFont face = shown->font();
        face.setItalic(stale);
        face.setStrikeOut(stale);
        shown->setFont(face);
        shown->setToolTip(stale ? QString::fromUtf8(texts::simulator::kStaleTip) : QString());
    }
}

void FrmStats::markResultsStale() {
    if (!m_running) {
        setResultsStale(true);
    }
}

void FrmStats::setStepOverSampleCount(bool over) {
    const QString tip =
        over ? QString::fromUtf8(texts::simulator::kNotConvergedTip)
                   .arg(QString::fromStdString(plainDecimal(static_cast<double>(kDefaultMaxSamplesPerStep))))
             : QString();
    QLineEdit* runs = m_fields[static_cast<size_t>(RunField::TextRuns)];
    QPalette colours = runs->palette();
    colours.setColor(QPalette::Text,
                     over ? QColor(0xb0, 0x10, 0x10) : QApplication::palette(runs).color(QPalette::Text));
    runs->setPalette(colours);
    for (QWidget* shown : std::initializer_list<QWidget*>{runs, m_bars[0], m_percents[0]}) {
        shown->setToolTip(tip);
    }
}

void FrmStats::requestStop() {
    m_stop = true;
    m_pauseAbort = true;
}

void FrmStats::showField(RunField field, const std::string& text) {
    const auto index = static_cast<size_t>(field);
    // Rewriting a field with its own text would only repaint it.
    if (index < m_fields.size()) {
        const QString shown = QString::fromStdString(text);
        if (m_fields[index]->text() != shown) {
            m_fields[index]->setText(shown);
        }
    }
}

// The label follows the bar: a value the bar refuses leaves both as they were.
void FrmStats::showBar(RunBar bar, float value, const std::string& percent) {
    const auto index = static_cast<size_t>(bar);
    if (index < m_bars.size() && m_bars[index]->setFraction(value)) {
        m_percents[index]->setText(QString::fromStdString(percent));
    }
}

void FrmStats::unlockTarget() { m_targetField->setReadOnly(false); }

void FrmStats::holdRepaints(bool held) {
    if (updatesEnabled() == held) {
        setUpdatesEnabled(!held);
    }
}

void FrmStats::go() {
    if (m_running || m_closePending) {
        return;
    }
    Initiate_Variables();
    setResultsStale(false);
    if (!m_rule.isUsable(m_targetField->text().toStdString())) {
        m_targetField->setText(QString::fromUtf8(texts::simulator::kDefaultTarget));
    }

    BusyScope busy(*this);
    m_running = true;
    // A second run inside the first would share its fields and flag.
    m_go->setEnabled(false);
    m_host.setVariablesEnabled(false);
    StatsRunView view(*this, m_host);
    if (m_run) {
        m_run(m_host.variables(), view, seedFromClock());
    } else {
        m_host.stat_itmain(view);
    }
    m_running = false;
    view.flush();
    m_go->setEnabled(true);
    // Whatever way the run ended, the inputs take edits again.
    m_host.setVariablesEnabled(true);
}

// Holds for three seconds of elapsed time on a monotonic clock, letting the
// event loop run meanwhile; a press during a run holds the run with it.
void FrmStats::pause() {
    BusyScope busy(*this);
    m_pauseAbort = false;
    QElapsedTimer clock;
    clock.start();
    // Wakes the wait below when no other event comes.
    QTimer tick;
    tick.start(20);
    while (clock.elapsed() < kPauseMs && !m_pauseAbort && !m_closePending) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

QString FrmStats::targetText() const { return m_targetField->text(); }

void FrmStats::setTargetText(const QString& text) { m_targetField->setText(text); }

void FrmStats::targetEdited(const QString& text) { m_target = m_rule.value(text.toStdString()); }

// The spin button steps from the typed value when there is one (7.3 goes up
// to 8 and down to 7), else from where it last stood, and stays within its
// limits.
void FrmStats::stepTarget(int direction) {
    const double lower = m_upDown->lower();
    const double upper = m_upDown->upper();
    double base = m_upDown->value();
    if (std::isfinite(m_target) && m_target > 0) {
        base = std::clamp(direction > 0 ? std::floor(m_target) : std::ceil(m_target), lower - 1, upper + 1);
    }
    const double next = std::clamp(base + direction * m_upDown->step(), lower, upper);
    m_upDown->setValue(static_cast<int>(next));
    const QString text = QString::fromStdString(m_rule.wholeNumber(m_upDown->value()));
    if (text != m_targetField->text()) {
        m_targetField->setText(text);
    }
}

bool FrmStats::eventFilter(QObject* watched, QEvent* event) {
    // The area takes its final size only once the main window is shown
    // (maximized by the window system, which may come later), so the window
    // keeps to its place as the area changes until it is moved.
    if (event->type() == QEvent::Resize && isWherePlaced()) {
        if (QMdiArea* area = mdiArea(); area != nullptr && watched == area->viewport()) {
            placeInArea();
        }
    }
    if (watched == m_targetField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepTarget(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

QWidget* FrmStats::frame() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub != nullptr ? static_cast<QWidget*>(sub) : this;
}

void FrmStats::closeEvent(QCloseEvent* event) {
    if (m_busyDepth > 0) {
        // The run or pause below us still uses this window: it disappears
        // now, the run stops at its next sample, and the close completes when
        // the handler returns.
        event->ignore();
        m_closePending = true;
        frame()->hide();
        return;
    }
    ChildWindow::closeEvent(event);
}

void FrmStats::unloadWindow() { m_host.closeStatsChart(); }

void FrmStats::leaveBusy() {
    if (--m_busyDepth > 0) {
        return;
    }
    if (m_closePending) {
        m_closePending = false;
        // A deferred delete at most, so the handler that called us returns
        // into a live window.
        frame()->close();
    }
    emit idle();
}

}  // namespace quorvale
