#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// Unit documents: the reader's messages (one line each, filled with fmt: the
// file, then the place in it, a JSON pointer or line:column), and the
// desktop's unit commands, dialogs and messages.
namespace units {

inline constexpr char kCannotRead[] = "{}: cannot be read: {}";
inline constexpr char kIsFolder[] = "{}: is a folder, not a unit file";
// The second field: what stands there ("a FIFO (named pipe)", "a character
// device", ...).
inline constexpr char kNotRegular[] = "{}: is {}, not a unit file; only a regular file is read";
inline constexpr char kTooLarge[] = "{}: is {} bytes; a unit file holds at most 1 MiB (1048576 bytes)";
inline constexpr char kNotJson[] = "{}:{}: not a JSON document: {}";
inline constexpr char kWrongType[] = "{}: {}: expected {}, found {}";
inline constexpr char kMissing[] = "{}: {}: missing; a unit document must give it";
inline constexpr char kWrongFormat[] =
    "{}: /format: expected \"quorvale-unit\", found {}; this is not a Quorvale unit file";
inline constexpr char kWrongVersion[] =
    "{}: /version: version {} is not supported; this program reads version 1 unit files";
inline constexpr char kWrongCount[] = "{}: {}: expected two texts [Low, High], found {}";
inline constexpr char kUnknownPattern[] = "{}: /pattern: expected \"parallel\" or \"fan\", found {}";
inline constexpr char kControlCharacter[] =
    "{}: {}: holds a line break or other control character; a text here is one line";
inline constexpr char kUnknownKey[] = "{}: {}: unknown key, ignored";
inline constexpr char kDuplicateKey[] = "{}: {}: given twice; a unit document gives each key once";
inline constexpr char kNulByte[] = "a NUL byte; a unit document is text, and nothing may follow it";
// The third field: the limit in bytes.
inline constexpr char kTextCut[] = "{0}: {1}: longer than {2} bytes; only the first {2} are kept";

// A number of the file not read as its text says: the file, the place, the
// text, the value taken, and why (or nothing).
inline constexpr char kReadAs[] = "{}: {} \"{}\" read as {}{}";
inline constexpr char kEntryPlace[] = "{} {}";  // option name, Low or High
inline constexpr char kLow[] = "Low";
inline constexpr char kHigh[] = "High";
inline constexpr char kTargetPlace[] = "target";
inline constexpr char kWhyOtherForm[] = " (unit files write numbers with \".\" as the decimal point and no grouping)";
inline constexpr char kWhyRepaired[] = " (not a usable number: the default)";

// What a JSON value was, for kWrongType's "found {}".
inline constexpr char kAnObject[] = "an object";
inline constexpr char kAList[] = "a list";
inline constexpr char kAText[] = "a text";
inline constexpr char kANumber[] = "a number";
inline constexpr char kTrueFalse[] = "true/false";
inline constexpr char kNull[] = "null";
inline constexpr char kAListOfTwoTexts[] = "a list of two texts [Low, High]";
inline constexpr char kAWholeNumber[] = "a whole number";
inline constexpr char kATextOrNumber[] = "a text or a number";
inline constexpr char kItems[] = "{} items";

// Tools menu and toolbar.
inline constexpr char kOpenUnit[] = "Open Unit...";
inline constexpr char kSaveUnitAs[] = "Save Unit As...";
inline constexpr char kRestoreLastInputs[] = "Restore Last Inputs";
inline constexpr char kRecentUnit[] = "&%1 %2";  // number, file name
inline constexpr char kToolBar[] = "Tools";
inline constexpr char kOpenUnitTip[] = "Open a unit file (Ctrl+Shift+O)";
inline constexpr char kSaveUnitTip[] = "Save the inputs as a unit file (Ctrl+Shift+S)";
inline constexpr char kRestoreTip[] = "Bring back the inputs the Variables window held when it was last closed";

// File dialogs.
inline constexpr char kOpenCaption[] = "Open Unit";
inline constexpr char kSaveCaption[] = "Save Unit As";
inline constexpr char kFilter[] = "Quorvale unit (*.qvunit);;All files (*)";
inline constexpr char kUntitled[] = "unit.qvunit";

// Messages (one OK button, the application title as caption).
inline constexpr char kOpenFailed[] = "The unit was not opened, nothing was changed.\n%1";
inline constexpr char kSaveFailed[] =
    "The unit could not be saved to %1: %2\nAny earlier file of that name is unchanged.";
inline constexpr char kOpenedWithWarnings[] = "The unit was opened. These parts of the file were not used:\n%1";
inline constexpr char kOpenedWithNotes[] =
    "The unit was opened. These numbers of the file are not read as it writes them:\n%1";
inline constexpr char kBusy[] =
    "The inputs cannot change while a simulation runs. Press End, or wait for the run to finish.";
// %1 what stands at the name ("a FIFO (named pipe)", "a character device", ...).
inline constexpr char kNotReplaceable[] = "%1 stands there, not a file, and is left alone; choose another name";
inline constexpr char kShortWrite[] = "only %1 of %2 bytes could be written; the disk may be full";
inline constexpr char kRecentMissing[] = "The unit file %1 is no longer there; it was taken off the recent list.";
inline constexpr char kNoLastInputs[] = "There are no kept inputs yet: they are kept when the Variables window closes.";

// Settings store: the group of the kept inputs and of the recent units,
// apart from the main window's placement.
inline constexpr char kLastInputsGroup[] = "LastInputs";
inline constexpr char kRecentGroup[] = "RecentUnits";
inline constexpr int kRecentCount = 4;

// Beliefs of a version 2 document, filled with fmt: the file, the place, what was found.
inline constexpr char kNotDrawnVariable[] = "{}: {}: not the option name of a variable that is drawn";
inline constexpr char kNotPositiveNumber[] = "{}: {}: expected a positive number, found {}";
inline constexpr char kUnknownShape[] = "{}: {}: expected \"triangular\" or \"pert\", found {}";
inline constexpr char kBadCorrelation[] =
    "{}: {}: a correlation links two different drawn variables, each pair once, with a rho between -1 and 1";

}  // namespace units

}  // namespace quorvale::texts
