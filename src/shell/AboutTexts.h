#pragma once
// The About box's texts and the names it looks up, exactly as used.

#include <array>

namespace quorvale::abouttext {

inline constexpr const char* kAppTitle = "Quorvale_2000";

inline constexpr const char* kCaption = "About Quorvale_2000 !.0_Beta";
inline constexpr const char* kTitle = "Quorvale_2000 1.0_Beta";
inline constexpr double kTitlePointSize = 13.5;
inline constexpr const char* kVersion = "Written by the Quorvale development team";
inline constexpr const char* kDescription =
    "Quorvale was created as a Master's of Science project to evaluate optimal road densities from an economic "
    "perspective.  The program uses a logging cost simulator to compare yarding and roading costs.";
inline constexpr const char* kRights = "All rights reserved by the Quorvale authors.";
inline constexpr const char* kDisclaimer = "Questions and suggestions are welcome: contact the Quorvale development team.";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kSysInfo = "&System Info...";

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Where Windows records its system-information program.
inline constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kMsInfoValue = "PATH";
inline constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kLocationValue = "MSINFO";
inline constexpr const char* kMsInfoProgram = "\\MSINFO32.EXE";

// Where there is no registry: the system-information programs of the common
// desktops, tried in this order on the PATH.
inline constexpr std::array<const char*, 4> kDesktopSysInfoPrograms{"kinfocenter", "hardinfo2", "hardinfo",
                                                                    "gnome-system-monitor"};

}  // namespace quorvale::abouttext
