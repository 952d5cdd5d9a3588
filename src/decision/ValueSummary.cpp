#include "decision/ValueSummary.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "base/Texts.h"
#include "decision/PlanTerms.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

namespace t = texts::decision;

// Below this (half a cent) a saving shows as 0.00.
constexpr double kNothingWorth = 0.005;
// A cost driver worth less than this share of the best input to measure
// hardly changes the choice.
constexpr double kHardlyShare = 0.5;

std::string caption(int variable) { return std::string(variableRule(variable).caption); }

// One decimal, with a true minus sign, and never "-0.0".
std::string signedTenths(double value) {
    const double rounded = roundHalfEven(value, 1);
    const std::string text = fixedDecimal(std::fabs(rounded), 1);
    return rounded < 0 ? "\u2212" + text : text;
}

const char* patternWord(CorridorPattern pattern) {
    return pattern == CorridorPattern::Parallel ? t::kParallelWord : t::kFanShapedWord;
}

std::string stationsText(int step) { return step == 1 ? t::kOneStation : fmt::format(t::kStations, step); }

}  // namespace

std::vector<std::string> informationValueSentences(const std::vector<VoiEntry>& voi, const Tornado& tornado) {
    if (voi.empty()) {
        return {};
    }
    const VoiEntry& top = voi.front();
    if (!(top.evppi >= kNothingWorth)) {
        return {t::kVoiNone};
    }
    std::vector<std::string> sentences{
        fmt::format(t::kVoiFirst, caption(top.variable), fixedDecimal(top.evppi, 2), dollarText(top.evppiDollars))};
    const auto driver = std::find_if(tornado.bars.begin(), tornado.bars.end(),
                                     [](const TornadoBar& b) { return b.complete() && b.swing > 0; });
    if (driver != tornado.bars.end() && driver->variable != top.option) {
        const auto worth =
            std::find_if(voi.begin(), voi.end(), [&](const VoiEntry& v) { return v.option == driver->variable; });
        if (worth != voi.end() && worth->evppi < kHardlyShare * top.evppi) {
            sentences.push_back(
                fmt::format(t::kVoiDriverHardly, caption(worth->variable), fixedDecimal(worth->evppi, 2)));
        }
    }
    return sentences;
}

std::string comparisonSentence(const ComparisonResult& c) {
    if (!c.decided()) {
        return t::kCompareNone;
    }
    const bool a = c.chooseA;
    const DecisionResult& chosen = a ? c.a : c.b;
    const DecisionResult& other = a ? c.b : c.a;
    const std::string& chosenName = a ? c.nameA : c.nameB;
    const std::string& otherName = a ? c.nameB : c.nameA;
    // The difference as the other's cost minus the chosen one's.
    const double mean = a ? c.meanDifference : -c.meanDifference;
    const double p10 = a ? c.p10 : -c.p90;
    const double p90 = a ? c.p90 : -c.p10;
    const double share = a ? c.pACheaper : c.pBCheaper;
    const bool named = !chosenName.empty() && !otherName.empty();
    const std::string choice =
        named ? fmt::format(t::kCompareChoose, chosenName, patternWord(chosen.pattern),
                            stationsText(chosen.recommendedStep))
              : fmt::format(t::kCompareLayOut, patternWord(chosen.pattern), stationsText(chosen.recommendedStep));
    const std::string against =
        named ? fmt::format(t::kCompareOtherUnit, otherName, patternWord(other.pattern), other.recommendedStep)
              : fmt::format(t::kCompareOtherPattern, patternWord(other.pattern), other.recommendedStep);
    return fmt::format(t::kCompare, choice, fixedDecimal(share * 100, 0),
                       named ? t::kCompareItCosts : t::kCompareTheyCost, against, signedTenths(mean), signedTenths(p10),
                       signedTenths(p90));
}

std::string comparisonSummary(const ComparisonResult& c) {
    std::string text;
    for (const std::string& s : informationValueSentences(c.voi, (c.chooseA ? c.a : c.b).tornado)) {
        text += s + ' ';
    }
    return text + comparisonSentence(c);
}

}  // namespace quorvale
