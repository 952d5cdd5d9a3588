#pragma once
// How an entry's text becomes a number.
//
// An entry is first normalised: a text that is a complete number in the
// user's locale ("1,500" in English, "2,3" in German) is turned into its plain
// form with "." as the decimal point and no grouping. Then its leading decimal
// number is read. Display and parsing share the locale, so a value shown with
// a comma decimal point reads back as the same value.

#include <optional>
#include <string>
#include <string_view>

#include "inputs/NumberText.h"

namespace quorvale {

// The longest leading decimal number of the text ("." as decimal point,
// optional sign and exponent, leading blanks skipped); 0 when there is none.
// Out-of-range numbers give +-infinity or 0 as the double arithmetic would.
double leadingNumber(std::string_view text);

// What an entry's text reads as. The repair check and every reader of the
// value take it from here, so an entry is never checked as one number and
// used as another.
struct EntryReading {
    double value = 0;     // the number used for the entry
    bool usable = false;  // survives the repair step
};

// An entry's reading together with what its text plainly says. The value is
// the value rule's, repair included; `exact` tells whether the text, as
// written, says that number, so that a reader can be told when it does not:
// trailing characters ("8O" is used as 8), a grouping mark outside groups of
// three digits ("80,5" is used as 805), or a repair ("abc" is used as the
// spin value).
struct ValueReading {
    double value = 0;
    bool exact = false;
    bool repaired = false;  // not a usable number: the fallback took its place
    std::string readAs;     // the value, shortest text in the rule's locale
};

class ValueRule {
public:
    explicit ValueRule(NumberLocale locale = NumberLocale::english());

    const NumberLocale& locale() const { return m_locale; }

    // The complete number the text holds in this locale, if it is one.
    std::optional<double> localeNumber(std::string_view text) const;

    // "General Number" normalisation: plain form of a locale number, any
    // other text unchanged.
    std::string normalise(std::string_view text) const;

    // The one reading of an entry. A complete locale number is read whole
    // (grouping included); any other text by its leading number with the
    // locale's decimal point; 0 when there is none. It is usable when that
    // number is above 0, its ungrouped leading part is too, and it neither
    // overflowed nor underflowed; a number out of range reads as 0.
    EntryReading reading(std::string_view text) const;

    // The entry's reading with `fallback` (its spin value) standing in for
    // a text that is not usable, and whether the text says that number.
    ValueReading readEntry(std::string_view text, int fallback) const;

    // reading(text).value and reading(text).usable.
    double value(std::string_view text) const;
    bool isUsable(std::string_view text) const;

    // The "0.0" display form; a text that is not a number stays unchanged.
    std::string display(std::string_view text) const;

    // Texts written into entries by the program itself.
    std::string wholeNumber(int value) const;
    std::string plain(double value) const;

private:
    NumberLocale m_locale;
};

}  // namespace quorvale
