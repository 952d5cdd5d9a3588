#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// A batch of units: the units' input, its rows and its messages, for
// `quorvale-cli batch` and the Units Overview window.
namespace batch {

// Reading the units. {} the file, then what is wrong.
inline constexpr char kFolderUnreadable[] = "{}: the folder cannot be read: {}";
inline constexpr char kCsvUnreadable[] = "{}: the batch CSV cannot be opened";
inline constexpr char kCsvNoHeader[] = "{}: the batch CSV has no header row {}";
inline constexpr char kCsvUnknownColumn[] =
    "{}: unknown column \"{}\"; the columns are name, pattern, shape and the variables' option names (harvest-volume, "
    "...)";
inline constexpr char kCsvDoubledColumn[] = "{}: the column \"{}\" is given twice";
// {} the line, the limit.
inline constexpr char kRecordTooLong[] = "the row at line {} is longer than {} bytes";
inline constexpr char kQuoteNotClosed[] = "the quote opened at line {} is never closed";
inline constexpr char kCsvBroken[] = "{}: {}; the rows after it were not read";
// {} the file, the line, the cells, the columns.
inline constexpr char kCellCount[] = "{} line {}: {} cells for {} columns";
// The name of a CSV row without a name: {} the file without its suffix, the line.
inline constexpr char kRowName[] = "{} line {}";
// A row's status when the unit ran.
inline constexpr char kStatusOk[] = "ok";
// A row whose analysis found no finite cost at any step.
inline constexpr char kNoFiniteCost[] =
    "no scenario gave finite costs at any step; check the inputs for extreme values";
inline constexpr char kUnknownPatternCell[] = "pattern \"{}\": give parallel or fan";
inline constexpr char kUnknownShapeCell[] = "shape \"{}\": give triangular or pert, or leave it blank";

// quorvale-cli batch.
inline constexpr char kSummary[] = "runs decide over many units: unit files, folders or a batch CSV, one row a unit";
inline constexpr char kSynopsis[] =
    "Runs the decision analysis of every unit given, units side by side on the\n"
    "threads, and writes one row a unit in the order given: the recommended EYD\n"
    "with its mean cost and band, pOptimal, EVPI, the input that moves the cost\n"
    "most, the input most worth measuring, the plan terms, the seed, the\n"
    "scenario count and a status. PATH is a unit file, a\n"
    "folder of them or a batch CSV whose columns are name, pattern, shape and\n"
    "the variables' option names, each cell LOW, LOW:HIGH or LOW:MODE:HIGH\n"
    "(blank: the default; shape triangular or pert, as decide's --shape).\n"
    "Each unit's seed is derived from --seed and the unit's name, so its row is\n"
    "the same in any order, on any thread count and in any shard; it equals\n"
    "  quorvale-cli decide --unit FILE --seed SEED_OF_THE_ROW [the same options]\n"
    "PATH... come first. Every other option of decide (quorvale-cli decide --help)\n"
    "but --compare-patterns applies to every unit, after the unit's own inputs.";
inline constexpr char kSeedOption[] =
    "the batch's seed, 0 to 2^64-1 (default: from the clock); each row gives its unit's seed";
inline constexpr char kThreadsOption[] = "units run side by side, 1 to 64 (default: every core)";
inline constexpr char kShardOption[] = "runs every N-th unit from the K-th, K from 1 to N (default: 1/1)";
inline constexpr char kFormatOption[] = "output format (default: csv)";
inline constexpr char kNoPaths[] = "no unit files, folders or batch CSVs given";
inline constexpr char kNotShard[] = "--shard \"{}\": give K/N with whole numbers 1 <= K <= N";
inline constexpr char kNoComparePatterns[] =
    "--compare-patterns is not taken: a batch runs each unit with its own pattern; compare one unit's two patterns "
    "with decide --compare-patterns";
inline constexpr char kBatchFormat[] = "--format \"{}\": give csv or jsonl";
// The progress line: {} done, total, percent, rate, time left.
inline constexpr char kProgress[] = "{} of {} units ({:.0f} %), {:.2f} units/s, {} left";
inline constexpr char kUnknownTimeLeft[] = "time";
// {} failed, written.
inline constexpr char kFailedNote[] = "{} of {} units failed; their rows say why";
// {} written, total.
inline constexpr char kStoppedNote[] = "stopped: {} of {} units written";

// The Units Overview window.
inline constexpr char kMenuItem[] = "Units Overview...";
inline constexpr char kCaption[] = "Units Overview";
inline constexpr char kMenuTip[] = "Lists the units of a folder or a batch CSV and runs the decision analysis of each";
inline constexpr char kOpen[] = "Open...";
inline constexpr char kOpenCaption[] = "Open a Batch CSV, or a Unit File to List Its Folder";
inline constexpr char kOpenFilter[] = "Batch CSV or unit files (*.csv *.qvunit)";
inline constexpr char kRun[] = "Run";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kSaveCsv[] = "Save as CSV...";
inline constexpr char kCsvFilter[] = "CSV files (*.csv)";
inline constexpr char kSaveCaption[] = "Save the Units Overview as CSV";
inline constexpr char kColumnName[] = "Unit";
inline constexpr char kColumnPattern[] = "Pattern";
inline constexpr char kColumnEyd[] = "EYD (stations)";
inline constexpr char kColumnCost[] = "Cost ($/mbf)";
inline constexpr char kColumnBand[] = "Band (stations)";
inline constexpr char kColumnStatus[] = "Status";
inline constexpr char kStatusWaiting[] = "waiting";
inline constexpr char kStatusCancelled[] = "cancelled";
// %1 done, %2 total.
inline constexpr char kProgressText[] = "%1 of %2 units";
// %1 failed, %2 total.
inline constexpr char kFinishedText[] = "%2 units, %1 failed";
inline constexpr char kCancelledText[] = "Cancelled after %1 of %2 units";
inline constexpr char kNoUnits[] = "No units: open a batch CSV, or a unit file to list its folder.";
// %1 what could not be read.
inline constexpr char kListFailed[] = "The units could not be listed: %1";
inline constexpr char kSaveFailed[] = "The table could not be saved as %1: %2";
inline constexpr char kOpenRowFailed[] = "The row %1 cannot be opened: %2";

}  // namespace batch

}  // namespace quorvale::texts
