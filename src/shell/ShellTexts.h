#pragma once
// Captions and messages of the start-up window, the main window and the
// settings store, kept in one place (the menu captions of File, Window and
// Help live in the string table).

namespace quorvale::texts {

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

// Status bar.
inline constexpr char kStatusPanel[] = "Status";

// Settings store: application, section and the main window's placement keys.
inline constexpr char kSettingsApplication[] = "Quorvale_2000";
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kMainLeft[] = "MainLeft";
inline constexpr char kMainTop[] = "MainTop";
inline constexpr char kMainWidth[] = "MainWidth";
inline constexpr char kMainHeight[] = "MainHeight";

// Printed instead of opening windows when there is no screen to open them on.
inline constexpr char kNoDisplay[] =
    "quorvale: no graphical display is available (%1), so the desktop application cannot open "
    "its windows.\n"
    "Run the static analysis in the terminal instead:\n"
    "    quorvale-cli sweep\n"
    "or start the desktop application from a graphical session.\n";

}  // namespace quorvale::texts
