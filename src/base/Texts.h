#pragma once
// Every exact text the program shows, in one table: captions, labels,
// messages and the names it stores settings under. Each window area has its
// own namespace under quorvale::texts, so a reader finds a text by where it
// appears and a test can check it against what the user sees.
//
// A text with fields is filled one way, by what it becomes: a std::string
// with fmt, its fields {} (the core, the command line and the few messages
// printed before a window opens); a QString with QString::arg, its fields
// %1, %2 (the windows).

// The tables live one area to a file; this header brings them all.

#include "base/TextsShell.h"
#include "base/TextsAbout.h"
#include "base/TextsVariables.h"
#include "base/TextsSimulator.h"
#include "base/TextsCharts.h"
#include "base/TextsDecision.h"
#include "base/TextsPlan.h"
#include "base/TextsUnits.h"
#include "base/TextsReport.h"
#include "base/TextsGuide.h"
#include "base/TextsBatch.h"
#include "base/TextsCli.h"
