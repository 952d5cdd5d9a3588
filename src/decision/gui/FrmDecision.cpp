#include "decision/gui/FrmDecision.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QFileInfo>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "decision/ValueSummary.h"
#include "decision/gui/BeliefsPanel.h"
#include "decision/gui/DecisionComparisonChart.h"
#include "decision/gui/DecisionCostChart.h"
#include "decision/gui/DecisionVoiChart.h"
#include "units/UnitDocument.h"
#include "decision/gui/DecisionJob.h"
#include "decision/gui/DecisionTornadoChart.h"
#include "inputs/InputRules.h"
#include "inputs/NumberText.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale {
namespace {

namespace tx = texts::decision;

QString count(std::uint64_t n) { return QString::fromStdString(countText(n)); }

constexpr int kProgressSteps = 1000;
// The charts stand side by side in a window at least this much wider than
// high, else one above the other.
constexpr double kSideBySideAspect = 1.1;

}  // namespace

DecisionInputs DecisionInputs::capture(InputVariables& inputs) {
    // The run reads repaired values, as the analyses do, but the fields
    // stay as the user left them: only a copy is repaired.
    InMemoryInputs copy(inputs.valueRule().locale());
    for (int entry = 0; entry < kEntryCount; ++entry) {
        copy.setEntryText(entry, inputs.entryText(entry));
        copy.setSpinValue(entry, inputs.spinValue(entry));
    }
    copy.setPattern(inputs.pattern());
    Repair_Variables(copy);
    return {RunInputs(copy), copy.pattern(), {}};
}

bool DecisionInputs::sameAs(const DecisionInputs& other) const {
    if (pattern != other.pattern || ranges.highEydFeet() != other.ranges.highEydFeet()) {
        return false;
    }
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        const DrawRange& a = ranges.range(i);
        const DrawRange& b = other.ranges.range(i);
        if (a.low != b.low || a.high != b.high) {
            return false;
        }
    }
    return true;
}

FrmDecision::FrmDecision(InputVariables& inputs, UnitName unitName, QWidget* parent)
    : ChildWindow(parent), m_inputs(inputs), m_unitName(std::move(unitName)) {
    setObjectName(QStringLiteral("FrmDecision"));
    setWindowTitle(qtext(tx::kCaption));
    buildControls();
    showHeader(captureInputs());
    m_poll = new QTimer(this);
    m_poll->setInterval(kProgressMs);
    connect(m_poll, &QTimer::timeout, this, &FrmDecision::showProgress);
    setStatus(qtext(tx::kReady));
    updateControls();
}

// The job, if any, is a child: deleting it cancels the worker and waits.
FrmDecision::~FrmDecision() = default;

QSize FrmDecision::sizeHint() const { return {1040, 640}; }

// Side by side, the tornado's captions and both legends want the width; one
// above the other, each chart wants the height of a plot, its axis and its
// legend.
QList<QSize> FrmDecision::legibleSizes() const { return {QSize(760, 430), QSize(430, 640)}; }

bool FrmDecision::chartsSideBySide() const { return m_charts->orientation() == Qt::Horizontal; }

DecisionInputs FrmDecision::captureInputs() const {
    DecisionInputs inputs = DecisionInputs::capture(m_inputs);
    inputs.unitName = m_unitName ? m_unitName() : QString();
    return inputs;
}

void FrmDecision::showHeader(const DecisionInputs& inputs) {
    m_header->setText(qtext(tx::kHeader)
                          .arg(inputs.unitName.isEmpty() ? qtext(tx::kUnnamedUnit) : inputs.unitName,
                               qtext(patternCaption(inputs.pattern))));
}

void FrmDecision::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    const bool sideBySide = width() >= kSideBySideAspect * height();
    m_charts->setOrientation(sideBySide ? Qt::Horizontal : Qt::Vertical);
}

void FrmDecision::buildControls() {
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("lblHeader"));
    m_header->setWordWrap(true);
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    m_run = new QPushButton(qtext(tx::kRun), this);
    m_run->setObjectName(QStringLiteral("cmdRun"));
    m_cancel = new QPushButton(qtext(tx::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barProgress"));
    m_progress->setRange(0, kProgressSteps);
    m_progress->setTextVisible(false);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_outOfDateNote = new QLabel(qtext(tx::kOutOfDate), this);
    m_outOfDateNote->setObjectName(QStringLiteral("lblOutOfDate"));
    m_outOfDateNote->setWordWrap(true);
    m_outOfDateNote->setStyleSheet(
        QStringLiteral("QLabel { background: #fff1c2; color: #6b4a00; border: 1px solid #e0b84a; padding: 4px; }"));
    m_outOfDateNote->hide();
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_costChart = new DecisionCostChart(this);
    m_costChart->setObjectName(QStringLiteral("chartCost"));
    m_tornadoChart = new DecisionTornadoChart(this);
    m_tornadoChart->setObjectName(QStringLiteral("chartTornado"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_run);
    controls->addWidget(m_cancel);
    controls->addWidget(m_progress, 1);
    m_charts = new QSplitter(Qt::Horizontal, this);
    m_charts->addWidget(m_costChart);
    m_charts->addWidget(m_tornadoChart);
    // The tornado's captions and the figures at its bars' ends want the
    // width more than the cost curves do.
    m_charts->setStretchFactor(0, 9);
    m_charts->setStretchFactor(1, 11);
    m_charts->setChildrenCollapsible(false);

    m_voiChart = new DecisionVoiChart(this);
    m_voiChart->setObjectName(QStringLiteral("chartVoi"));
    m_compareChart = new DecisionComparisonChart(this);
    m_compareChart->setObjectName(QStringLiteral("chartCompare"));
    m_beliefs = new BeliefsPanel(m_inputs, this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabsDecision"));
    m_tabs->addTab(m_charts, qtext(tx::kTabResults));
    m_tabs->addTab(m_voiChart, qtext(tx::kTabVoi));
    m_tabs->addTab(m_compareChart, qtext(tx::kTabCompare));
    m_tabs->addTab(m_beliefs, qtext(tx::kTabBeliefs));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addLayout(controls);
    layout->addWidget(m_status);
    layout->addWidget(m_outOfDateNote);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_summary);

    connect(m_beliefs, &BeliefsPanel::changed, this, &FrmDecision::beliefsChanged);
    connect(m_beliefs, &BeliefsPanel::changed, this, [this] {
        if (m_result || m_jobInputs) {
            m_beliefsMoved = true;
            m_outOfDate = m_result.has_value();
            updateControls();
        }
    });

    connect(m_run, &QPushButton::clicked, this, &FrmDecision::run);
    connect(m_cancel, &QPushButton::clicked, this, &FrmDecision::cancelRun);
}

bool FrmDecision::isRunning() const { return m_job && m_job->isRunning(); }

void FrmDecision::run() {
    if (isRunning() || isUnloading()) {
        return;
    }
    const BeliefsPanel::Reading beliefs = m_beliefs->read();
    if (!beliefs.problem.isEmpty()) {
        setStatus(beliefs.problem);
        m_tabs->setCurrentWidget(m_beliefs);
        return;
    }
    const DecisionInputs inputs = captureInputs();
    DecisionAlternative first{inputs.ranges, beliefs.beliefs, inputs.pattern, {}};
    std::optional<DecisionAlternative> second;
    if (!comparedAlternative(first, second)) {
        return;
    }
    m_jobAgainst = m_comparingUnit ? m_beliefs->compareFile() : QString();
    DecisionSettings settings;
    settings.scenarios = m_scenarios;
    settings.seed = m_seed ? *m_seed : seedFromClock();
    settings.pattern = inputs.pattern;
    settings.voiBins = DecisionSettings::kDefaultVoiBins;
    m_jobInputs = inputs;
    m_jobBeliefs = beliefs.beliefs;
    m_jobOutOfDate = false;
    m_beliefsMoved = false;

    delete m_job;
    m_job = new DecisionJob(std::move(first), std::move(second), settings, this);
    connect(m_job, &DecisionJob::finished, this, &FrmDecision::jobFinished);
    m_job->start();
    m_progress->setValue(0);
    m_poll->start();
    showProgress();
    updateControls();
}

bool FrmDecision::comparedAlternative(const DecisionAlternative& first, std::optional<DecisionAlternative>& second) {
    const auto caption = [](CorridorPattern p) {
        const std::string_view text = patternCaption(p);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    m_comparingUnit = false;
    switch (m_beliefs->compareWith()) {
        case BeliefsPanel::CompareWith::Nothing:
            return true;
        case BeliefsPanel::CompareWith::OtherPattern:
            second = first;
            second->pattern =
                first.pattern == CorridorPattern::Parallel ? CorridorPattern::FanShaped : CorridorPattern::Parallel;
            m_nameA = caption(first.pattern);
            m_nameB = caption(second->pattern);
            return true;
        case BeliefsPanel::CompareWith::UnitFile:
            break;
    }
    const UnitReadResult read = readUnitFile(m_beliefs->compareFile().toStdString());
    if (!read) {
        setStatus(qtext(tx::kCompareRefused).arg(QString::fromStdString(read.error)));
        m_tabs->setCurrentWidget(m_beliefs);
        return false;
    }
    // The other unit as the Variables window would hold it once opened.
    InMemoryInputs other(m_inputs.valueRule().locale());
    applyUnit(*read.document, other);
    Repair_Variables(other);
    std::string name = read.document->name;
    if (name.empty()) {
        name = QFileInfo(m_beliefs->compareFile()).completeBaseName().toStdString();
    }
    second = DecisionAlternative{RunInputs(other), read.document->beliefs, read.document->pattern, name};
    m_nameA = qtext(tx::kThisUnit);
    m_nameB = QString::fromStdString(name);
    m_comparingUnit = true;
    return true;
}

void FrmDecision::cancelRun() {
    if (isRunning()) {
        m_job->cancel();
    }
}

void FrmDecision::showProgress() {
    if (!isRunning()) {
        return;
    }
    const DecisionProgress p = m_job->progress();
    const double fraction = std::isfinite(p.fraction) ? std::clamp(p.fraction, 0.0, 1.0) : 0.0;
    m_progress->setValue(static_cast<int>(std::lround(fraction * kProgressSteps)));
    setStatus(qtext(tx::kRunning).arg(count(p.scenarios), QString::number(m_job->settings().seed)));
}

void FrmDecision::jobFinished() {
    m_poll->stop();
    DecisionJob* job = m_job;
    if (!job) {
        return;
    }
    const std::uint64_t seed = job->settings().seed;
    std::optional<DecisionResult> result = job->takeResult();
    std::optional<ComparisonResult> comparison = job->takeComparison();
    if (comparison) {
        // The unit's own side is the result the window shows; what is worth
        // measuring is that of the choice between both.
        result = comparison->a;
        result->voi = comparison->voi;
        if (m_comparingUnit) {
            comparison->nameA = m_nameA.toStdString();
            comparison->nameB = m_nameB.toStdString();
        }
    }
    const QString error = job->error();
    job->deleteLater();
    m_job = nullptr;
    m_progress->setValue(result && !result->stopped ? kProgressSteps : 0);

    const QString seedText = QString::number(seed);
    if (!result) {
        setStatus(qtext(tx::kFailed).arg(error));
    } else if (result->scenarios == 0 || result->recommendedStep == 0) {
        // Nothing to draw; a result shown before stays, but no longer
        // answers for the inputs of this run.
        setStatus(result->stopped ? qtext(tx::kCancelledEmpty) : QString::fromStdString(decisionSummary(*result)));
        if (m_resultInputs && !m_jobInputs->sameAs(*m_resultInputs)) {
            m_outOfDate = true;
        }
    } else {
        QString status =
            result->stopped
                ? QString::fromStdString(decisionStoppedNote(result->scenarios + result->nonFinite)) +
                      QLatin1Char(' ') + qtext(tx::kSeed).arg(seedText)
                : qtext(tx::kDone).arg(count(result->scenarios), seedText, QString::number(result->threads));
        if (result->capped) {
            status += QLatin1Char(' ') + QString::fromStdString(decisionCapNote(job->settings().maxScenarios));
        }
        if (result->nonFinite > 0) {
            status += qtext(tx::kNonFinite).arg(count(result->nonFinite));
        }
        setStatus(status);
        m_costChart->showResult(*result);
        m_tornadoChart->showTornado(result->tornado);
        m_voiChart->showValues(result->voi);
        std::string summary = decisionSummary(*result);
        if (comparison) {
            m_compareChart->showComparison(*comparison, m_nameA, m_nameB);
            summary += ' ' + comparisonSentence(*comparison);
        } else {
            m_compareChart->clear();
        }
        m_summary->setText(QString::fromStdString(summary));
        m_comparison = std::move(comparison);
        m_result = std::move(result);
        m_resultInputs = m_jobInputs;
        m_resultBeliefs = m_jobBeliefs;
        m_resultAgainst = m_jobAgainst;
        showHeader(*m_resultInputs);
        m_outOfDate = m_jobOutOfDate || m_beliefsMoved;
    }
    m_jobInputs.reset();
    updateControls();
    emit runFinished();
}

void FrmDecision::inputsMayHaveChanged() {
    if (isUnloading()) {
        return;
    }
    m_beliefs->refreshRanges();
    const DecisionInputs now = captureInputs();
    // The header names the unit of the result shown, else the one the
    // Variables window holds.
    if (!m_resultInputs) {
        showHeader(now);
    }
    if (!m_resultInputs && !m_jobInputs) {
        return;
    }
    if (m_resultInputs) {
        m_outOfDate = !now.sameAs(*m_resultInputs) || m_beliefsMoved;
    }
    if (m_jobInputs) {
        m_jobOutOfDate = !now.sameAs(*m_jobInputs);
    }
    updateControls();
}

Beliefs FrmDecision::beliefsToKeep() const { return m_beliefs->beliefsToKeep(); }

void FrmDecision::setBeliefs(const Beliefs& beliefs) { m_beliefs->setBeliefs(beliefs); }

void FrmDecision::setStatus(const QString& text) { m_status->setText(text); }

void FrmDecision::updateControls() {
    const bool running = isRunning();
    m_run->setEnabled(!running);
    m_run->setText(qtext(m_result ? tx::kRunAgain : tx::kRun));
    m_run->setDefault(m_outOfDate);
    m_cancel->setEnabled(running);
    m_outOfDateNote->setVisible(m_outOfDate);
    // An out-of-date summary is greyed, so it does not read as current.
    m_summary->setEnabled(!m_outOfDate);
}

void FrmDecision::unloadWindow() {
    // The worker stops at its next block; the job waits for it when the
    // window (its parent) is deleted.
    m_poll->stop();
    if (m_job) {
        m_job->cancel();
    }
}

}  // namespace quorvale
