#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "inputs/NumberText.h"

using namespace quorvale;

namespace {

// The reference: the exactly rounded decimal text, read back.
double viaText(double x, int decimals) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
    double v = 0;
    std::from_chars(buf, buf + std::strlen(buf), v);
    return v;
}

}  // namespace

TEST(NumberText, RoundHalfEvenAgreesWithExactDecimalRounding) {
    std::mt19937_64 gen(12345);
    std::uniform_real_distribution<double> wide(-1e6, 1e6);
    std::uniform_int_distribution<int> cents(-100000000, 100000000);
    for (int i = 0; i < 200000; ++i) {
        const double x = wide(gen);
        for (int d : {0, 1, 2}) {
            ASSERT_EQ(roundHalfEven(x, d), viaText(x, d)) << x << " to " << d;
        }
        // Values at and next to decimal halves, where a naive x*100 fails.
        const double near = (cents(gen) + 0.5) / 100.0;
        for (double y : {near, std::nextafter(near, 1e9), std::nextafter(near, -1e9)}) {
            ASSERT_EQ(roundHalfEven(y, 1), viaText(y, 1)) << y;
            ASSERT_EQ(roundHalfEven(y, 2), viaText(y, 2)) << y;
        }
    }
    // Exact binary halves go to the even digit.
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(roundHalfEven(2.5, 0), 2);
    EXPECT_EQ(roundHalfEven(3.5, 0), 4);
    EXPECT_EQ(roundHalfEven(1e20 + 0.1, 2), viaText(1e20 + 0.1, 2));
    // Across the whole numbers from 2^52 up to the largest costs.
    for (double x = 4503599627370495.5; x < 1e308; x = x * 1.37 + 0.25) {
        ASSERT_EQ(roundHalfEven(x, 2), viaText(x, 2)) << x;
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""), 2)));
}

TEST(NumberText, PlainDecimalKeepsFifteenDigitsWithoutExponent) {
    EXPECT_EQ(plainDecimal(12.5), "12.5");
    EXPECT_EQ(plainDecimal(500), "500");
    EXPECT_EQ(plainDecimal(0), "0");
    EXPECT_EQ(plainDecimal(-0.0), "0");
    EXPECT_EQ(plainDecimal(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(plainDecimal(1e20), "100000000000000000000");
    EXPECT_EQ(plainDecimal(1.5e-7), "0.00000015");
    EXPECT_EQ(plainDecimal(-2.75), "-2.75");
    EXPECT_EQ(plainDecimal(136.07), "136.07");
    EXPECT_EQ(plainDecimal(12.5, NumberLocale::german()), "12,5");
    EXPECT_EQ(plainDecimal(std::nan("")), "0");
}

TEST(NumberText, OtherForms) {
    EXPECT_EQ(shortestDecimal(0.1), "0.1");
    EXPECT_EQ(shortestDecimal(1e-7), "0.0000001");
    EXPECT_EQ(fixedDecimal(2.27, 1), "2.3");
    EXPECT_EQ(fixedDecimal(2.27, 1, NumberLocale::german()), "2,3");
    EXPECT_EQ(percentText(0.0f), "0%");
    EXPECT_EQ(percentText(1.0f), "100%");
    EXPECT_EQ(percentText(0.456f), "46%");
    EXPECT_EQ(roundTripText(0.1), "0.1");
    double back = 0;
    const std::string t = roundTripText(1.0 / 3);
    std::from_chars(t.data(), t.data() + t.size(), back);
    EXPECT_EQ(back, 1.0 / 3);
}
