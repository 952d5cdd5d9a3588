#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// Captions of the Variables window besides the row captions and group
// headings, which come with the input rules.
namespace variables {

inline constexpr char kCaption[] = "Variables";
inline constexpr char kLowHeading[] = "Low";
inline constexpr char kHighHeading[] = "High";
inline constexpr char kCrewHours[] = "(crew hrs)";

// Client area of the window as designed, in twips.
inline constexpr double kClientWidthTwips = 5265;
inline constexpr double kClientHeightTwips = 8625;

// Faces: headings bold 12 point; the operator's cost caption 9.75 point
// against the window's 8.25-point face, and as much larger than whatever face
// the window gets on this screen.
inline constexpr double kHeadingPoints = 12;
inline constexpr double kOperatorCostPoints = 9.75;
inline constexpr double kDesignedFacePoints = 8.25;

// Feedback on a field; it changes no text. %1 the text left in the field,
// %2 the spin value put in its place.
inline constexpr char kRepairedTip[] = "\"%1\" is not a usable number, so the spin value %2 was put in its place.";
inline constexpr char kLowAboveHighTip[] = "Low is above High.";
// %1 the text, %2 the number it is read as.
inline constexpr char kReadAsTip[] = "\"%1\" read as %2";

}  // namespace variables

}  // namespace quorvale::texts
