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

class ValueRule {
public:
    explicit ValueRule(NumberLocale locale = NumberLocale::english());

    const NumberLocale& locale() const { return m_locale; }

    // The complete number the text holds in this locale, if it is one.
    std::optional<double> localeNumber(std::string_view text) const;

    // "General Number" normalisation: plain form of a locale number, any
    // other text unchanged.
    std::string normalise(std::string_view text) const;

    // The entry's value: the leading number of the normalised text.
    double value(std::string_view text) const;

    // Whether the entry survives the repair step: its leading number,
    // read with the locale's decimal point, is a finite number above 0.
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
