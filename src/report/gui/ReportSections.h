#pragma once
// The unit report's sections as HTML for PageFlow, made from plain values.
// Texts of the program and of the user are escaped here; numbers are
// written in the report's locale.

#include <QString>
#include <QStringList>

#include "decision/DecisionAnalysis.h"
#include "inputs/InputVariables.h"
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

// The variables given a most-likely value: Low, Most likely and High as
// the analysis read them, and the shape; then the linked pairs with their
// rank correlations. A line says how the rest were drawn. `read` holds the
// entries as the analysis read them (repaired).
QString beliefsSection(const Beliefs& beliefs, InputVariables& read, const NumberLocale& locale);
// What knowing each input exactly would save, $/mbf and $ for the unit,
// largest first.
QString voiTable(const std::vector<VoiEntry>& voi, const NumberLocale& locale);
// Both alternatives' recommendations, then the paired difference: its mean,
// P10 and P90, and how often A's choice is the cheaper.
QString comparisonTable(const ComparisonResult& c, const QString& nameA, const QString& nameB,
                        const NumberLocale& locale);

}  // namespace quorvale::reportHtml
