#include "inputs/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorvale {
namespace {

std::string withDecimalPoint(std::string text, const NumberLocale& locale) {
    if (locale.decimalPoint == ".") {
        return text;
    }
    if (auto pos = text.find('.'); pos != std::string::npos) {
        text = text.substr(0, pos) + locale.decimalPoint + text.substr(pos + 1);
    }
    return text;
}

// printf-style fixed text; glibc rounds the exact binary value with halves to
// even, which is the rule every rounded form of this program follows.
std::string printfFixed(double x, int decimals) {
    std::array<char, 64> small{};
    int n = std::snprintf(small.data(), small.size(), "%.*f", decimals, x);
    if (n >= 0 && static_cast<size_t>(n) < small.size()) {
        return std::string(small.data(), static_cast<size_t>(n));
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), "%.*f", decimals, x);
    big.resize(static_cast<size_t>(n));
    return big;
}

std::string trimTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string noNegativeZero(std::string text) {
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

double powerOfTen(int n) {
    static constexpr std::array<double, 16> table{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    return table[static_cast<size_t>(n)];
}

double slowRound(double x, int decimals) {
    std::string text = printfFixed(x, decimals);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

double roundHalfEven(double x, int decimals) {
    if (!std::isfinite(x) || decimals < 0 || decimals > 15) {
        return x;
    }
    const double scale = powerOfTen(decimals);
    const double y = x * scale;
    // Fast path: y is x * 10^d rounded once. fl() is monotonic and every
    // k + 0.5 below 2^52 is a double, so y can only land on a half when the
    // exact product is at or next to it; the rounding error, recovered
    // exactly by a fused multiply-add, then says which side it lies on.
    if (std::fabs(y) < 4503599627370496.0) {
        double r = std::nearbyint(y);
        if (std::fabs(y - r) == 0.5) {
            const double e = std::fma(x, scale, -y);
            const double down = std::floor(y);
            if (e > 0) {
                r = down + 1;
            } else if (e < 0) {
                r = down;
            }
        }
        // r is a whole number below 2^53: the quotient is correctly rounded,
        // the same double a parser gives for the decimal text r / 10^d.
        return r / scale;
    }
    // From 2^53 on every double is a whole number, already its own rounding;
    // printing the hundreds of digits of a cost near 1e300 to find that out
    // made a run over extreme entries a hundred times slower.
    if (std::fabs(x) >= 9007199254740992.0) {
        return x;
    }
    return slowRound(x, decimals);
}

std::string plainDecimal(double x, const NumberLocale& locale) {
    if (!std::isfinite(x)) {
        return "0";
    }
    std::array<char, 64> buf{};
    int n = std::snprintf(buf.data(), buf.size(), "%.14e", x);
    std::string sci(buf.data(), static_cast<size_t>(n));
    // sci is d.dddddddddddddde±XX: rebuild it as a plain decimal with the
    // same 15 significant digits.
    const auto ePos = sci.find('e');
    const int exponent = std::atoi(sci.c_str() + ePos + 1);
    const bool negative = sci[0] == '-';
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (sci[i] != '.') {
            digits.push_back(sci[i]);
        }
    }
    std::string text;
    if (exponent >= 0) {
        const size_t intLen = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            text = digits + std::string(intLen - digits.size(), '0');
        } else {
            text = digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    } else {
        text = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    text = trimTrailingZeros(text);
    if (negative) {
        text = "-" + text;
    }
    return withDecimalPoint(noNegativeZero(text), locale);
}

std::string shortestDecimal(double x, const NumberLocale& locale) {
    if (!std::isfinite(x)) {
        return "0";
    }
    std::array<char, 400> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed);
    if (ec != std::errc{}) {
        return plainDecimal(x, locale);
    }
    return withDecimalPoint(noNegativeZero(std::string(buf.data(), end)), locale);
}

std::string fixedDecimal(double x, int decimals, const NumberLocale& locale) {
    if (!std::isfinite(x)) {
        return "0";
    }
    return withDecimalPoint(printfFixed(x, decimals), locale);
}

std::string countText(std::uint64_t n) { return std::to_string(n); }

std::string percentText(float fraction) {
    if (!std::isfinite(fraction)) {
        return "0%";
    }
    return noNegativeZero(printfFixed(static_cast<double>(fraction) * 100.0, 0)) + "%";
}

std::string roundTripText(double x) {
    if (!std::isfinite(x)) {
        return "null";
    }
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), x);
    (void)ec;
    return std::string(buf.data(), end);
}

std::string shortestText(double x, const NumberLocale& locale) { return withDecimalPoint(roundTripText(x), locale); }

}  // namespace quorvale
