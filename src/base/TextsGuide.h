#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// The user guide's window and its Tools menu item.
namespace guide {

inline constexpr char kMenuItem[] = "User Guide";
inline constexpr char kMenuTip[] = "Open the user guide: the inputs, the figures and how they are computed (F1)";
inline constexpr char kCaption[] = "User Guide";
inline constexpr char kContents[] = "Contents";
// Shown in place of the guide should a build lack it.
inline constexpr char kMissing[] = "The user guide is not part of this build of the program.";

}  // namespace guide

}  // namespace quorvale::texts
