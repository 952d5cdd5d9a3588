#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// Captions and messages of the start-up window, the main window and the
// settings store, kept in one place (the menu captions of File, Window and
// Help live in the string table).
namespace shell {

inline constexpr char kAppTitle[] = "Quorvale_2000";
inline constexpr char kMainCaption[] = "Quorvale_2000  1.0_Beta";

// Disclaimer window.
inline constexpr char kSplashProduct[] = "Quorvale_2000";
inline constexpr char kSplashVersion[] = "Version 1.0_Beta";
inline constexpr char kSplashAuthor[] = "Cable logging road and landing spacing economics";
inline constexpr char kSplashRights[] = "Copyright the Quorvale authors. All rights reserved.";
inline constexpr char kSplashWarning[] =
    "Warning:  The estimates provided by this software are not guaranteed.  The user (you) "
    "assumes full responsibility for any damages caused by the use of this software.";
inline constexpr char kSplashAccept[] = "I Accept Full  Responsibility";
inline constexpr char kSplashExit[] = "Exit";

// The Tools menu, between "Show Results" and Window.
inline constexpr char kToolsMenu[] = "&Tools";

// Status bar.
inline constexpr char kStatusPanel[] = "Status";

// Settings store: application, section and the main window's placement keys.
inline constexpr char kSettingsApplication[] = "Quorvale_2000";
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kMainLeft[] = "MainLeft";
inline constexpr char kMainTop[] = "MainTop";
inline constexpr char kMainWidth[] = "MainWidth";
inline constexpr char kMainHeight[] = "MainHeight";

// Printed once at exit when the placement could not be written: %1 is the
// settings file, %2 what went wrong.
inline constexpr char kSettingsNotSaved[] =
    "quorvale: the window placement could not be saved to %1 (%2); check that the file and its "
    "folder can be written.";
inline constexpr char kSettingsAccessError[] = "the file cannot be written";
inline constexpr char kSettingsFormatError[] = "the file is damaged";
// %1 the settings file, %2 what stands there ("a FIFO (named pipe)", ...).
inline constexpr char kSettingsLeftAlone[] =
    "quorvale: the settings file %1 is %2, not a regular file; it is left alone, and the settings of this run "
    "are not kept.";
// %1 the settings file, %2 where it went.
inline constexpr char kSettingsMovedAside[] =
    "quorvale: the settings file %1 was damaged; it was moved to %2, and the settings start afresh.";

// Printed instead of opening windows when there is no screen to open them
// on, filled with fmt: {} what was found.
inline constexpr char kNoDisplay[] =
    "quorvale: no graphical display is available ({}), so the desktop application cannot open "
    "its windows.\n"
    "Run the static analysis in the terminal instead:\n"
    "    quorvale-cli sweep\n"
    "or start the desktop application from a graphical session.\n";

// The command line: `quorvale [UNIT.qvunit]`.
inline constexpr char kUsage[] =
    "usage: quorvale [UNIT.qvunit]\n"
    "Starts the desktop application; a unit file given is opened once the main window is up.\n"
    "The headless analyses are in quorvale-cli.\n"
    "\nExit status:\n"
    "  0    the program was closed normally (also by Exit on the disclaimer)\n"
    "  2    no graphical display is available, or the command line is wrong; the\n"
    "       message on standard error says which\n";
inline constexpr char kUsageError[] = "quorvale: %1\n";
inline constexpr char kUnknownOption[] = "unknown option %1";
inline constexpr char kTooManyFiles[] = "one unit file at most, not %1";

}  // namespace shell

}  // namespace quorvale::texts
