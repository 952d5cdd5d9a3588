// Fuzzes the reading rule and the number texts: every text read in a
// built-in or fuzzed locale, and every double written in each text form.
//
// Input: first line = the locale (a built-in one by its first byte, or
// "<point> <group>" given verbatim), then the text to read; a text of exactly
// eight bytes is also taken as a double to write.

#include <cmath>
#include <cstring>

#include "FuzzCheck.h"
#include "inputs/NumberText.h"
#include "inputs/ValueRule.h"

using namespace quorvale;

namespace {

NumberLocale localeFrom(const std::string& line) {
    const size_t space = line.find(' ');
    if (space != std::string::npos && space > 0 && space + 1 < line.size() && line.size() <= 16) {
        NumberLocale custom{line.substr(0, space), line.substr(space + 1)};
        // A point made of digits, signs or blanks is no locale anyone has,
        // and the same mark for both jobs cannot be read either way.
        const bool sane = custom.decimalPoint != custom.groupSeparator &&
                          custom.decimalPoint.find_first_of("0123456789+-eE \t") == std::string::npos &&
                          custom.groupSeparator.find_first_of("0123456789+-eE\t") == std::string::npos;
        if (sane) {
            return custom;
        }
    }
    switch (line.empty() ? 0 : static_cast<unsigned char>(line[0]) % 4) {
        case 1:
            return NumberLocale::german();
        case 2:
            return NumberLocale::french();
        case 3:
            return {".", "'"};  // Swiss
        default:
            return NumberLocale::english();
    }
}

// A number the program wrote reads back as that number.
void checkWritten(const ValueRule& rule, double x) {
    if (!std::isfinite(x) || x <= 0 || x > 1e300 || x < 1e-300) {
        return;
    }
    const NumberLocale& locale = rule.locale();
    const std::string shortest = shortestDecimal(x, locale);
    FUZZ_CHECK(rule.value(shortest) == x);
    FUZZ_CHECK(rule.isUsable(shortest));
    const std::string plain = plainDecimal(x, locale);
    const double plainBack = rule.value(plain);
    FUZZ_CHECK(std::isfinite(plainBack));
    FUZZ_CHECK(std::fabs(plainBack - x) <= x * 1e-14);  // 15 significant digits
    const double rounded = roundHalfEven(x, 2);
    FUZZ_CHECK(std::isfinite(rounded));
    if (x < 1e12) {
        FUZZ_CHECK(rule.value(fixedDecimal(x, 2, locale)) == rounded);
    }
    FUZZ_CHECK(std::strtod(roundTripText(x).c_str(), nullptr) == x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> parts = fuzz::lines(data, size, 2);
    const ValueRule rule(localeFrom(parts.empty() ? std::string() : parts[0]));
    const std::string text = parts.size() > 1 ? parts[1] : std::string();

    const EntryReading reading = rule.reading(text);
    FUZZ_CHECK(!std::isnan(reading.value));
    FUZZ_CHECK(rule.value(text) == reading.value || (std::isnan(rule.value(text)) && std::isnan(reading.value)));
    FUZZ_CHECK(rule.isUsable(text) == reading.usable);
    if (reading.usable) {
        // A usable entry is a finite positive number, the one written back.
        FUZZ_CHECK(std::isfinite(reading.value) && reading.value > 0);
        checkWritten(rule, reading.value);
        const std::string shown = rule.display(text);
        FUZZ_CHECK(std::isfinite(rule.value(shown)));
    }
    // The normalised form never reads as anything but a finite number or 0.
    FUZZ_CHECK(std::isfinite(rule.value(rule.normalise(text))) || !reading.usable);
    FUZZ_CHECK(!std::isnan(leadingNumber(text)));

    if (text.size() == sizeof(double)) {
        double x = 0;
        std::memcpy(&x, text.data(), sizeof x);
        checkWritten(rule, std::fabs(x));
        (void)percentText(static_cast<float>(x));
    }
    return 0;
}
