#include "report/gui/ReportSections.h"

#include <cmath>
#include <functional>
#include <tuple>
#include <utility>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "inputs/ValueRule.h"

namespace quorvale::reportHtml {
namespace {

using namespace texts::report;

QString fixed(double x, int decimals, const NumberLocale& locale) {
    return std::isfinite(x) ? QString::fromStdString(fixedDecimal(x, decimals, locale)) : QStringLiteral("\u2013");
}

QString headerRow(std::initializer_list<const char*> titles) {
    QString row = QStringLiteral("<tr>");
    bool first = true;
    for (const char* title : titles) {
        row += (first ? QStringLiteral("<th>%1</th>") : QStringLiteral("<th class=\"num\">%1</th>"))
                   .arg(escaped(qtext(title)));
        first = false;
    }
    return row + QStringLiteral("</tr>");
}

QString cells(const QStringList& values, bool bold = false) {
    QString row = QStringLiteral("<tr>");
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString value = bold ? QStringLiteral("<b>%1</b>").arg(escaped(values[i])) : escaped(values[i]);
        row += (i == 0 ? QStringLiteral("<td>%1</td>") : QStringLiteral("<td class=\"num\">%1</td>")).arg(value);
    }
    return row + QStringLiteral("</tr>");
}

}  // namespace

QString escaped(const QString& text) { return text.toHtmlEscaped(); }
QString escaped(const std::string& utf8) { return QString::fromStdString(utf8).toHtmlEscaped(); }

QString paragraph(const QString& text, bool note) {
    return (note ? QStringLiteral("<p class=\"note\">%1</p>") : QStringLiteral("<p>%1</p>"))
        .arg(escaped(text).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

QString heading(const QString& text) { return QStringLiteral("<h2>%1</h2>").arg(escaped(text)); }

QString commandLine(const std::string& command) {
    // Lines break only before an option, as a shell takes them: each line
    // but the last ends with a backslash, so the whole can be pasted.
    constexpr qsizetype kWidth = 78;
    QStringList lines;
    QString line;
    for (const QString& part : QString::fromStdString(command).split(QStringLiteral(" --"))) {
        const QString word = line.isEmpty() && lines.isEmpty() ? part : QStringLiteral("--") + part;
        if (!line.isEmpty() && line.size() + 1 + word.size() > kWidth) {
            lines.append(line);
            line = QStringLiteral("    ");
        } else if (!line.isEmpty()) {
            line += QLatin1Char(' ');
        }
        line += word;
    }
    lines.append(line);
    return QStringLiteral("<pre>%1</pre>").arg(escaped(lines.join(QStringLiteral(" \\\n"))));
}

namespace {

// An entry as the Variables window shows it: in the user's locale, with one
// decimal (a unit keeps its numbers in the fixed form).
QString shownEntry(const UnitDocument& unit, int entry, const ValueRule& rule) {
    return QString::fromStdString(rule.display(unitEntryIn(unit, entry, rule)));
}

}  // namespace

QString inputsTable(const UnitDocument& unit, const NumberLocale& locale) {
    const ValueRule shown(locale);
    QString html = QStringLiteral(
                       "<table width=\"100%\" cellspacing=\"0\"><tr><th>%1</th><th class=\"num\">%2</th>"
                       "<th class=\"num\">%3</th><th>%4</th></tr>")
                       .arg(escaped(qtext(kInput)), escaped(qtext(kLow)), escaped(qtext(kHigh)), escaped(qtext(kUnit)));
    std::string_view group;
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableRule& rule = variableRule(k);
        if (rule.group != group) {
            group = rule.group;
            html += QStringLiteral("<tr class=\"group\"><td colspan=\"4\">%1</td></tr>")
                        .arg(escaped(qtext(group).trimmed()));
        }
        html += QStringLiteral("<tr><td>%1</td><td class=\"num\">%2</td><td class=\"num\">%3</td><td>%4</td></tr>")
                    .arg(escaped(qtext(rule.caption).simplified()), escaped(shownEntry(unit, lowEntry(k), shown)),
                         escaped(shownEntry(unit, highEntry(k), shown)), escaped(qtext(rule.unit)));
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
        html += cells({qtext(label), value});
    }
    return html + QStringLiteral("</table>");
}

QString bandTable(const DecisionResult& r, const NumberLocale& locale) {
    QString html = QStringLiteral("<table cellspacing=\"0\">") +
                   headerRow({kBandEyd, kBandMean, kBandP10, kBandP90, kBandCheapest, kBandRegret});
    for (const DecisionRow& row : r.rows) {
        if (row.eyd < r.bandFromEyd || row.eyd > r.bandToEyd) {
            continue;
        }
        html += cells({QString::number(row.step), fixed(row.mean, 2, locale), fixed(row.p10, 2, locale),
                       fixed(row.p90, 2, locale), fixed(row.pOptimal * 100, 1, locale), fixed(row.regret, 2, locale)},
                      row.step == r.recommendedStep);
    }
    return html + QStringLiteral("</table>");
}

QString planTable(const PlanTerms& plan, const NumberLocale& locale) {
    // One column per EYD, the recommended one in the middle, so that the
    // terms read across.
    const PlanPoint* points[] = {&plan.bandFrom, &plan.recommended, &plan.bandTo};
    QString html = QStringLiteral("<table cellspacing=\"0\"><tr><th></th>");
    for (const PlanPoint* p : points) {
        html += QStringLiteral("<th class=\"num\">%1</th>")
                    .arg(escaped(qtext(p == &plan.recommended ? kPlanRecommended : kPlanBandEnd).arg(p->step)));
    }
    html += QStringLiteral("</tr>");
    const std::pair<const char*, std::function<QString(const PlanPoint&)>> rows[] = {
        {kPlanSpacing, [&](const PlanPoint& p) { return fixed(p.roadSpacing, 0, locale); }},
        {kPlanRoad, [&](const PlanPoint& p) { return fixed(p.roadLength / kFeetPerMile, 2, locale); }},
        {kPlanLandings, [&](const PlanPoint& p) { return fixed(p.landings, 1, locale); }},
        {kPlanCorridors, [&](const PlanPoint& p) { return fixed(p.corridors, 1, locale); }},
        {kPlanVolume, [&](const PlanPoint& p) { return fixed(p.volume, 0, locale); }},
        {kPlanMean, [&](const PlanPoint& p) { return fixed(p.meanCost, 2, locale); }},
        {kPlanDollars, [&](const PlanPoint& p) { return QString::fromStdString(dollarText(p.totalDollars)); }},
    };
    for (const auto& [title, figure] : rows) {
        html += cells({qtext(title), figure(*points[0]), figure(*points[1]), figure(*points[2])});
    }
    html += cells({qtext(kPlanEvpi), QString(), QString::fromStdString(dollarText(plan.evpiDollars)), QString()});
    return html + QStringLiteral("</table>");
}

QString beliefsSection(const Beliefs& beliefs, InputVariables& read, const NumberLocale& locale) {
    namespace dt = texts::decision;
    QString html = QStringLiteral("<h3>%1</h3>").arg(escaped(qtext(kBeliefsHeading)));
    const auto shown = [&locale](double x) { return QString::fromStdString(plainDecimal(x, locale)); };
    QString rows;
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableBelief& b = beliefs.variables[static_cast<std::size_t>(k)];
        if (!b.hasMode()) {
            continue;
        }
        const VariableRule& rule = variableRule(k);
        rows += cells({qtext(rule.caption).simplified(), shown(read.value(lowEntry(k))), shown(b.mode),
                       shown(read.value(highEntry(k))), qtext(rule.unit),
                       qtext(b.shape == BeliefShape::Pert ? dt::kShapePert : dt::kShapeTriangular)});
    }
    if (rows.isEmpty()) {
        html += paragraph(qtext(kBeliefsNone));
    } else {
        html += QStringLiteral("<table cellspacing=\"0\">") +
                headerRow({kInput, kLow, dt::kBeliefColumns[2], kHigh, kUnit, kShape}) + rows +
                QStringLiteral("</table>") + paragraph(qtext(kBeliefsRest), true);
    }
    if (!beliefs.correlations.empty()) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\">").arg(escaped(qtext(kLinksHeading))) +
                headerRow({dt::kLinkColumns[0], dt::kLinkColumns[1], dt::kLinkColumns[2]});
        for (const RankCorrelation& pair : beliefs.correlations) {
            html += cells({qtext(variableRule(pair.a).caption).simplified(),
                           qtext(variableRule(pair.b).caption).simplified(), shown(pair.rho)});
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

QString voiTable(const std::vector<VoiEntry>& voi, const NumberLocale& locale) {
    namespace dt = texts::decision;
    QString html = QStringLiteral("<table cellspacing=\"0\">") +
                   headerRow({dt::kVoiColumns[0], dt::kVoiColumns[1], dt::kVoiColumns[2]});
    for (const VoiEntry& e : voi) {
        html += cells({qtext(variableRule(e.variable).caption).simplified(), fixed(e.evppi, 2, locale),
                       fixed(e.evppiDollars, 0, locale)});
    }
    return html + QStringLiteral("</table>");
}

QString comparisonTable(const ComparisonResult& c, const QString& nameA, const QString& nameB,
                        const NumberLocale& locale) {
    QString html =
        QStringLiteral("<table cellspacing=\"0\">") + headerRow({kAlternative, kPattern, kRecommendedEyd, kMeanCost});
    for (const auto& [side, name, r] : {std::tuple{"A", &nameA, &c.a}, std::tuple{"B", &nameB, &c.b}}) {
        const bool has = r->recommendedStep > 0;
        html += cells({QStringLiteral("%1: %2").arg(QLatin1String(side), *name), qtext(patternCaption(r->pattern)),
                       has ? fixed(r->recommendedEyd / 100, 0, locale) : fixed(kNoFigure, 0, locale),
                       has ? fixed(r->recommendedMean, 2, locale) : fixed(kNoFigure, 0, locale)},
                      c.decided() && c.chooseA == (r == &c.a));
    }
    html += QStringLiteral("</table><table cellspacing=\"0\">") +
            headerRow({kMeanDifference, kBandP10, kBandP90, kACheaper}) +
            cells({fixed(c.meanDifference, 2, locale), fixed(c.p10, 2, locale), fixed(c.p90, 2, locale),
                   fixed(c.pACheaper * 100, 1, locale)});
    return html + QStringLiteral("</table>");
}

}  // namespace quorvale::reportHtml
