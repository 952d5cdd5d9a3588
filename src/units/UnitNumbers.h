#pragma once
// The numbers of a unit file: every Low and High entry and the Simulator
// target, kept in one fixed form ("." as the decimal point, no grouping), so
// a file means the same numbers on every machine, whatever its locale.
//
// A text that is not in that form is still read, and the reading says how:
// earlier versions wrote the window's texts as they stood, so a file saved
// under a comma locale holds "20,0"; a file written by hand may hold "8O"
// or "-80". Each such entry is named with the value taken.

#include <string>
#include <string_view>

#include "inputs/NumberText.h"

namespace quorvale {

class ValueRule;

struct UnitNumber {
    // Why the value is not the number the text says in the fixed form.
    enum class Difference {
        None,       // the text is that number, in the fixed form
        OtherForm,  // a whole number in a locale's form ("20,0", "1,500")
        NotAsText,  // read by its leading number ("8O" as 8)
        Repaired,   // not a usable number: the fallback took its place
    };

    double value = 0;
    std::string text;  // the value in the fixed form: what a document keeps
    Difference difference = Difference::None;
};

// Reads a unit file's number text. A text in the fixed form is taken as it
// is. Otherwise a complete number with grouping in threes (the English
// form, "1,500") or with a decimal comma (the form a comma locale wrote,
// "20,0" or "1.500,5") is taken whole; anything else goes through the value
// rule in the fixed form, and `fallback` stands in for a text that is not
// usable.
UnitNumber readUnitNumber(std::string_view text, int fallback);

// The value a document's fixed-form text holds, as text in another locale
// (the Variables window's, the command line's): the same number there.
std::string unitNumberIn(std::string_view fixedText, int fallback, const ValueRule& rule);

// The fixed form of a value: its shortest round-trip text.
std::string fixedNumberText(double value);

}  // namespace quorvale
