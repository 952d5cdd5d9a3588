#include "cli/ComparisonOutput.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "cli/DecisionRowOutput.h"
#include "cli/TextTable.h"
#include "decision/DecisionSummary.h"
#include "decision/ValueSummary.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

std::string figure(double value, int decimals) { return std::isfinite(value) ? fixedDecimal(value, decimals) : "-"; }

// An alternative's figures at a step, its spread as computed even of one
// scenario.
DecisionRow shown(const DecisionResult& r, size_t step) {
    return shownRow(r, r.rows[step], LoneScenarioSpread::AsComputed);
}

Json sideJson(const DecisionResult& r, const std::string& name) {
    Json rows = Json::array();
    for (size_t s = 0; s < r.rows.size(); ++s) {
        rows.push_back(stepJson(shown(r, s), false));
    }
    Json recommended = nullptr;
    if (r.recommendedStep > 0) {
        recommended = {{"step", r.recommendedStep}, {"eyd", r.recommendedEyd}, {"meanCost", r.recommendedMean}};
    }
    return {{"name", name},
            {"pattern", patternName(r.pattern)},
            {"steps", r.steps},
            {"recommended", std::move(recommended)},
            {"rows", std::move(rows)}};
}

void printJson(std::ostream& out, const ComparisonResult& c, std::uint64_t seed) {
    Json comparison = {{"a", sideJson(c.a, c.nameA)},
                       {"b", sideJson(c.b, c.nameB)},
                       {"meanDifference", c.meanDifference},
                       {"p10", c.p10},
                       {"p90", c.p90},
                       {"pACheaper", c.pACheaper},
                       {"choose", c.decided() ? Json(c.chooseA ? "a" : "b") : Json(nullptr)}};
    const Json document = {{"seed", seed},
                           {"scenarios", c.a.scenarios},
                           {"nonFinite", c.a.nonFinite},
                           {"threads", c.a.threads},
                           {"stopped", c.a.stopped},
                           {"capped", c.a.capped},
                           {"comparison", std::move(comparison)},
                           {"evpi", c.evpi},
                           {"voi", voiJson(c.voi)}};
    writeJson(out, document);
}

void printCsv(std::ostream& out, const ComparisonResult& c, std::uint64_t seed) {
    CsvWriter csv(out);
    for (const char* heading : {"seed", "alternative", "step", "eyd", "mean", "stddev", "halfWidth", "p10", "p50",
                                "p90", "pOptimal", "regret"}) {
        csv.text(heading);
    }
    csv.endRow();
    for (const auto& [side, r] : {std::pair{"a", &c.a}, std::pair{"b", &c.b}}) {
        for (size_t s = 0; s < r->rows.size(); ++s) {
            const DecisionRow row = shown(*r, s);
            csv.integer(seed).text(side).integer(row.step).number(row.eyd).number(row.mean).number(row.stddev);
            csv.number(row.halfWidth).number(row.p10).number(row.p50).number(row.p90).number(row.pOptimal);
            csv.number(row.regret);
            csv.endRow();
        }
    }
}

// "North slope, parallel corridors" or "parallel corridors".
std::string sideName(const std::string& name, const DecisionResult& r) {
    const std::string pattern(patternCaption(r.pattern));
    return name.empty() ? pattern : fmt::format("{}, {}", name, pattern);
}

void printTable(std::ostream& out, const ComparisonResult& c, std::uint64_t seed, const DecisionSettings& settings) {
    out << fmt::format(t::kCompareHeading, c.a.scenarios);
    if (c.a.nonFinite > 0) {
        out << fmt::format(t::kDecideLeftOut, c.a.nonFinite);
    }
    out << (c.a.threads == 1 ? fmt::format(t::kDecideSeedOneThread, seed)
                             : fmt::format(t::kDecideSeedThreads, seed, c.a.threads))
        << '\n'
        << fmt::format(t::kCompareSide, "A", sideName(c.nameA, c.a), c.a.steps) << '\n'
        << fmt::format(t::kCompareSide, "B", sideName(c.nameB, c.b), c.b.steps) << "\n\n";
    TextTable table;
    table.addColumn(t::kStep, t::kStations);
    table.addColumn(t::kEyd, t::kFeet);
    for (const char* side : {"A", "B"}) {
        table.addColumn(fmt::format(t::kSideColumn, side, t::kMean), t::kCost);
        table.addColumn(fmt::format(t::kSideColumn, side, t::kP10), t::kCost);
        table.addColumn(fmt::format(t::kSideColumn, side, t::kP90), t::kCost);
    }
    const size_t steps = std::max(c.a.rows.size(), c.b.rows.size());
    for (size_t s = 0; s < steps; ++s) {
        std::vector<std::string> cells{std::to_string(s + 1), fixedDecimal(100.0 * static_cast<double>(s + 1), 0)};
        for (const DecisionResult* r : {&c.a, &c.b}) {
            if (s < r->rows.size()) {
                const DecisionRow row = shown(*r, s);
                cells.insert(cells.end(), {figure(row.mean, 2), figure(row.p10, 2), figure(row.p90, 2)});
            } else {
                cells.insert(cells.end(), 3, "-");
            }
        }
        table.addRow(std::move(cells));
    }
    table.print(out);
    out << '\n';
    for (const auto& [side, r] : {std::pair{"A", &c.a}, std::pair{"B", &c.b}}) {
        if (r->recommendedStep > 0) {
            out << fmt::format(t::kCompareRecommended, side, fixedDecimal(r->recommendedEyd, 0),
                               fixedDecimal(r->recommendedMean, 2))
                << '\n';
        }
    }
    if (std::isfinite(c.evpi)) {
        out << fmt::format(t::kCompareEvpi, fixedDecimal(c.evpi, 2)) << '\n';
    }
    out << '\n';
    printVoiTable(out, c.voi);
    if (c.a.stopped) {
        out << decisionStoppedNote(c.a.scenarios + c.a.nonFinite) << '\n';
    }
    if (c.a.capped) {
        out << decisionCapNote(settings.maxScenarios) << '\n';
    }
    out << comparisonSummary(c) << '\n';
}

}  // namespace

Json voiJson(const std::vector<VoiEntry>& voi) {
    Json entries = Json::array();
    for (const VoiEntry& v : voi) {
        entries.push_back({{"variable", v.option}, {"evppi", v.evppi}, {"evppiDollars", v.evppiDollars}});
    }
    return entries;
}

void printVoiTable(std::ostream& out, const std::vector<VoiEntry>& voi) {
    if (voi.empty()) {
        return;
    }
    out << t::kVoiHeading << "\n\n";
    TextTable table;
    table.addColumn(t::kVariable, "");
    table.addColumn(t::kEvppi, t::kCost);
    table.addColumn(t::kForTheUnit, "$");
    for (const VoiEntry& v : voi) {
        table.addRow({v.option, figure(v.evppi, 2), figure(v.evppiDollars, 0)});
    }
    table.print(out);
    out << '\n';
}

void printComparison(std::ostream& out, OutputFormat format, const ComparisonResult& c, std::uint64_t seed,
                     const DecisionSettings& settings) {
    switch (format) {
        case OutputFormat::Json:
            printJson(out, c, seed);
            break;
        case OutputFormat::Csv:
            printCsv(out, c, seed);
            break;
        case OutputFormat::Table:
            printTable(out, c, seed, settings);
            break;
    }
}

}  // namespace quorvale::cli
