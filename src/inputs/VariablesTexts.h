#pragma once
// Captions of the Variables window besides the row captions and group
// headings, which come with the input rules.

namespace quorvale::variablestexts {

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

}  // namespace quorvale::variablestexts
