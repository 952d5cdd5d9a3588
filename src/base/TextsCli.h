#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// The command-line tool (quorvale-cli): its usage and help, the headings of
// its tables, its result lines, notes and messages. {} are filled in order by
// fmt. The option names, the CSV column names and the JSON keys are a format
// other programs read, so they stay with the code that writes them.
namespace cli {

// The overview, `quorvale-cli --help`; the commands follow, one a line.
inline constexpr char kUsage[] =
    "Usage: quorvale-cli COMMAND [OPTIONS]\n"
    "       quorvale-cli COMMAND --help\n"
    "       quorvale-cli --version\n\n"
    "Cable logging cost analysis: layout, time, production and road, logging and\n"
    "total cost ($/mbf) against the external yarding distance (EYD).\n\nCommands:\n";
// The end of `quorvale-cli --help` and of every command's help.
inline constexpr char kExitStatus[] =
    "\nExit status:\n"
    "  0    success\n"
    "  1    a step's figures overflow (sweep; the rows before it are printed), no\n"
    "       scenario gives finite costs (decide), a unit file is refused, a unit of\n"
    "       a batch failed (its row says why), or the output cannot be written\n"
    "  2    usage error: an unknown command or option, or a value that cannot be read\n"
    "  130  stopped by Ctrl+C (simulate, decide, batch; what was finished is printed)\n"
    "  143  stopped by SIGTERM (the same)\n";
inline constexpr char kSweepSummary[] = "static analysis over EYD for the low, average or high values";
inline constexpr char kSimulateSummary[] = "Monte Carlo run over EYD until each step's mean cost is known to a target";
inline constexpr char kDecideSummary[] = "which EYD to lay out, how sure that is, and which input moves the cost most";
inline constexpr char kUnitSummary[] = "writes a unit file (.qvunit) of the given inputs to standard output";
// {} the version.
inline constexpr char kVersion[] = "quorvale-cli {}";

// Messages of the tool as a whole, each one line on standard error.
inline constexpr char kNoCommand[] = "quorvale-cli: no command given (try quorvale-cli --help)";
inline constexpr char kUnknownCommand[] = "quorvale-cli: unknown command '{}' (try quorvale-cli --help)";
inline constexpr char kWriteError[] = "quorvale-cli: write error: {}";
inline constexpr char kOutputStreamFailed[] = "the output stream failed";

// A command's messages: {} the command, then the message.
inline constexpr char kCommandError[] = "quorvale-cli {}: {}";
inline constexpr char kCommandWarning[] = "quorvale-cli {}: warning: {}";
inline constexpr char kCommandNote[] = "quorvale-cli {}: note: {}";

// Every command's help: the program name above its options, the options
// all commands share, the variables' group, each variable's line ({} its
// unit, its default) and the footer on how they are read.
inline constexpr char kProgramName[] = "quorvale-cli {}";
inline constexpr char kHelpOption[] = "print this help and exit";
inline constexpr char kPatternOption[] = "corridor pattern (default: parallel)";
inline constexpr char kFormatOption[] = "output format (default: table)";
inline constexpr char kUnitOption[] =
    "a unit file (.qvunit): its variables and pattern, as if given here; options after it override it";
inline constexpr char kVariablesGroup[] = "Variables";
inline constexpr char kVariableOption[] = "{}, default {}";
inline constexpr char kVariablesFooter[] =
    "Variables: each takes LOW or LOW:HIGH (one value sets both), in the units\n"
    "of the Variables window. Texts go through the same rules as the window's\n"
    "fields: a value that is not a positive number is replaced by the default.\n"
    "The analyses read them as the window holds them once it has taken them in\n"
    "at start-up: one decimal, and a Low corridor correction time not below\n"
    "the Low fixed corridor time written back as half of it (sweep --case low\n"
    "reads them as typed, as the window's first analysis does). An entry not\n"
    "read as it is written is named on stderr, with the value read.";
// {} the longest name in bytes.
inline constexpr char kNameTooLong[] = "option --name: a unit's name holds at most {} bytes";
inline constexpr char kStrictOption[] =
    "refuse a variable or unit file entry that is not read as it is written (exit status 2, no output)";

// An entry not read as it is written: {} the option, its text, the value
// read, why (or nothing). A unit file's entry: its reader's line.
inline constexpr char kReadAsLine[] = "quorvale-cli: {} \"{}\" read as {}{}";
inline constexpr char kToolLine[] = "quorvale-cli: {}";
inline constexpr char kWhyOneDecimal[] = " (one decimal, as the Variables window keeps it)";
inline constexpr char kStrictRefused[] =
    "--strict: not every entry is read as it is written (see above); nothing was run";

// What is wrong with the command line (after "quorvale-cli COMMAND: ").
inline constexpr char kUnexpectedArgument[] = "unexpected argument '{}' (options start with --; see --help)";
inline constexpr char kNeedsValue[] = "option {} needs a value";
inline constexpr char kTakesNoValue[] = "option {} takes no value";
// {} the option, the command, the command.
inline constexpr char kUnknownOption[] = "unknown option {} for {} (see quorvale-cli {} --help)";
inline constexpr char kUnknownPattern[] = "option --pattern: unknown pattern '{}' (use parallel or fan)";
inline constexpr char kUnknownFormat[] = "option --format: unknown format '{}' (use table, csv or json)";
inline constexpr char kNotPositive[] = "option {}: '{}' is not a positive number";
// {} the option, the text, the smallest and the largest number.
inline constexpr char kNotWholeNumber[] = "option {}: '{}' is not a whole number from {} to {}";
inline constexpr char kNotSampleCap[] = "option {}: '{}' is not a whole number from {} to {}, or 0 for no cap";
inline constexpr char kNotBand[] = "option --band: '{}' is not a number from 0 to 100 (percent)";
// {} the option given with --scenarios.
inline constexpr char kScenariosCombined[] =
    "option --scenarios runs a fixed number of scenarios and cannot be combined with {}";
inline constexpr char kUnknownCase[] = "option --case: unknown case '{}' (use low, average or high)";
// {} the column, the list of every column.
inline constexpr char kUnknownColumn[] = "option --columns: unknown column '{}' (use all or some of {})";
inline constexpr char kColumnsNotTable[] =
    "option --columns: only the table takes a choice of columns (csv and json hold them all)";
// {} the option, the low value, the high value.
inline constexpr char kLowAboveHigh[] = "--{}: the low value {} is above the high value {}";

// Headings of the tables' columns, and the units beneath them.
inline constexpr char kStep[] = "Step";
inline constexpr char kEyd[] = "EYD";
inline constexpr char kSpacing[] = "Spacing";
inline constexpr char kLyd[] = "LYD";
inline constexpr char kAlyd[] = "ALYD";
inline constexpr char kAyd[] = "AYD";
inline constexpr char kAeyd[] = "AEYD";
inline constexpr char kCorridorsPerLanding[] = "Corr/Land";
inline constexpr char kLandings[] = "Landings";
inline constexpr char kCorridors[] = "Corridors";
inline constexpr char kRigPerLanding[] = "Rig/Land";
inline constexpr char kRigTotal[] = "Rig total";
inline constexpr char kRoadDensity[] = "Road dens";
inline constexpr char kCycle[] = "Cycle";
inline constexpr char kDays[] = "Days";
inline constexpr char kVolume[] = "Volume";
inline constexpr char kProduction[] = "Prod";
inline constexpr char kLogging[] = "Logging";
inline constexpr char kRoad[] = "Road";
inline constexpr char kTotal[] = "Total";
inline constexpr char kSamples[] = "Samples";
inline constexpr char kMean[] = "Mean";
inline constexpr char kStdDev[] = "StdDev";
inline constexpr char kHalfWidth[] = "Half-width";
inline constexpr char kMin[] = "Min";
inline constexpr char kMax[] = "Max";
inline constexpr char kP10[] = "P10";
inline constexpr char kP50[] = "P50";
inline constexpr char kP90[] = "P90";
inline constexpr char kPOptimal[] = "pOptimal";
inline constexpr char kRegret[] = "Regret";
inline constexpr char kVariable[] = "Variable";
inline constexpr char kLow[] = "Low";
inline constexpr char kHigh[] = "High";
inline constexpr char kCostAtLow[] = "Cost at Low";
inline constexpr char kEydAtLow[] = "EYD at Low";
inline constexpr char kCostAtHigh[] = "Cost at High";
inline constexpr char kEydAtHigh[] = "EYD at High";
inline constexpr char kSwing[] = "Swing";

inline constexpr char kStations[] = "stat";
inline constexpr char kFeet[] = "ft";
inline constexpr char kPerUnit[] = "/unit";
inline constexpr char kHours[] = "h";
inline constexpr char kMilesPerSection[] = "mi/sec";
inline constexpr char kMinutesPerTurn[] = "min/turn";
inline constexpr char kWorkDays[] = "8.5 h";
inline constexpr char kMbf[] = "mbf";
inline constexpr char kMbfPerDay[] = "mbf/day";
inline constexpr char kTonsPerDay[] = "tons/day";
inline constexpr char kLoadsPerDay[] = "loads/day";
inline constexpr char kCost[] = "$/mbf";
inline constexpr char kPercent[] = "%";
inline constexpr char kMiles[] = "mi";
inline constexpr char kDollars[] = "$";

// sweep: its help, the table's heading ({} case, pattern, steps), its last
// line, and its messages.
inline constexpr char kSweepSynopsis[] =
    "Evaluates the yarding cost model at every whole station of EYD from 1 up to\n"
    "the EYD of the chosen case, as the static charts of the desktop program do.";
inline constexpr char kCaseOption[] = "which values of the variables (default: low)";
// {} the default columns.
inline constexpr char kColumnsOption[] =
    "the table's columns, by their CSV names (default: {}); csv and json always hold every column";
inline constexpr char kSweepHeading[] = "Static analysis, {} range, {}, {} steps";
// {} cost, EYD, step.
inline constexpr char kLowestCost[] = "Lowest total cost: {} $/mbf at EYD {} ft (step {})";
inline constexpr char kNoLowestCost[] = "Lowest total cost: none (no step was computed)";
inline constexpr char kEydLimited[] = "the EYD is limited to {} stations";
// {} the step, its EYD in stations.
inline constexpr char kSweepNotFinite[] =
    "step {} (EYD {} stations) gave a figure that is not a finite number; the sweep stopped there. "
    "Check the inputs for extreme values.";

// simulate: its help, the table's heading ({} pattern, steps, target, seed),
// the optimum and the notes.
inline constexpr char kSimulateSynopsis[] =
    "Monte Carlo simulation: at every whole station of EYD from 1 up to the high EYD,\n"
    "draws the variables between their low and high values and evaluates the cost\n"
    "model until at least 31 samples are taken and the 95 % confidence half-width of\n"
    "the mean total cost is below the target. Reports each step's statistics and the\n"
    "step of lowest mean cost. Ctrl+C or SIGTERM stops the run and prints the finished\n"
    "steps (exit status 130 or 143).";
inline constexpr char kSimulateTargetOption[] = "target half-width in $/mbf, a positive number (default: 5)";
inline constexpr char kSeedOption[] =
    "seed of the random numbers, 0 to 2^64-1 (default: from the clock); the seed used is always printed";
// {} the default cap.
inline constexpr char kSampleCapOption[] =
    "the most samples one step draws; a step that reaches it ends with the statistics it has and is marked as "
    "not converged; 0 for no cap (default: {})";
inline constexpr char kSimulateHeading[] = "Monte Carlo simulation, {}, {} steps, target half-width {} $/mbf, seed {}";
// After the samples of a step that reached the cap, and the line that explains it ({} the cap).
inline constexpr char kCappedMark[] = "*";
inline constexpr char kCappedLegend[] =
    "* not converged: the step reached the cap of {} samples (--max-samples-per-step) with its half-width above "
    "the target";
// {} EYD, cost; spacing, density; AYD, AEYD, LYD, ALYD; corridors, landings.
inline constexpr char kOptimum[] = "Optimum: EYD {} ft, mean total cost {} $/mbf";
inline constexpr char kOptimumLayout[] = "  landing spacing {} ft, road density {} mi/section";
inline constexpr char kOptimumDistances[] = "  AYD {} ft, AEYD {} ft, LYD {} ft, ALYD {} ft";
inline constexpr char kOptimumCounts[] = "  corridors per landing {}, landings per unit {}";
inline constexpr char kNoOptimum[] = "Optimum: none (no step was measured)";
// After the table: {} the first and the last station whose 95 % interval
// overlaps the optimum's, then the optimum's station.
inline constexpr char kIndistinguishable[] =
    "Cannot be told apart: the 95 % intervals of {} to {} stations overlap that of the lowest mean ({} stations). "
    "quorvale-cli decide compares the steps on the same draws and says which to lay out.";
inline constexpr char kDistinguishable[] =
    "No other step's 95 % interval overlaps that of the lowest mean ({} stations).";
inline constexpr char kSamplesTotal[] = "Samples: {}";
inline constexpr char kStoppedByUser[] = " (stopped by the user)";
// {} the step, the samples left out; then the second part when the step
// has no sample left, and the advice.
inline constexpr char kStepNotFinite[] =
    "step {}: {} samples gave figures that are not finite numbers and were left out";
inline constexpr char kStepUnmeasured[] = "; the step could not be measured";
inline constexpr char kCheckInputs[] = ". Check the inputs for extreme values.";
// {} the step, the cap, its half-width, the target.
inline constexpr char kStepCapped[] =
    "step {} did not converge: it reached the cap of {} samples with a half-width of {} $/mbf, above the target {}";
// The progress line: {} step, steps, the bar's done and open parts, samples, rate.
inline constexpr char kSimulateProgress[] = "step {}/{} [{:#<{}}{:.<{}}] {} samples, {:.2f} M samples/s";

// decide: its help, the table's heading and summary, the tornado, the notes.
inline constexpr char kDecideSynopsis[] =
    "Decision analysis: draws scenarios of the variables between their low and high\n"
    "values and evaluates each one at every whole station of EYD from 1 up to the\n"
    "high EYD, so that the steps are compared on the same draws. Reports for each\n"
    "step the mean total cost with its spread and percentiles, how often it is the\n"
    "cheapest (pOptimal) and what choosing it loses against each scenario's best\n"
    "(regret); the recommended EYD, the steps within --band of it, the value of\n"
    "knowing the inputs exactly (EVPI), and a tornado of each variable's swing.\n"
    "Without --scenarios the run goes on until every step's half-width is at most\n"
    "the target and pOptimal of the recommended step is known to +-1 %, or until\n"
    "--max-scenarios. Ctrl+C or SIGTERM stops the run and prints the scenarios so far\n"
    "(exit status 130 or 143). The same seed gives the same output for any --threads.";
inline constexpr char kScenariosOption[] = "a fixed number of scenarios (default: until the target is met)";
inline constexpr char kDecideTargetOption[] =
    "target half-width of every step's mean in $/mbf, a positive number (default: 0.25)";
inline constexpr char kMaxScenariosOption[] = "the most scenarios a run without --scenarios draws (default: 5000000)";
inline constexpr char kBandOption[] = "near-optimal band: percent above the lowest mean, 0 to 100 (default: 1)";
inline constexpr char kThreadsOption[] = "worker threads, 1 to 64 (default: every core)";
// {} pattern, steps, scenarios; then the scenarios left out, if any; then
// seed and threads.
inline constexpr char kDecideHeading[] = "Decision analysis, {}, {} steps, {} scenarios";
inline constexpr char kDecideLeftOut[] = " ({} more left out: figures not finite)";
inline constexpr char kDecideSeedOneThread[] = ", seed {}, 1 thread";
inline constexpr char kDecideSeedThreads[] = ", seed {}, {} threads";
// {} stations, feet, cost; the tolerance, from and to in stations, then in
// feet; EVPI in $/mbf and in dollars for the unit.
inline constexpr char kRecommended[] = "Recommended: {} stations ({} ft), mean total cost {} $/mbf";
inline constexpr char kWithinBand[] = "Within {} %: {} to {} stations ({} to {} ft)";
inline constexpr char kEvpi[] = "EVPI: {} $/mbf, {} for the unit";
// The plan terms' table: its heading, columns and rows.
inline constexpr char kPlanHeading[] =
    "Plan: the layout with every input at its average; the unit's cost is the mean cost times its volume";
inline constexpr char kRoadSpacing[] = "Road spacing";
inline constexpr char kUnitCost[] = "Unit cost";
inline constexpr char kBandFrom[] = "band from";
inline constexpr char kRecommendedRow[] = "recommended";
inline constexpr char kBandTo[] = "band to";
// {} the variables whose swing is 0, after the tornado's rows.
inline constexpr char kNoSwing[] = "No swing: {}";
// In the table, a figure there is none of.
inline constexpr char kNoFigure[] = "-";
// {} the base cost and its EYD.
inline constexpr char kTornadoHeading[] =
    "Tornado: each variable at its Low and High, the others at their averages; base {} $/mbf at {} stations";
inline constexpr char kNoFiniteScenario[] =
    "no scenario gave finite costs, so there is no recommendation. Check the inputs for extreme values.";
inline constexpr char kScenariosNotFinite[] =
    "{} scenarios gave figures that are not finite numbers and were left out. Check the inputs for extreme values.";
// The progress line: {} percent, scenarios, widest half-width, rate.
inline constexpr char kDecideProgress[] = "{:3.0f} % {} scenarios, widest half-width {:.2f} $/mbf, {:.0f} scenarios/s";

// report: its help and messages.
inline constexpr char kReportSummary[] = "writes the unit report (PDF) of the static and the decision analysis";
inline constexpr char kReportSynopsis[] =
    "Writes the unit report, as the desktop program's \"Save Report...\" does, without a\n"
    "display: the unit's name, notes and inputs, the static analysis of the low\n"
    "values with its cost chart, and a decision analysis with its seed, scenario\n"
    "count, recommended EYD and band, plan terms and charts. Give --seed and\n"
    "--scenarios to make the report repeatable. The desktop program quorvale\n"
    "draws the PDF; it must be installed beside quorvale-cli.";
inline constexpr char kReportOutputOption[] = "the PDF file to write (required); an earlier file is replaced whole";
inline constexpr char kReportScenariosOption[] =
    "a fixed number of scenarios for the decision analysis (default: until its target is met)";
inline constexpr char kReportNoOutput[] = "option --output is required: the PDF file to write";
// {} the path looked for.
inline constexpr char kReportNoDesktop[] =
    "the report is drawn by the desktop program, which is not installed beside quorvale-cli (looked for {})";
// {} the path, the reason.
inline constexpr char kReportNotStarted[] = "the desktop program {} could not be started: {}";
// {} the file.
inline constexpr char kReportWritten[] = "Report written to {}";
// {} the file, the reason.
inline constexpr char kReportNotWritten[] = "the report could not be written to {}: {}";

// unit: its help.
inline constexpr char kUnitSynopsis[] =
    "Writes a unit file (.qvunit) to standard output: the variables as given (the\n"
    "others at their defaults), the pattern, a name and the Simulator's target.\n"
    "With --unit, the file given is the start and later options change it:\n"
    "  quorvale-cli unit --unit north.qvunit --eyd 25:40 > north-long.qvunit";
inline constexpr char kNameOption[] = "the unit's name (default: none, or the --unit file's)";
inline constexpr char kUnitTargetOption[] = "the Simulator's target half-width in $/mbf (default: 5)";

// Beliefs beyond Low and High (decide, compare, unit).
inline constexpr char kShapeOption[] =
    "the shape of every variable given a most likely value (LOW:MODE:HIGH): triangular or pert (default: "
    "triangular, or the unit file's)";
inline constexpr char kCorrelateOption[] =
    "link two variables by a Spearman rank correlation RHO between -1 and 1, e.g. "
    "harvest-volume:turn-volume=0.5 (repeatable)";
inline constexpr char kUnknownShape[] = "option --shape: unknown shape '{}' (use triangular or pert)";
// {} the option.
inline constexpr char kModeNotHere[] =
    "option {}: LOW:MODE:HIGH gives a most likely value, which only decide, compare, unit and batch take";
inline constexpr char kModeForEyd[] =
    "option --external-yarding-distance: the EYD sets the steps and is not drawn; it takes no most likely value";
// {} the option (or unit file place), the text.
inline constexpr char kModeNotNumber[] = "{}: the most likely value '{}' is not a positive number";
// {} the option (or unit file place), the mode, Low, High.
inline constexpr char kModeOutside[] =
    "{}: the most likely value {} is not between the low value {} and the high value {}";
// {} the value given.
inline constexpr char kNotCorrelation[] =
    "option --correlate: '{}' is not A:B=RHO (two variable option names and a rank correlation)";
inline constexpr char kCorrelateUnknown[] = "option --correlate: unknown variable '{}'";
inline constexpr char kCorrelateNotDrawn[] =
    "option --correlate: '{}' is not drawn (the EYD sets the steps) and cannot be linked";
inline constexpr char kCorrelateSelf[] = "option --correlate: '{}' links a variable with itself";
inline constexpr char kNotRho[] = "option --correlate: in '{}' the correlation is not a number between -1 and 1";
// {} the pairs, as --correlate takes them.
inline constexpr char kNotPositiveDefinite[] =
    "option --correlate: these rank correlations cannot hold together (their matrix is not positive definite): "
    "{}; weaken or drop one of them";
// {} the text, the largest number of bins.
inline constexpr char kVoiBinsOption[] =
    "bins of equal probability per variable for what is worth measuring (EVPPI), 2 to 1024, or 0 to leave it "
    "out (default: 32)";
inline constexpr char kNotVoiBins[] = "option --voi-bins: '{}' is not 0 or a whole number from 2 to {}";
inline constexpr char kComparePatternsOption[] =
    "evaluate every scenario under both corridor patterns and compare them (A: --pattern, B: the other)";

// What is worth measuring and comparisons in the table.
inline constexpr char kVoiHeading[] =
    "What is worth measuring: what knowing each input exactly before deciding would save (EVPPI)";
inline constexpr char kEvppi[] = "EVPPI";
inline constexpr char kForTheUnit[] = "For the unit";
// {} the scenarios; then the scenarios left out, seed and threads as decide's.
inline constexpr char kCompareHeading[] = "Comparison on the same {} scenarios";
// {} A or B, its name and pattern, its steps.
inline constexpr char kCompareSide[] = "{}: {}, {} steps";
// {} A or B, a heading ("Mean").
inline constexpr char kSideColumn[] = "{} {}";
// {} A or B, EYD, cost.
inline constexpr char kCompareRecommended[] = "{}: recommended EYD {} ft, mean total cost {} $/mbf";
inline constexpr char kCompareEvpi[] = "EVPI over both: {} $/mbf";

// compare: its help and messages.
inline constexpr char kCompareSummary[] = "two units, or two variants of one, on the same scenarios";
inline constexpr char kCompareSynopsis[] =
    "Compares two unit files on the same scenarios: a variable both hold the same\n"
    "Low, High, most likely value and shape of takes the same value in each\n"
    "scenario. Reports each unit's steps and recommended EYD, how often A's choice\n"
    "costs less than B's and by how much (mean, P10, P90), and what is worth\n"
    "measuring before choosing. The run options are decide's.";
inline constexpr char kCompareUnitOption[] = "the first unit file (A)";
inline constexpr char kAgainstOption[] = "the second unit file (B)";
inline constexpr char kCompareNeedsUnits[] = "give both units: --unit A.qvunit --against B.qvunit";

}  // namespace cli

}  // namespace quorvale::texts
