#pragma once
// Texts of the chart windows' own additions: the tool tip of a hovered point
// and the chart's context menu with its dialogs and messages.

namespace quorvale::charttexts {

// %1 series label, %2 row label (EYD in stations), %3 value.
inline constexpr char kHoverTemplate[] = "%1\nEYD: %2 stat\nValue: %3";

inline constexpr char kCopyImage[] = "Copy Image";
inline constexpr char kSaveImage[] = "Save Image\u2026";
inline constexpr char kSaveData[] = "Save Data\u2026";

inline constexpr char kSaveImageCaption[] = "Save Image";
inline constexpr char kSaveDataCaption[] = "Save Data";
inline constexpr char kImageFilter[] = "PNG image (*.png);;SVG drawing (*.svg)";
inline constexpr char kDataFilter[] = "CSV table (*.csv)";
inline constexpr char kSaveImageFailed[] = "The chart image could not be saved to %1.";
inline constexpr char kSaveDataFailed[] = "The chart data could not be saved to %1.";

// Heading of the row-label column in saved data.
inline constexpr char kCsvRowHeading[] = "EYD (stat)";

}  // namespace quorvale::charttexts
