#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// The About box's texts and the programs it looks for, exactly as used.
namespace about {

inline constexpr const char* kCaption = "About Quorvale_2000 !.0_Beta";
inline constexpr const char* kTitle = "Quorvale_2000 1.0_Beta";
inline constexpr double kTitlePointSize = 13.5;
inline constexpr const char* kVersion = "Written by the Quorvale development team";
inline constexpr const char* kDescription =
    "Quorvale was created as a Master's of Science project to evaluate optimal road densities from an economic "
    "perspective.  The program uses a logging cost simulator to compare yarding and roading costs.";
inline constexpr const char* kRights = "All rights reserved by the Quorvale authors.";
inline constexpr const char* kDisclaimer =
    "Questions and suggestions are welcome: contact the Quorvale development team.";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kSysInfo = "&System Info...";

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The system-information programs of the common desktops, tried in this
// order on the PATH.
inline constexpr std::array<const char*, 4> kDesktopSysInfoPrograms{"kinfocenter", "hardinfo2", "hardinfo",
                                                                    "gnome-system-monitor"};

}  // namespace about

}  // namespace quorvale::texts
