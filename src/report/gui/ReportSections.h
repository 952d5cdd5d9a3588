#pragma once
// The unit report's sections as HTML for PageFlow, made from plain values.
// Texts of the program and of the user are escaped here; numbers are
// written in the report's locale.

#include <QString>
#include <QStringList>

#include "decision/DecisionAnalysis.h"
#include "inputs/NumberText.h"
#include "simulator/MonteCarloRun.h"
#include "units/UnitDocument.h"

namespace quorvale::reportHtml {

QString escaped(const QString& text);
QString escaped(const std::string& utf8);
// A paragraph of the text, escaped; `note` greys it.
QString paragraph(const QString& text, bool note = false);
QString heading(const QString& text);
// A command line in a typewriter face.
QString commandLine(const std::string& command);

// Every input, Low and High as the Variables window shows them, with its unit,
// under its group.
QString inputsTable(const UnitDocument& unit, const NumberLocale& locale);
// The simulation's optimum as the Simulator window shows it.
QString optimumTable(const RunSummary& run, const NumberLocale& locale);
// The steps of the decision's band: mean, P10, P90, how often the cheapest
// and the regret; the recommended step in bold.
QString bandTable(const DecisionResult& result, const NumberLocale& locale);
// The plan terms at the band's ends and the recommended EYD.
QString planTable(const PlanTerms& plan, const NumberLocale& locale);

}  // namespace quorvale::reportHtml
