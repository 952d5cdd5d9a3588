#include "report/gui/UnitReport.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "inputs/InputRules.h"
#include "inputs/ValueRule.h"
#include "decision/gui/DecisionCharts.h"

namespace quorvale {
namespace {

using namespace texts::report;

QString esc(const QString& text) { return text.toHtmlEscaped(); }
QString esc(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Chart pixels: the charts are laid out at this width and scaled onto the
// page as vector drawings.
constexpr qreal kChartWidth = 900;

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

// Lays blocks of text and charts down the pages, one after the other, with
// a footer on every page.
class PageFlow {
public:
    PageFlow(QPdfWriter& writer, std::function<QString(int)> footer)
        : m_writer(writer), m_footer(std::move(footer)), m_painter(&writer) {
        m_area = QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        m_footerHeight = 0.04 * m_area.height();
        m_gap = 0.012 * m_area.height();
    }

    ~PageFlow() {
        drawFooter();
        m_painter.end();
    }

    void html(const QString& html) {
        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&m_writer);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9.5);
        doc.setDefaultFont(font);
        doc.setDefaultStyleSheet(
            QStringLiteral("h1 { font-size: 17pt; } h2 { font-size: 12.5pt; margin-top: 4px; } "
                           "td, th { padding: 1px 6px; } th { text-align: left; background-color: #e4e8ec; } "
                           ".group td { font-weight: bold; background-color: #f2f4f6; } .num { text-align: right; } "
                           ".note { color: #555555; }"));
        doc.setTextWidth(m_area.width());
        doc.setHtml(html);
        const qreal height = doc.size().height();
        room(height);
        m_painter.save();
        m_painter.translate(m_area.left(), m_y);
        doc.drawContents(&m_painter);
        m_painter.restore();
        m_y += height;
    }

    // The chart at the page's width, `ratio` of it high. A chart of its own
    // is put in a scene that deletes it; one shown by a chart view is drawn
    // in the view's scene.
    void chart(QChart* chart, qreal ratio) {
        const QSizeF size(kChartWidth, kChartWidth * ratio);
        QGraphicsScene own;
        QGraphicsScene* scene = chart->scene();
        if (!scene) {
            own.addItem(chart);
            scene = &own;
        }
        chart->setAnimationOptions(QChart::NoAnimation);
        chart->setBackgroundRoundness(0);
        chart->resize(size);
        chart->layout()->activate();
        const qreal height = m_area.width() * ratio;
        room(height);
        scene->render(&m_painter, QRectF(m_area.left(), m_y, m_area.width(), height), QRectF(chart->pos(), size));
        m_y += height + m_gap;
    }

    void space() { m_y += m_gap; }

    void newPage() {
        drawFooter();
        m_writer.newPage();
        ++m_page;
        m_y = 0;
    }

private:
    // Starts a new page unless `height` fits below what is there.
    void room(qreal height) {
        if (m_y > 0 && m_y + height > m_area.height() - m_footerHeight) {
            newPage();
        }
    }

    void drawFooter() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(8);
        m_painter.save();
        m_painter.setFont(font);
        m_painter.setPen(QColor(0x55, 0x55, 0x55));
        const QRectF band(m_area.left(), m_area.bottom() - m_footerHeight * 0.7, m_area.width(), m_footerHeight * 0.7);
        m_painter.drawLine(band.topLeft(), band.topRight());
        m_painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, m_footer(m_page));
        m_painter.restore();
    }

    QPdfWriter& m_writer;
    std::function<QString(int)> m_footer;
    QPainter m_painter;
    QRectF m_area;
    qreal m_y = 0;
    qreal m_footerHeight = 0;
    qreal m_gap = 0;
    int m_page = 1;
};

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

// An entry as the Variables window shows it: in the user's locale, with one
// decimal (a unit keeps its numbers in the fixed form).
QString shownEntry(const UnitDocument& unit, int entry, const ValueRule& rule) {
    return QString::fromStdString(rule.display(unitEntryIn(unit, entry, rule)));
}

QString inputsTable(const UnitDocument& unit, const NumberLocale& locale) {
    const ValueRule shown(locale);
    QString html = QStringLiteral(
                       "<table width=\"100%\" cellspacing=\"0\"><tr><th>%1</th><th class=\"num\">%2</th>"
                       "<th class=\"num\">%3</th><th>%4</th></tr>")
                       .arg(esc(qtext(kInput)), esc(qtext(kLow)), esc(qtext(kHigh)), esc(qtext(kUnit)));
    std::string_view group;
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        if (rule.group != group) {
            group = rule.group;
            html +=
                QStringLiteral("<tr class=\"group\"><td colspan=\"4\">%1</td></tr>").arg(esc(qtext(group).trimmed()));
        }
        html += QStringLiteral("<tr><td>%1</td><td class=\"num\">%2</td><td class=\"num\">%3</td><td>%4</td></tr>")
                    .arg(esc(qtext(rule.caption).simplified()), esc(shownEntry(unit, lowEntry(k), shown)),
                         esc(shownEntry(unit, highEntry(k), shown)), esc(qtext(rule.unit)));
    }
    return html + QStringLiteral("</table>");
}

QString optimumTable(const RunSummary& run, const NumberLocale& locale) {
    const SimulationOptimum& o = *run.optimum;
    const YardingResult& r = o.result;
    auto rounded = [&locale](double x, int decimals) {
        return QString::fromStdString(plainDecimal(roundHalfEven(x, decimals), locale));
    };
    namespace sim = texts::simulator;
    const std::pair<const char*, QString> rows[] = {
        {sim::kOptimalEyd, QString::fromStdString(plainDecimal(o.eyd, locale))},
        {sim::kMinTotalCost, rounded(o.minCost, 0)},
        {sim::kLandingSpacing, rounded(r.landingSpacing, 0)},
        {sim::kRoadDensity, rounded(r.roadDensity, 1)},
        {sim::kAyd, rounded(r.ayd, 0)},
        {sim::kAeyd, rounded(r.aeyd, 0)},
        {sim::kLyd, rounded(r.lyd, 0)},
        {sim::kAlyd, rounded(r.alyd, 0)},
        {sim::kCorridors, rounded(r.corridorsPerLanding, 0)},
        {sim::kLandings, rounded(r.landingsPerUnit, 0)},
    };
    QString html = QStringLiteral("<table cellspacing=\"0\">");
    for (const auto& [label, value] : rows) {
        html += QStringLiteral("<tr><td>%1</td><td class=\"num\">%2</td></tr>").arg(esc(qtext(label)), esc(value));
    }
    return html + QStringLiteral("</table>");
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

        QString head = QStringLiteral("<h1>%1: %2</h1><p class=\"note\">%3</p>")
                           .arg(esc(qtext(kTitle)), esc(name), esc(qtext(kMadeBy).arg(date, c.version)));
        if (!c.unit.notes.empty()) {
            head +=
                QStringLiteral("<p>%1</p>").arg(esc(c.unit.notes).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
        }
        head += QStringLiteral("<p>%1: <b>%2</b><br>%3: <b>%4</b></p>")
                    .arg(esc(qtext(kPattern)), esc(qtext(patternCaption(c.unit.pattern))), esc(qtext(kTarget)),
                         esc(c.unit.target));
        flow.html(head);
        flow.html(QStringLiteral("<h2>%1</h2>").arg(esc(qtext(kInputs))) + inputsTable(c.unit, c.locale) +
                  QStringLiteral("<p class=\"note\">%1</p>").arg(esc(qtext(kRepairNote))));

        flow.html(QStringLiteral("<h2>%1</h2>").arg(esc(qtext(kStaticHeading).arg(rangeName(c.rangeCase)))));
        if (c.sweep.empty()) {
            flow.html(QStringLiteral("<p>%1</p>").arg(esc(qtext(kNoSweep))));
        } else {
            const YardingResult& best = c.sweep[cheapestStep(c.sweep)];
            flow.html(QStringLiteral("<p>%1</p>")
                          .arg(esc(qtext(kStaticMinimum)
                                       .arg(QString::fromStdString(plainDecimal(best.totalCost, c.locale)),
                                            QString::fromStdString(plainDecimal(best.eyd / 100, c.locale))))));
            flow.chart(costChart(c.sweep), 0.5);
        }

        flow.space();
        QString simulation = QStringLiteral("<h2>%1</h2>").arg(esc(qtext(kSimulationHeading)));
        if (!c.lastRun) {
            simulation += QStringLiteral("<p>%1</p>").arg(esc(qtext(kNoSimulation)));
        } else if (!c.lastRun->optimum) {
            simulation += QStringLiteral("<p>%1</p>").arg(esc(qtext(kNoOptimum)));
        } else {
            simulation += optimumTable(*c.lastRun, c.locale);
            if (c.lastRun->stopped) {
                simulation += QStringLiteral("<p>%1</p>").arg(esc(qtext(kStoppedRun)));
            }
        }
        if (c.lastRun) {
            simulation += QStringLiteral("<p class=\"note\">%1</p>")
                              .arg(esc(qtext(kRunFacts)
                                           .arg(c.lastRun->seed)
                                           .arg(c.lastRun->samplesTotal)
                                           .arg(c.lastRun->rows.size())
                                           .arg(c.lastRun->steps)));
        }
        flow.html(simulation);

        flow.space();
        if (!c.decision) {
            flow.html(
                QStringLiteral("<h2>%1</h2><p>%2</p>").arg(esc(qtext(kDecisionHeading)), esc(qtext(kNoDecision))));
        } else {
            QString decision =
                QStringLiteral("<h2>%1</h2><p>%2</p>")
                    .arg(esc(qtext(kDecisionHeading)),
                         esc(decisionSummary(*c.decision)).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
            if (c.decisionOutOfDate) {
                decision += QStringLiteral("<p class=\"note\">%1</p>").arg(esc(qtext(kDecisionOutOfDate)));
            }
            flow.html(decision);
            // The decision window's own charts, drawn again at the page's
            // width.
            if (!c.decision->rows.empty()) {
                DecisionCostChart cost;
                cost.showResult(*c.decision);
                flow.chart(cost.chart(), 0.5);
            }
            if (!c.decision->tornado.bars.empty()) {
                DecisionTornadoChart tornado;
                tornado.showTornado(c.decision->tornado);
                // As tall as its bars need, a page's width at most.
                const auto bars = static_cast<qreal>(tornado.bars().size());
                flow.chart(tornado.chart(), std::min(0.45, 0.14 + 0.045 * bars));
            }
        }
    }
    buffer.close();
    return bytes;
}

}  // namespace quorvale
