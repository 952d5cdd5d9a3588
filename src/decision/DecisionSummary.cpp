#include "decision/DecisionSummary.h"

#include <fmt/format.h>

#include <algorithm>
#include <vector>

#include "base/Texts.h"
#include "decision/AnswerSentences.h"
#include "inputs/NumberText.h"
#include "decision/ValueSummary.h"

namespace quorvale {
namespace {

std::string stations(double eydFeet) { return plainDecimal(eydFeet / 100); }

}  // namespace

std::string decisionStoppedNote(std::uint64_t scenarios) {
    return fmt::format(texts::decision::kStopped, countText(scenarios));
}

std::string decisionCapNote(std::uint64_t maxScenarios) {
    return fmt::format(texts::decision::kCapped, countText(maxScenarios));
}

std::string decisionSummary(const DecisionResult& result) {
    namespace t = texts::decision;
    std::vector<std::string> sentences;
    if (result.stopped) {
        sentences.push_back(decisionStoppedNote(result.scenarios + result.nonFinite));
    }
    if (result.steps == 0) {
        sentences.push_back(t::kNoSteps);
    } else if (result.recommendedStep == 0) {
        sentences.push_back(t::kNoScenario);
    } else {
        const std::string tolerance = plainDecimal(roundHalfEven(result.bandTolerance * 100, 6));
        const std::string mean = fixedDecimal(result.recommendedMean, 2);
        sentences.push_back(result.recommendedStep == 1 ? fmt::format(t::kRecommendOne, mean)
                                                        : fmt::format(t::kRecommend, result.recommendedStep, mean));
        sentences.push_back(cheapestSentence(result));
        if (result.bandFromEyd < result.bandToEyd) {
            sentences.push_back(
                fmt::format(t::kBand, stations(result.bandFromEyd), stations(result.bandToEyd), tolerance));
        } else {
            sentences.push_back(fmt::format(t::kBandAlone, tolerance));
        }
        if (atLargestEyd(result)) {
            sentences.push_back(texts::plan::kWiden);
        }
        sentences.push_back(evpiSentence(result));
        if (result.plan) {
            sentences.push_back(planSentences(*result.plan));
        }
    }
    if (result.steps > 0) {
        const auto& bars = result.tornado.bars;
        auto caption = [](const TornadoBar& bar) {
            return std::string(variableRule(RunInputs::drawnVariable(bar.drawIndex)).caption);
        };
        const auto driver = std::find_if(bars.begin(), bars.end(), [](const TornadoBar& b) { return b.complete(); });
        const bool allComplete =
            std::all_of(bars.begin(), bars.end(), [](const TornadoBar& b) { return b.complete(); });
        if (driver != bars.end() && driver->swing > 0) {
            sentences.push_back(fmt::format(t::kDriver, caption(*driver)));
        } else if (allComplete) {
            sentences.push_back(t::kNoDriver);
        }
        // The cost cannot be figured with a variable at an end of its range:
        // an extreme entry the user should see named. Without a finite base
        // every variable fails at both ends; only those that have a finite
        // cost at one end show where it breaks.
        if (!bars.empty() && !result.tornado.hasBase()) {
            sentences.push_back(t::kTornadoNoBase);
        }
        for (const TornadoBar& bar : bars) {
            if (bar.hasLow() != bar.hasHigh()) {
                sentences.push_back(bar.hasLow() ? fmt::format(t::kNoCostAtHigh, caption(bar))
                                                 : fmt::format(t::kNoCostAtLow, caption(bar)));
            } else if (!bar.hasLow() && result.tornado.hasBase()) {
                sentences.push_back(fmt::format(t::kNoCostAtEither, caption(bar)));
            }
        }
    }
    for (std::string& s : informationValueSentences(result.voi, result.tornado)) {
        sentences.push_back(std::move(s));
    }
    std::string text;
    for (const std::string& s : sentences) {
        if (!text.empty()) {
            text += ' ';
        }
        text += s;
    }
    return text;
}

}  // namespace quorvale
