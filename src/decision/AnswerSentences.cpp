#include "decision/AnswerSentences.h"

#include <cmath>

#include <fmt/format.h>

#include "base/Texts.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

namespace t = texts::plan;

std::string stations(double eydFeet) { return plainDecimal(eydFeet / 100); }
std::string percent(double share) { return fixedDecimal(share * 100, 1); }

}  // namespace

std::string cheapestSentence(const DecisionResult& result) {
    const std::vector<DecisionRow>& rows = result.rows;
    if (result.recommendedStep < 1 || result.recommendedStep > static_cast<int>(rows.size())) {
        return {};
    }
    // Ties go to the longer EYD, as for the recommendation.
    size_t often = 0;
    for (size_t s = 1; s < rows.size(); ++s) {
        if (rows[s].pOptimal >= rows[often].pOptimal) {
            often = s;
        }
    }
    const DecisionRow& recommended = rows[static_cast<size_t>(result.recommendedStep - 1)];
    if (rows[often].step == recommended.step || rows[often].pOptimal == recommended.pOptimal) {
        return fmt::format(t::kCheapestMostOften, percent(recommended.pOptimal));
    }
    return fmt::format(t::kCheapest, percent(recommended.pOptimal), rows[often].step, percent(rows[often].pOptimal));
}

bool atLargestEyd(const DecisionResult& result) {
    return result.recommendedStep > 0 && result.recommendedStep == result.steps;
}

std::string evpiSentence(const DecisionResult& result) {
    if (result.plan && std::isfinite(result.plan->evpiDollars)) {
        return fmt::format(t::kEvpiDollars, fixedDecimal(result.evpi, 2), dollarText(result.plan->evpiDollars));
    }
    return fmt::format(t::kEvpi, fixedDecimal(result.evpi, 2));
}

std::string followSentence(const DecisionResult& result, const SimulationOptimum& optimum) {
    const bool inside = optimum.eyd >= result.bandFromEyd && optimum.eyd <= result.bandToEyd;
    return fmt::format(fmt::runtime(inside ? t::kFollowInside : t::kFollowOutside), stations(result.recommendedEyd),
                       stations(optimum.eyd), stations(result.bandFromEyd), stations(result.bandToEyd));
}

}  // namespace quorvale
