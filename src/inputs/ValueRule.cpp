#include "inputs/ValueRule.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace quorvale {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Parses a plain '.'-decimal number text matched by the grammar below. The
// parse never depends on the process locale (Qt sets it from the environment).
double parsePlain(std::string_view number) {
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        std::string copy(number);
        value = strtod_l(copy.c_str(), nullptr, cLocale);
    }
    return value;
}

// Length of the longest leading part of `text` (from `pos`) that reads as
// [sign] digits [point digits] [exponent], with at least one mantissa digit;
// 0 when there is none.
size_t matchDecimal(std::string_view text, size_t pos, std::string_view point) {
    const size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (text.substr(pos, point.size()) == point) {
        size_t after = pos + point.size();
        size_t fraction = 0;
        while (after < text.size() && isDigit(text[after])) {
            ++after;
            ++fraction;
        }
        if (digits + fraction > 0) {
            pos = after;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t e = pos + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        if (e < text.size() && isDigit(text[e])) {
            while (e < text.size() && isDigit(text[e])) {
                ++e;
            }
            pos = e;
        }
    }
    return pos - start;
}

// The leading decimal number of the text in plain form ("." as decimal
// point), or nothing when the text has none.
std::optional<std::string> leadingPlain(std::string_view text, std::string_view point) {
    size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    const size_t length = matchDecimal(text, pos, point);
    if (length == 0) {
        return std::nullopt;
    }
    std::string plain(text.substr(pos, length));
    if (point != ".") {
        if (auto at = plain.find(point); at != std::string::npos) {
            plain = plain.substr(0, at) + "." + plain.substr(at + point.size());
        }
    }
    return plain;
}

double leadingNumberWith(std::string_view text, std::string_view point) {
    const auto plain = leadingPlain(text, point);
    return plain ? parsePlain(*plain) : 0;
}

// The plain form of a text that is a complete number in the locale: digits
// with grouping marks between them, the locale's decimal point, an exponent,
// blanks around; nothing when the text is anything else. `inThrees`, when
// given, tells whether every grouping mark stands where the locale writes
// one: after one to three leading digits, then every three digits.
std::optional<std::string> completePlain(std::string_view text, const NumberLocale& locale, bool* inThrees = nullptr) {
    const std::string_view point = locale.decimalPoint;
    const std::string_view group = locale.groupSeparator;
    size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    std::string plain;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        plain.push_back(text[pos]);
        ++pos;
    }
    // Integer part: digits, with grouping marks allowed between digits.
    size_t digits = 0;
    size_t run = 0;  // digits since the last grouping mark
    bool grouped = false;
    bool regular = true;
    while (pos < text.size()) {
        if (isDigit(text[pos])) {
            plain.push_back(text[pos]);
            ++pos;
            ++digits;
            ++run;
        } else if (digits > 0 && !group.empty() && text.substr(pos, group.size()) == group &&
                   pos + group.size() < text.size() && isDigit(text[pos + group.size()])) {
            regular = regular && (grouped ? run == 3 : run <= 3);
            grouped = true;
            run = 0;
            pos += group.size();
        } else {
            break;
        }
    }
    if (inThrees != nullptr) {
        *inThrees = regular && (!grouped || run == 3);
    }
    if (!point.empty() && text.substr(pos, point.size()) == point) {
        pos += point.size();
        plain.push_back('.');
        while (pos < text.size() && isDigit(text[pos])) {
            plain.push_back(text[pos]);
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t e = pos + 1;
        std::string exponent = "e";
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            exponent.push_back(text[e]);
            ++e;
        }
        if (e >= text.size() || !isDigit(text[e])) {
            return std::nullopt;
        }
        while (e < text.size() && isDigit(text[e])) {
            exponent.push_back(text[e]);
            ++e;
        }
        plain += exponent;
        pos = e;
    }
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return plain;
}

// Whether a plain number text names a double without leaving its range:
// infinity from finite digits, or 0 or a subnormal from a nonzero mantissa,
// is a different number from the one the user wrote.
bool inRange(std::string_view plain, double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    if (value != 0 && std::isnormal(value)) {
        return true;
    }
    const std::string_view mantissa = plain.substr(0, plain.find_first_of("eE"));
    return mantissa.find_first_of("123456789") == std::string_view::npos;
}

}  // namespace

double leadingNumber(std::string_view text) { return leadingNumberWith(text, "."); }

ValueRule::ValueRule(NumberLocale locale) : m_locale(std::move(locale)) {}

std::optional<double> ValueRule::localeNumber(std::string_view text) const {
    const auto plain = completePlain(text, m_locale);
    if (!plain) {
        return std::nullopt;
    }
    const double value = parsePlain(*plain);
    // A number too large for a double is no number at all.
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string ValueRule::normalise(std::string_view text) const {
    if (auto number = localeNumber(text)) {
        return shortestDecimal(*number);
    }
    return std::string(text);
}

EntryReading ValueRule::reading(std::string_view text) const {
    // Grouping counts only where the normalisation accepts it, on a text that
    // is wholly a number; elsewhere a grouping mark ends the number, and
    // so does a second decimal point ("0,3,0001" in German is 0,3).
    const auto whole = completePlain(text, m_locale);
    const auto leading = leadingPlain(text, m_locale.decimalPoint);
    const auto& plain = whole ? whole : leading;
    if (!plain) {
        return {};
    }
    const double value = parsePlain(*plain);
    if (!inRange(*plain, value)) {
        return {};
    }
    // The repair check reads the ungrouped leading part: "1,500" passes on
    // its 1 and is used as 1500, "0,500" is repaired.
    const bool leadingPositive = !whole || (leading && parsePlain(*leading) > 0);
    return {value, value > 0 && leadingPositive};
}

ValueReading ValueRule::readEntry(std::string_view text, int fallback) const {
    ValueReading result;
    const EntryReading entry = reading(text);
    if (entry.usable) {
        result.value = entry.value;
        bool inThrees = false;
        result.exact = completePlain(text, m_locale, &inThrees).has_value() && inThrees;
    } else {
        result.value = fallback;
        result.repaired = true;
    }
    result.readAs = shortestText(result.value, m_locale);
    return result;
}

double ValueRule::value(std::string_view text) const { return reading(text).value; }

bool ValueRule::isUsable(std::string_view text) const { return reading(text).usable; }

std::string ValueRule::display(std::string_view text) const {
    if (auto number = localeNumber(text)) {
        return fixedDecimal(*number, 1, m_locale);
    }
    return std::string(text);
}

std::string ValueRule::wholeNumber(int value) const { return std::to_string(value); }

std::string ValueRule::plain(double value) const { return shortestDecimal(value, m_locale); }

}  // namespace quorvale
