#pragma once
// The unit report: a PDF to hand a colleague or attach to an appraisal. The
// unit's name and notes head it; then its pattern and inputs (Low/High with
// units), the static cost chart of the current range case with its minimum,
// the last simulation's optimum and the last decision analysis (its answer
// with seed and scenario count, the command that repeats it, the beliefs it
// drew from, the steps of its band, the plan terms, what is worth measuring,
// the comparison when it compared and its charts), and the date and
// program version on every page.
//
// Nothing stale is printed as current: a simulation or decision analysis
// that was run on other inputs or another pattern than those the report
// shows is left out, with a line that says why.
//
// The report is made from plain values (what the windows hold, copied), so
// it can be written without touching a window, and tested the same way.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "base/Texts.h"
#include "decision/DecisionAnalysis.h"
#include "inputs/NumberText.h"
#include "model/RangeSweep.h"
#include "simulator/MonteCarloRun.h"
#include "units/UnitDocument.h"

namespace quorvale {

struct ReportContent {
    QString unitName;   // empty: unnamed
    UnitDocument unit;  // entry texts as shown, pattern, target, notes
    RangeCase rangeCase = RangeCase::Low;
    // The static sweep of that case, step 1 first.
    std::vector<YardingResult> sweep;
    // The last simulation and the last decision analysis, each only when it
    // was run on the unit's inputs and pattern; without one, the line that
    // says why its section is empty.
    std::optional<RunSummary> lastRun;
    QString noRunNote = QString::fromUtf8(texts::report::kNoSimulation);
    std::optional<DecisionResult> decision;
    QString noDecisionNote = QString::fromUtf8(texts::report::kNoDecision);
    // What the decision analysis drew from beyond Low and High.
    Beliefs beliefs;
    // The comparison, when the run compared; its first side is `decision`.
    // Alternatives without names are the two corridor patterns.
    std::optional<ComparisonResult> comparison;
    // The unit file compared with, when it was one.
    std::string againstFile;
    // A unit file that holds these very inputs and beliefs, if one is known:
    // the repeat command names it where one line cannot give the beliefs.
    std::string unitFile;
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
