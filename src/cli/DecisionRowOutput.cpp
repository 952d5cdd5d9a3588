#include "cli/DecisionRowOutput.h"

#include "decision/Tornado.h"

namespace quorvale::cli {

DecisionRow shownRow(const DecisionResult& r, const DecisionRow& row, LoneScenarioSpread lone) {
    const double none = kNoFigure;
    if (r.scenarios == 0) {
        return {row.step, row.eyd, none, none, none, none, none, none, none, none};
    }
    DecisionRow shown = row;
    if (r.scenarios == 1 && lone == LoneScenarioSpread::LeftOut) {
        shown.stddev = none;
        shown.halfWidth = none;
    }
    return shown;
}

Json stepJson(const DecisionRow& row, bool withSpread) {
    Json json = {{"step", row.step}, {"eyd", row.eyd}, {"mean", row.mean}};
    if (withSpread) {
        json["stddev"] = row.stddev;
        json["halfWidth"] = row.halfWidth;
    }
    json["p10"] = row.p10;
    json["p50"] = row.p50;
    json["p90"] = row.p90;
    json["pOptimal"] = row.pOptimal;
    json["regret"] = row.regret;
    return json;
}

}  // namespace quorvale::cli
