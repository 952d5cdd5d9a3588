#include "units/UnitNumbers.h"

#include "inputs/ValueRule.h"

namespace quorvale {

UnitNumber readUnitNumber(std::string_view text, int fallback) {
    static const ValueRule fixed(NumberLocale::fixed());
    const ValueReading reading = fixed.readEntry(text, fallback);
    UnitNumber number{reading.value, fixedNumberText(reading.value), UnitNumber::Difference::None};
    if (reading.exact) {
        return number;
    }
    static const ValueRule english(NumberLocale::english());
    static const ValueRule comma(NumberLocale::german());
    for (const ValueRule* other : {&english, &comma}) {
        const ValueReading whole = other->readEntry(text, fallback);
        if (whole.exact) {
            return {whole.value, fixedNumberText(whole.value), UnitNumber::Difference::OtherForm};
        }
    }
    number.difference = reading.repaired ? UnitNumber::Difference::Repaired : UnitNumber::Difference::NotAsText;
    return number;
}

std::string unitNumberIn(std::string_view fixedText, int fallback, const ValueRule& rule) {
    return rule.plain(readUnitNumber(fixedText, fallback).value);
}

std::string fixedNumberText(double value) { return roundTripText(value); }

}  // namespace quorvale
