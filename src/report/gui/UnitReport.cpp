#include "report/gui/UnitReport.h"

#include <QBuffer>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "cli/RepeatCommand.h"
#include "decision/AnswerSentences.h"
#include "decision/StepOverlap.h"
#include "decision/ValueSummary.h"
#include "decision/gui/DecisionCharts.h"
#include "base/gui/QtText.h"
#include "inputs/InputRules.h"
#include "report/gui/PageFlow.h"
#include "report/gui/ReportSections.h"

namespace quorvale {
namespace {

using namespace texts::report;
using reportHtml::escaped;
using reportHtml::heading;
using reportHtml::paragraph;

struct CollectSweep final : SweepSink {
    std::vector<YardingResult> steps;
    void prepare(int count) override { steps.reserve(static_cast<std::size_t>(std::max(count, 0))); }
    void writeStep(int, const YardingResult& result) override { steps.push_back(result); }
};

QString rangeName(RangeCase rangeCase) {
    switch (rangeCase) {
        case RangeCase::Low:
            return qtext(kLowRange);
        case RangeCase::Average:
            return qtext(kAverageRange);
        case RangeCase::High:
            return qtext(kHighRange);
    }
    return {};
}

QString number(double x, const NumberLocale& locale) { return QString::fromStdString(plainDecimal(x, locale)); }

QValueAxis* axis(const QString& title, const QString& format = QStringLiteral("%.0f")) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setLabelFormat(format);
    return a;
}

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(11);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void attach(QChart* chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// The step of lowest total cost; ties go to the longer EYD, as in the
// Simulator window.
std::size_t cheapestStep(const std::vector<YardingResult>& sweep) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < sweep.size(); ++i) {
        if (sweep[i].totalCost <= sweep[best].totalCost) {
            best = i;
        }
    }
    return best;
}

QChart* costChart(const std::vector<YardingResult>& sweep) {
    QChart* chart = newChart(qtext(kCostChartTitle));
    auto* x = axis(qtext(kEydAxis));
    auto* y = axis(qtext(kCostAxis));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    struct Line {
        const char* name;
        double YardingResult::*value;
        QColor colour;
    };
    double top = 0;
    for (const Line& line : {Line{kTotal, &YardingResult::totalCost, QColor(0x1f, 0x4e, 0x9a)},
                             Line{kLogging, &YardingResult::loggingCost, QColor(0x2e, 0x8b, 0x57)},
                             Line{kRoad, &YardingResult::roadCost, QColor(0xc0, 0x50, 0x20)}}) {
        auto* series = new QLineSeries;
        series->setName(qtext(line.name));
        series->setPen(QPen(line.colour, 2.2));
        for (const YardingResult& r : sweep) {
            series->append(r.eyd / 100, r.*line.value);
            top = std::max(top, r.*line.value);
        }
        attach(chart, series, x, y);
    }
    const YardingResult& best = sweep[cheapestStep(sweep)];
    auto* minimum = new QScatterSeries;
    minimum->setName(qtext(kMinimumLabel)
                         .replace(QStringLiteral("@yPoint"), QString::number(best.totalCost, 'f', 2))
                         .replace(QStringLiteral("@xPoint"), QString::number(best.eyd / 100, 'f', 0)));
    minimum->setMarkerSize(11);
    minimum->setColor(QColor(0xd0, 0x10, 0x10));
    minimum->setPointLabelsVisible(true);
    minimum->setPointLabelsFormat(QStringLiteral("@yPoint"));
    minimum->setPointLabelsClipping(false);
    minimum->append(best.eyd / 100, best.totalCost);
    attach(chart, minimum, x, y);
    x->setRange(0, std::max(1.0, sweep.back().eyd / 100));
    y->setRange(0, top > 0 ? top * 1.08 : 1);
    x->applyNiceNumbers();
    y->applyNiceNumbers();
    return chart;
}

void staticSection(PageFlow& flow, const ReportContent& c) {
    flow.html(heading(qtext(kStaticHeading).arg(rangeName(c.rangeCase))));
    if (c.sweep.empty()) {
        flow.html(paragraph(qtext(kNoSweep)));
        return;
    }
    const std::size_t best = cheapestStep(c.sweep);
    QString line =
        qtext(kStaticMinimum).arg(number(c.sweep[best].totalCost, c.locale), number(c.sweep[best].eyd / 100, c.locale));
    if (best + 1 == c.sweep.size()) {
        // The sweep ends at the EYD of its range case.
        line += QLatin1Char(' ') + qtext(kStaticWiden).arg(qtext(c.rangeCase == RangeCase::Low ? kLowEyd : kHighEyd));
    }
    flow.html(paragraph(line));
    flow.chart(costChart(c.sweep), 0.42);
}

void simulationSection(PageFlow& flow, const ReportContent& c) {
    QString html = heading(qtext(kSimulationHeading));
    if (!c.lastRun) {
        flow.html(html + paragraph(c.noRunNote));
        return;
    }
    const RunSummary& run = *c.lastRun;
    if (!run.optimum) {
        html += paragraph(qtext(kNoOptimum));
    } else {
        html += reportHtml::optimumTable(run, c.locale);
        if (run.stopped) {
            html += paragraph(qtext(kStoppedRun));
        }
        if (const auto overlap = overlappingSteps(run); overlap && overlap->fromEyd < overlap->toEyd) {
            html += paragraph(qtext(kRunOverlap)
                                  .arg(number(overlap->fromEyd / 100, c.locale), number(overlap->toEyd / 100, c.locale),
                                       number(overlap->optimumEyd / 100, c.locale)));
        }
        if (!run.stopped && run.optimum->eyd >= 100.0 * run.steps) {
            html += paragraph(qtext(texts::plan::kWiden));
        }
    }
    html += paragraph(qtext(kRunFacts).arg(run.seed).arg(run.samplesTotal).arg(run.rows.size()).arg(run.steps), true);
    flow.html(html);
}

// The command line that repeats the run, or the sentence that says how a
// unit file does where one line cannot.
QString repeatLines(const ReportContent& c, InMemoryInputs& inputs) {
    const DecisionResult& d = *c.decision;
    cli::RepeatedRun run;
    run.beliefs = c.beliefs;
    run.comparedPatterns = c.comparison && c.againstFile.empty();
    run.unitFile = c.unitFile;
    run.againstFile = c.againstFile;
    const std::string command = cli::decideCommandFor(inputs, d, run);
    if (!command.empty()) {
        return QStringLiteral("<p class=\"note\">%1</p>%2")
            .arg(escaped(qtext(kRepeat)), reportHtml::commandLine(command));
    }
    const QString drawn = QString::number(d.scenarios + d.nonFinite);
    return paragraph(c.againstFile.empty() ? qtext(kRepeatByUnitFile).arg(d.seed).arg(drawn)
                                           : qtext(kRepeatCompareByUnitFile)
                                                 .arg(QString::fromStdString(cli::shellWord(c.againstFile)))
                                                 .arg(d.seed)
                                                 .arg(drawn),
                     true);
}

// What knowing each input exactly before deciding would save: the table,
// largest first, and the window's chart.
void worthMeasuringSection(PageFlow& flow, const ReportContent& c) {
    const DecisionResult& d = *c.decision;
    if (d.voi.empty()) {
        return;
    }
    flow.html(QStringLiteral("<h3>%1</h3>").arg(escaped(qtext(texts::decision::kVoiTitle))) +
              reportHtml::voiTable(d.voi, c.locale));
    DecisionVoiChart chart;
    chart.showValues(d.voi);
    flow.chart(chart.chart(), std::min(0.45, 0.14 + 0.035 * static_cast<qreal>(d.voi.size())));
}

QString alternativeName(const std::string& name, const DecisionResult& side) {
    return name.empty() ? qtext(patternCaption(side.pattern)) : QString::fromStdString(name);
}

// Both alternatives on the same scenarios: their recommendations, the
// paired difference, the sentence and the window's chart.
void comparisonSection(PageFlow& flow, const ReportContent& c) {
    if (!c.comparison) {
        return;
    }
    const ComparisonResult& cmp = *c.comparison;
    const QString nameA = alternativeName(cmp.nameA, cmp.a);
    const QString nameB = alternativeName(cmp.nameB, cmp.b);
    flow.html(QStringLiteral("<h3>%1</h3>").arg(escaped(qtext(kComparisonHeading).arg(nameA, nameB))) +
              reportHtml::comparisonTable(cmp, nameA, nameB, c.locale) +
              paragraph(QString::fromStdString(comparisonSentence(cmp))));
    DecisionComparisonChart chart;
    chart.showComparison(cmp, nameA, nameB);
    flow.chart(chart.chart(), 0.5);
}

void decisionSection(PageFlow& flow, const ReportContent& c) {
    if (!c.decision) {
        flow.html(heading(qtext(kDecisionHeading)) + paragraph(c.noDecisionNote));
        return;
    }
    const DecisionResult& d = *c.decision;
    QString html = heading(qtext(kDecisionHeading)) + paragraph(QString::fromStdString(decisionSummary(d)));
    if (c.lastRun && c.lastRun->optimum && d.recommendedStep > 0) {
        html += paragraph(QString::fromStdString(followSentence(d, *c.lastRun->optimum)));
    }
    QString facts = qtext(kDecisionFacts).arg(d.seed).arg(d.scenarios);
    if (d.nonFinite > 0) {
        facts += qtext(kDecisionLeftOut).arg(d.nonFinite);
    }
    InMemoryInputs inputs(c.locale);
    applyUnit(c.unit, inputs);
    html += paragraph(facts, true) + repeatLines(c, inputs);
    flow.html(html);
    Repair_Variables(inputs);
    flow.html(reportHtml::beliefsSection(c.beliefs, inputs, c.locale));
    if (d.recommendedStep > 0) {
        const QString tolerance = QString::fromStdString(plainDecimal(roundHalfEven(d.bandTolerance * 100, 6)));
        flow.html(QStringLiteral("<h3>%1</h3>").arg(escaped(qtext(kBandHeading).arg(tolerance))) +
                  reportHtml::bandTable(d, c.locale));
    }
    if (d.plan) {
        flow.html(QStringLiteral("<h3>%1</h3>").arg(escaped(qtext(kPlanHeading))) +
                  reportHtml::planTable(*d.plan, c.locale) + paragraph(qtext(kPlanNote), true));
    }
    // The decision window's own charts, drawn again at the page's width.
    if (!d.rows.empty() && d.scenarios > 0) {
        DecisionCostChart cost;
        cost.showResult(d);
        flow.chart(cost.chart(), 0.5);
    }
    if (!d.tornado.bars.empty()) {
        DecisionTornadoChart tornado;
        tornado.showTornado(d.tornado);
        // As tall as its bars need, a page's width at most.
        const auto bars = static_cast<qreal>(tornado.bars().size());
        flow.chart(tornado.chart(), std::min(0.45, 0.14 + 0.045 * bars));
    }
    worthMeasuringSection(flow, c);
    comparisonSection(flow, c);
}

}  // namespace

std::vector<YardingResult> reportSweep(const UnitDocument& unit, RangeCase rangeCase, const NumberLocale& locale) {
    InMemoryInputs inputs(locale);
    applyUnit(unit, inputs);
    GraphMarks marks;
    marks.low = rangeCase == RangeCase::Low;
    marks.high = rangeCase == RangeCase::High;
    marks.average = rangeCase == RangeCase::Average;
    CollectSweep sink;
    graph_itmain(inputs, marks, sink);
    return std::move(sink.steps);
}

QByteArray UnitReport::pdf(const ReportContent& c) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const QString name = c.unitName.isEmpty() ? qtext(kUnnamed) : c.unitName;
    writer.setTitle(qtext(kTitle) + QStringLiteral(": ") + name);
    writer.setCreator(QStringLiteral("Quorvale ") + c.version);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(16, 14, 16, 12),
                                     QPageLayout::Millimeter));
    writer.setResolution(300);
    const QString date = QLocale().toString(c.written, QLocale::LongFormat);
    {
        PageFlow flow(writer, [&](int page) { return qtext(kFooter).arg(name, c.version).arg(page); });

        // The unit's name and notes head the report.
        QString head = QStringLiteral("<h1>%1: %2</h1>").arg(escaped(qtext(kTitle)), escaped(name));
        if (!c.unit.notes.empty()) {
            head += paragraph(QString::fromStdString(c.unit.notes));
        }
        head += paragraph(qtext(kMadeBy).arg(date, c.version), true);
        head += QStringLiteral("<p>%1: <b>%2</b><br>%3: <b>%4</b></p>")
                    .arg(escaped(qtext(kPattern)), escaped(qtext(patternCaption(c.unit.pattern))),
                         escaped(qtext(kTarget)), escaped(c.unit.target));
        flow.html(head);
        flow.html(heading(qtext(kInputs)) + reportHtml::inputsTable(c.unit, c.locale) +
                  paragraph(qtext(kRepairNote), true));
        staticSection(flow, c);
        flow.space();
        simulationSection(flow, c);
        flow.space();
        decisionSection(flow, c);
    }
    buffer.close();
    return bytes;
}

}  // namespace quorvale
