#pragma once
// Text forms of numbers shared by every window and the command-line tool.
// All of them are exact: a text written here reads back through ValueRule as
// the number it was written from (up to the digits the form keeps).

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvale {

// The decimal point and digit-grouping mark of the user's locale.
struct NumberLocale {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";

    static NumberLocale english() { return {".", ","}; }
    static NumberLocale german() { return {",", "."}; }
    static NumberLocale french() { return {",", "\u202f"}; }
    // The form unit files keep their numbers in, the same on every machine:
    // "." as the decimal point and no grouping.
    static NumberLocale fixed() { return {".", ""}; }
    bool operator==(const NumberLocale&) const = default;
};

// Rounds x to `decimals` places; exact binary halves go to the even digit.
// Returns the double nearest to that decimal number, so that
// roundHalfEven(x, 2) reads back exactly like the text "%.2f" of x.
double roundHalfEven(double x, int decimals);

// Plain decimal text with up to 15 significant digits, no grouping, no
// exponent, no trailing zeros; a whole number carries no decimal point.
std::string plainDecimal(double x, const NumberLocale& locale = NumberLocale::english());

// The shortest plain decimal text that reads back as exactly x.
std::string shortestDecimal(double x, const NumberLocale& locale = NumberLocale::english());

// Fixed-point text with `decimals` digits after the point (halves to even).
std::string fixedDecimal(double x, int decimals, const NumberLocale& locale = NumberLocale::english());

// A count (scenarios, samples) as its plain digits, without grouping: read
// the same in every window, the report and the command line, and taken back
// as it stands by `--scenarios`.
std::string countText(std::uint64_t n);

// The "0%" form of a bar value: times 100, rounded to a whole number, then "%".
std::string percentText(float fraction);

// Text that parses back as the same double (shortest round-trip, '.' decimal,
// exponent allowed): for machine-readable output such as JSON and CSV.
std::string roundTripText(double x);

// The same shortest round-trip text with the locale's decimal point: a
// value named in a message, compact at any magnitude ("8", "2,5", "1e+22").
std::string shortestText(double x, const NumberLocale& locale);

}  // namespace quorvale
