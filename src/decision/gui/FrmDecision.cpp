#include "decision/gui/FrmDecision.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "simulator/MonteCarloRun.h"
#include "decision/gui/DecisionCharts.h"
#include "decision/gui/DecisionJob.h"

namespace quorvale {
namespace {

namespace tx = texts::decision;

QString count(std::uint64_t n) { return QLocale().toString(static_cast<qulonglong>(n)); }

constexpr int kProgressSteps = 1000;

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
    return {RunInputs(copy), copy.pattern()};
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

FrmDecision::FrmDecision(InputVariables& inputs, QWidget* parent) : ChildWindow(parent), m_inputs(inputs) {
    setObjectName(QStringLiteral("FrmDecision"));
    setWindowTitle(qtext(tx::kCaption));
    buildControls();
    m_poll = new QTimer(this);
    m_poll->setInterval(kProgressMs);
    connect(m_poll, &QTimer::timeout, this, &FrmDecision::showProgress);
    setStatus(qtext(tx::kReady));
    updateControls();
}

// The job, if any, is a child: deleting it cancels the worker and waits.
FrmDecision::~FrmDecision() = default;

QSize FrmDecision::sizeHint() const { return {1040, 640}; }

void FrmDecision::buildControls() {
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
    auto* charts = new QSplitter(Qt::Horizontal, this);
    charts->addWidget(m_costChart);
    charts->addWidget(m_tornadoChart);
    charts->setStretchFactor(0, 11);
    charts->setStretchFactor(1, 9);
    charts->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_status);
    layout->addWidget(m_outOfDateNote);
    layout->addWidget(charts, 1);
    layout->addWidget(m_summary);

    connect(m_run, &QPushButton::clicked, this, &FrmDecision::run);
    connect(m_cancel, &QPushButton::clicked, this, &FrmDecision::cancelRun);
}

bool FrmDecision::isRunning() const { return m_job && m_job->isRunning(); }

void FrmDecision::run() {
    if (isRunning() || isUnloading()) {
        return;
    }
    DecisionSettings settings;
    settings.pattern = CorridorPattern::Parallel;
    settings.scenarios = m_scenarios;
    settings.seed = m_seed ? *m_seed : seedFromClock();
    m_jobInputs = DecisionInputs::capture(m_inputs);
    settings.pattern = m_jobInputs->pattern;
    m_jobOutOfDate = false;

    delete m_job;
    m_job = new DecisionJob(m_jobInputs->ranges, settings, this);
    connect(m_job, &DecisionJob::finished, this, &FrmDecision::jobFinished);
    m_job->start();
    m_progress->setValue(0);
    m_poll->start();
    showProgress();
    updateControls();
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
        QString status = result->stopped ? QString::fromStdString(decisionStoppedNote(result->scenarios)) +
                                               QLatin1Char(' ') + qtext(tx::kSeed).arg(seedText)
                                         : qtext(tx::kDone).arg(count(result->scenarios), seedText,
                                                                QString::number(result->threads));
        if (result->capped) {
            status += QLatin1Char(' ') + QString::fromStdString(decisionCapNote(job->settings().maxScenarios));
        }
        if (result->nonFinite > 0) {
            status += qtext(tx::kNonFinite).arg(count(result->nonFinite));
        }
        setStatus(status);
        m_costChart->showResult(*result);
        m_tornadoChart->showTornado(result->tornado);
        m_summary->setText(QString::fromStdString(decisionSummary(*result)));
        m_result = std::move(result);
        m_resultInputs = m_jobInputs;
        m_outOfDate = m_jobOutOfDate;
    }
    m_jobInputs.reset();
    updateControls();
    emit runFinished();
}

void FrmDecision::inputsMayHaveChanged() {
    if (isUnloading() || (!m_resultInputs && !m_jobInputs)) {
        return;
    }
    const DecisionInputs now = DecisionInputs::capture(m_inputs);
    if (m_resultInputs) {
        m_outOfDate = !now.sameAs(*m_resultInputs);
    }
    if (m_jobInputs) {
        m_jobOutOfDate = !now.sameAs(*m_jobInputs);
    }
    updateControls();
}

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
