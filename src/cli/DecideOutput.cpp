#include "cli/DecideOutput.h"

#include <cmath>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "cli/CommandLine.h"
#include "cli/ComparisonOutput.h"
#include "cli/DecisionRowOutput.h"
#include "cli/JsonOutput.h"
#include "cli/TextTable.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

// The bars' Low and High as the user gives them (bdft, percent), not in
// the model's units.
double enteredValue(InputVariables& inputs, const TornadoBar& bar, bool high) {
    const int variable = RunInputs::drawnVariable(bar.drawIndex);
    return inputs.value(high ? highEntry(variable) : lowEntry(variable));
}

// Beyond this a figure's digits no longer fit a column, nor tell a reader
// more than its magnitude: such figures (an extreme entry's) take the
// exponent form.
constexpr double kLargestPlainFigure = 1e12;

std::string tableFigure(double value, int decimals) {
    if (!std::isfinite(value)) {
        return t::kNoFigure;
    }
    return std::fabs(value) < kLargestPlainFigure ? fixedDecimal(value, decimals) : fmt::format("{:.4g}", value);
}

// An entered value as given, in the exponent form once it is that large.
std::string enteredText(double value) {
    return std::fabs(value) < kLargestPlainFigure ? plainDecimal(value) : roundTripText(value);
}

// An EYD in feet as whole stations; a dash when there is none.
std::string stations(double eydFeet) { return tableFigure(eydFeet / 100, 0); }

// The plan terms at the band's ends and the recommended EYD, a row each.
void printPlan(std::ostream& out, const PlanTerms& plan) {
    out << t::kPlanHeading << "\n\n";
    TextTable table;
    table.addColumn("", "");
    table.addColumn(t::kEyd, t::kStations);
    table.addColumn(t::kRoadSpacing, t::kFeet);
    table.addColumn(t::kRoad, t::kMiles);
    table.addColumn(t::kLandings, "");
    table.addColumn(t::kCorridors, "");
    table.addColumn(t::kVolume, t::kMbf);
    table.addColumn(t::kMean, t::kCost);
    table.addColumn(t::kUnitCost, t::kDollars);
    for (const auto& [name, p] : {std::pair<const char*, const PlanPoint&>{t::kBandFrom, plan.bandFrom},
                                  {t::kRecommendedRow, plan.recommended},
                                  {t::kBandTo, plan.bandTo}}) {
        table.addRow({name, std::to_string(p.step), tableFigure(p.roadSpacing, 0),
                      tableFigure(p.roadLength / kFeetPerMile, 2), tableFigure(p.landings, 1),
                      tableFigure(p.corridors, 1), tableFigure(p.volume, 0), tableFigure(p.meanCost, 2),
                      dollarText(p.totalDollars)});
    }
    table.print(out);
    out << '\n';
}

// The tornado's bars, the largest swing first; the variables that do not
// move the lowest cost at all share one line at the end.
void printTornado(std::ostream& out, InputVariables& inputs, const Tornado& tornado) {
    out << fmt::format(t::kTornadoHeading, tableFigure(tornado.baseMinCost, 2), stations(tornado.baseEyd)) << "\n\n";
    TextTable table;
    table.addColumn(t::kVariable, "");
    table.addColumn(t::kLow, "");
    table.addColumn(t::kHigh, "");
    table.addColumn(t::kCostAtLow, t::kCost);
    table.addColumn(t::kEydAtLow, t::kStations);
    table.addColumn(t::kCostAtHigh, t::kCost);
    table.addColumn(t::kEydAtHigh, t::kStations);
    table.addColumn(t::kSwing, t::kCost);
    std::string still;
    for (const TornadoBar& bar : tornado.bars) {
        if (bar.complete() && bar.swing == 0) {
            still += (still.empty() ? "" : ", ") + bar.variable;
            continue;
        }
        table.addRow({bar.variable, enteredText(enteredValue(inputs, bar, false)),
                      enteredText(enteredValue(inputs, bar, true)), tableFigure(bar.costAtLow, 2),
                      stations(bar.eydAtLow), tableFigure(bar.costAtHigh, 2), stations(bar.eydAtHigh),
                      tableFigure(bar.swing, 2)});
    }
    table.print(out);
    if (!still.empty()) {
        out << fmt::format(t::kNoSwing, still) << '\n';
    }
    out << '\n';
}

Json planPointJson(const PlanPoint& p) {
    return {{"step", p.step},
            {"eyd", p.eyd},
            {"roadSpacing", p.roadSpacing},
            {"roadLength", p.roadLength},
            {"landings", p.landings},
            {"corridors", p.corridors},
            {"volume", p.volume},
            {"meanCost", p.meanCost},
            {"totalDollars", p.totalDollars}};
}

// The plan terms; feet and dollars, as the other figures of the document.
Json planJson(const DecisionResult& r) {
    if (!r.plan) {
        return nullptr;
    }
    return {{"recommended", planPointJson(r.plan->recommended)},
            {"bandFrom", planPointJson(r.plan->bandFrom)},
            {"bandTo", planPointJson(r.plan->bandTo)},
            {"evpiDollars", r.plan->evpiDollars}};
}

// A leading block of what the table and the summary say besides the steps
// (the recommendation, the band, the EVPI and the plan terms: one name and
// value a row, the plan a small table of its own), a blank line, then the
// per-step figures. Every step row carries the seed, so that a CSV file
// alone says how to repeat the run. A figure there is none of is empty.
void printCsvBlock(CsvWriter& csv, const DecisionResult& r) {
    const bool any = r.recommendedStep > 0;
    const double none = kNoFigure;
    csv.text("seed").integer(r.seed);
    csv.endRow();
    csv.text("scenarios").integer(r.scenarios);
    csv.endRow();
    csv.text("stopped").text(r.stopped ? "true" : "false");
    csv.endRow();
    const std::pair<const char*, double> values[] = {
        {"recommendedStep", any ? r.recommendedStep : none},
        {"recommendedEyd", any ? r.recommendedEyd : none},
        {"recommendedMean", any ? r.recommendedMean : none},
        {"bandTolerance", r.bandTolerance * 100},
        {"bandFromEyd", any ? r.bandFromEyd : none},
        {"bandToEyd", any ? r.bandToEyd : none},
        {"evpi", any ? r.evpi : none},
        {"evpiDollars", r.plan ? r.plan->evpiDollars : none},
    };
    for (const auto& [name, value] : values) {
        csv.text(name).number(value);
        csv.endRow();
    }
    for (const char* heading : {"plan", "step", "eyd", "roadSpacing", "roadLength", "landings", "corridors", "volume",
                                "meanCost", "totalDollars"}) {
        csv.text(heading);
    }
    csv.endRow();
    if (r.plan) {
        for (const auto& [name, p] : {std::pair<const char*, const PlanPoint&>{"bandFrom", r.plan->bandFrom},
                                      {"recommended", r.plan->recommended},
                                      {"bandTo", r.plan->bandTo}}) {
            csv.text(name).integer(p.step).number(p.eyd).number(p.roadSpacing).number(p.roadLength);
            csv.number(p.landings).number(p.corridors).number(p.volume).number(p.meanCost).number(p.totalDollars);
            csv.endRow();
        }
    }
    csv.endRow();
}

}  // namespace

Json decisionDocument(InputVariables& inputs, const DecisionResult& r) {
    Json rows = Json::array();
    for (const DecisionRow& stored : r.rows) {
        rows.push_back(stepJson(shownRow(r, stored, LoneScenarioSpread::LeftOut), true));
    }
    Json recommended = nullptr;
    Json band = nullptr;
    Json evpi = nullptr;
    if (r.recommendedStep > 0) {
        recommended = {{"step", r.recommendedStep}, {"eyd", r.recommendedEyd}, {"meanCost", r.recommendedMean}};
        band = {{"tolerance", r.bandTolerance * 100}, {"fromEyd", r.bandFromEyd}, {"toEyd", r.bandToEyd}};
        evpi = r.evpi;
    }
    Json bars = Json::array();
    for (const TornadoBar& bar : r.tornado.bars) {
        bars.push_back({{"variable", bar.variable},
                        {"low", enteredValue(inputs, bar, false)},
                        {"high", enteredValue(inputs, bar, true)},
                        {"costAtLow", bar.costAtLow},
                        {"costAtHigh", bar.costAtHigh},
                        {"eydAtLow", bar.eydAtLow},
                        {"eydAtHigh", bar.eydAtHigh},
                        {"swing", bar.swing}});
    }
    const Json document = {
        {"seed", r.seed},
        {"pattern", patternName(r.pattern)},
        {"steps", r.steps},
        {"scenarios", r.scenarios},
        {"nonFinite", r.nonFinite},
        {"threads", r.threads},
        {"stopped", r.stopped},
        {"capped", r.capped},
        {"rows", std::move(rows)},
        {"recommended", std::move(recommended)},
        {"band", std::move(band)},
        {"evpi", std::move(evpi)},
        {"plan", planJson(r)},
        {"tornado",
         {{"base", {{"minCost", r.tornado.baseMinCost}, {"eyd", r.tornado.baseEyd}}}, {"bars", std::move(bars)}}},
        {"voi", voiJson(r.voi)},
        {"summary", decisionSummary(r)}};
    return document;
}

void printDecisionJson(std::ostream& out, InputVariables& inputs, const DecisionResult& r) {
    writeJson(out, decisionDocument(inputs, r));
}

void printDecisionCsv(std::ostream& out, const DecisionResult& r) {
    CsvWriter csv(out);
    printCsvBlock(csv, r);
    for (const char* heading :
         {"seed", "step", "eyd", "mean", "stddev", "halfWidth", "p10", "p50", "p90", "pOptimal", "regret"}) {
        csv.text(heading);
    }
    csv.endRow();
    for (const DecisionRow& stored : r.rows) {
        const DecisionRow row = shownRow(r, stored, LoneScenarioSpread::LeftOut);
        csv.integer(r.seed).integer(row.step).number(row.eyd).number(row.mean).number(row.stddev);
        csv.number(row.halfWidth).number(row.p10).number(row.p50).number(row.p90).number(row.pOptimal);
        csv.number(row.regret);
        csv.endRow();
    }
}

void printDecisionTable(std::ostream& out, InputVariables& inputs, const DecisionResult& r,
                        std::uint64_t maxScenarios) {
    out << fmt::format(t::kDecideHeading, patternCaption(r.pattern), r.steps, r.scenarios);
    if (r.nonFinite > 0) {
        out << fmt::format(t::kDecideLeftOut, r.nonFinite);
    }
    out << (r.threads == 1 ? fmt::format(t::kDecideSeedOneThread, r.seed)
                           : fmt::format(t::kDecideSeedThreads, r.seed, r.threads))
        << "\n\n";
    TextTable table;
    table.addColumn(t::kEyd, t::kStations);
    table.addColumn(t::kMean, t::kCost);
    table.addColumn(t::kStdDev, t::kCost);
    table.addColumn(t::kHalfWidth, t::kCost);
    table.addColumn(t::kP10, t::kCost);
    table.addColumn(t::kP50, t::kCost);
    table.addColumn(t::kP90, t::kCost);
    table.addColumn(t::kPOptimal, t::kPercent);
    table.addColumn(t::kRegret, t::kCost);
    for (const DecisionRow& stored : r.rows) {
        const DecisionRow row = shownRow(r, stored, LoneScenarioSpread::LeftOut);
        table.addRow({std::to_string(row.step), tableFigure(row.mean, 2), tableFigure(row.stddev, 2),
                      tableFigure(row.halfWidth, 2), tableFigure(row.p10, 2), tableFigure(row.p50, 2),
                      tableFigure(row.p90, 2), tableFigure(row.pOptimal * 100, 1), tableFigure(row.regret, 2)});
    }
    table.print(out);
    out << '\n';
    if (r.recommendedStep > 0) {
        out << fmt::format(t::kRecommended, r.recommendedStep, fixedDecimal(r.recommendedEyd, 0),
                           fixedDecimal(r.recommendedMean, 2))
            << '\n'
            << fmt::format(t::kWithinBand, plainDecimal(roundHalfEven(r.bandTolerance * 100, 6)),
                           stations(r.bandFromEyd), stations(r.bandToEyd), fixedDecimal(r.bandFromEyd, 0),
                           fixedDecimal(r.bandToEyd, 0))
            << '\n'
            << fmt::format(t::kEvpi, fixedDecimal(r.evpi, 2), r.plan ? dollarText(r.plan->evpiDollars) : t::kNoFigure)
            << "\n\n";
    }
    if (r.plan) {
        printPlan(out, *r.plan);
    }
    printTornado(out, inputs, r.tornado);
    if (r.capped) {
        out << decisionCapNote(maxScenarios) << '\n';
    }
    printVoiTable(out, r.voi);
    out << decisionSummary(r) << '\n';
}

}  // namespace quorvale::cli
