#pragma once
// The unit report: a PDF to hand a colleague or attach to an appraisal. It
// holds the unit's name, notes, pattern and inputs (Low/High with units), the
// static cost chart of the current range case with its minimum, the last
// simulation's optimum and the last decision analysis, each when there is
// one, and the date and program version on every page.
//
// The report is made from plain values (what the windows hold, copied), so
// it can be written without touching a window, and tested the same way.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "inputs/NumberText.h"
#include "units/UnitDocument.h"
#include "model/RangeSweep.h"
#include "decision/DecisionAnalysis.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale {

struct ReportContent {
    QString unitName;   // empty: unnamed
    UnitDocument unit;  // entry texts as shown, pattern, target, notes
    RangeCase rangeCase = RangeCase::Low;
    // The static sweep of that case, step 1 first.
    std::vector<YardingResult> sweep;
    std::optional<RunSummary> lastRun;
    std::optional<DecisionResult> decision;
    bool decisionOutOfDate = false;  // made from earlier inputs
    QDateTime written;
    QString version;
    NumberLocale locale = NumberLocale::english();
};

// The static sweep the cost chart shows for these inputs and range case,
// computed on a copy: the windows are not touched.
std::vector<YardingResult> reportSweep(const UnitDocument& unit, RangeCase rangeCase, const NumberLocale& locale);

class UnitReport {
public:
    // The PDF's bytes (US Letter pages).
    static QByteArray pdf(const ReportContent& content);
};

}  // namespace quorvale
