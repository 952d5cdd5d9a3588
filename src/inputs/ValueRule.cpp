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

double leadingNumberWith(std::string_view text, std::string_view point) {
    size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    const size_t length = matchDecimal(text, pos, point);
    if (length == 0) {
        return 0;
    }
    std::string plain(text.substr(pos, length));
    if (point != ".") {
        if (auto at = plain.find(point); at != std::string::npos) {
            plain = plain.substr(0, at) + "." + plain.substr(at + point.size());
        }
    }
    return parsePlain(plain);
}

}  // namespace

double leadingNumber(std::string_view text) { return leadingNumberWith(text, "."); }

ValueRule::ValueRule(NumberLocale locale) : m_locale(std::move(locale)) {}

std::optional<double> ValueRule::localeNumber(std::string_view text) const {
    const std::string_view point = m_locale.decimalPoint;
    const std::string_view group = m_locale.groupSeparator;
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
    while (pos < text.size()) {
        if (isDigit(text[pos])) {
            plain.push_back(text[pos]);
            ++pos;
            ++digits;
        } else if (digits > 0 && !group.empty() && text.substr(pos, group.size()) == group &&
                   pos + group.size() < text.size() && isDigit(text[pos + group.size()])) {
            pos += group.size();
        } else {
            break;
        }
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
    const double value = parsePlain(plain);
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

double ValueRule::value(std::string_view text) const { return leadingNumber(normalise(text)); }

bool ValueRule::isUsable(std::string_view text) const {
    const double v = leadingNumberWith(text, m_locale.decimalPoint);
    return std::isfinite(v) && v > 0;
}

std::string ValueRule::display(std::string_view text) const {
    if (auto number = localeNumber(text)) {
        return fixedDecimal(*number, 1, m_locale);
    }
    return std::string(text);
}

std::string ValueRule::wholeNumber(int value) const { return std::to_string(value); }

std::string ValueRule::plain(double value) const { return shortestDecimal(value, m_locale); }

}  // namespace quorvale
