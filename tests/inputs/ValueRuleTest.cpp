#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "inputs/InputVariables.h"
#include "inputs/ValueRule.h"

using namespace quorvale;

TEST(ValueRule, LeadingNumberReadsTheLongestDecimalPrefix) {
    EXPECT_EQ(leadingNumber("12abc"), 12);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("  -3"), -3);
    EXPECT_EQ(leadingNumber("+7.25x"), 7.25);
    EXPECT_EQ(leadingNumber("1,500"), 1);
    EXPECT_EQ(leadingNumber("2.5e2m"), 250);
    EXPECT_EQ(leadingNumber("4e"), 4);   // an exponent needs digits
    EXPECT_EQ(leadingNumber("4e+"), 4);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("."), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("5."), 5);
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
    EXPECT_EQ(leadingNumber("1e-999"), 0);
}

TEST(ValueRule, EnglishLocaleNormalisesGroupedNumbers) {
    const ValueRule rule(NumberLocale::english());
    EXPECT_EQ(rule.value("1,500"), 1500);
    EXPECT_EQ(rule.value(" 2,000.5 "), 2000.5);
    EXPECT_EQ(rule.value("2.27"), 2.27);
    EXPECT_EQ(rule.value("12abc"), 12);  // not a number: leading part
    EXPECT_EQ(rule.value("abc"), 0);
    EXPECT_EQ(rule.value("-3"), -3);
    EXPECT_EQ(rule.normalise("1,500"), "1500");
    EXPECT_EQ(rule.normalise("12abc"), "12abc");
    EXPECT_EQ(rule.value("1e3"), 1000);
    // A text too large for a double is no number: it keeps its text.
    EXPECT_EQ(rule.normalise("1e999"), "1e999");
}

TEST(ValueRule, RepairTestUsesTheLeadingNumber) {
    const ValueRule rule(NumberLocale::english());
    EXPECT_TRUE(rule.isUsable("1,500"));  // leading 1 passes, read as 1500
    EXPECT_TRUE(rule.isUsable("12abc"));
    EXPECT_TRUE(rule.isUsable(".5"));
    EXPECT_FALSE(rule.isUsable("abc"));
    EXPECT_FALSE(rule.isUsable(""));
    EXPECT_FALSE(rule.isUsable("0"));
    EXPECT_FALSE(rule.isUsable("-3"));
    EXPECT_FALSE(rule.isUsable("0,5"));  // English: leading number 0
    EXPECT_FALSE(rule.isUsable("1e999"));  // infinite: repaired like garbage
    EXPECT_FALSE(rule.isUsable("1e-999"));
    EXPECT_TRUE(rule.isUsable("1e300"));
}

TEST(ValueRule, DisplayFormKeepsOneDecimalAndLeavesTextAlone) {
    const ValueRule rule(NumberLocale::english());
    EXPECT_EQ(rule.display("35"), "35.0");
    EXPECT_EQ(rule.display("2.27"), "2.3");
    EXPECT_EQ(rule.display("0.04"), "0.0");
    EXPECT_EQ(rule.display("1,500"), "1500.0");
    EXPECT_EQ(rule.display("12abc"), "12abc");
    EXPECT_EQ(rule.display(""), "");
    // Exact binary halves go to the even digit.
    EXPECT_EQ(rule.display("0.25"), "0.2");
    EXPECT_EQ(rule.display("0.75"), "0.8");
    // Absurd magnitudes still read back as the value they came from.
    const std::string big = rule.display("1e300");
    EXPECT_EQ(rule.value(big), 1e300);
    EXPECT_EQ(rule.display("1e-300"), "0.0");
}

TEST(ValueRule, GermanLocaleRoundTripsWhatItDisplays) {
    const ValueRule rule(NumberLocale::german());
    EXPECT_EQ(rule.display("2,27"), "2,3");
    EXPECT_EQ(rule.value("2,3"), 2.3);
    EXPECT_EQ(rule.value("1.500"), 1500);
    EXPECT_EQ(rule.value("1.500,5"), 1500.5);
    EXPECT_TRUE(rule.isUsable("0,5"));
    EXPECT_EQ(rule.plain(0.5), "0,5");
    EXPECT_EQ(rule.value(rule.plain(0.5)), 0.5);
    for (double x : {0.1, 2.3, 35.0, 1234.5, 0.05, 1e7 + 0.5}) {
        const std::string shown = rule.display(rule.plain(x));
        EXPECT_NEAR(rule.value(shown), x, 0.05 + 1e-9) << shown;
        EXPECT_EQ(rule.value(rule.display(shown)), rule.value(shown)) << shown;
    }
}

TEST(InputVariables, DefaultsAndSpinBoundsFollowTheVariableTable) {
    InMemoryInputs inputs;
    EXPECT_EQ(inputs.entryText(0), "35");
    EXPECT_EQ(inputs.entryText(2), "400");
    for (int k = 0; k < kVariableCount; ++k) {
        EXPECT_EQ(inputs.value(lowEntry(k)), inputs.value(highEntry(k))) << "variable " << k;
    }
    for (int i = 0; i < kEntryCount; ++i) {
        const SpinRule& s = spinRule(i);
        EXPECT_GE(s.lower, 1) << i;
        EXPECT_LE(s.lower, s.defaultValue) << i;
        EXPECT_LE(s.defaultValue, s.upper) << i;
        EXPECT_GE(s.step, 1) << i;
    }
    EXPECT_EQ(spinRule(25).upper, 10000);
    EXPECT_EQ(spinRule(24).upper, 5);
    EXPECT_EQ(variableRule(LateralSpeed).caption, "Lateral Speed  (feet/min-lyd)");
    EXPECT_EQ(variableRule(ExternalSpeed).group, "Yarding Time ");
}

TEST(InputVariables, RepairReplacesNonPositiveEntriesWithSpinValue) {
    InMemoryInputs inputs;
    inputs.setEntryText(0, "abc");
    inputs.setEntryText(1, "");
    inputs.setEntryText(2, "0");
    inputs.setEntryText(3, "-3");
    inputs.setEntryText(4, "12abc");
    inputs.setEntryText(5, ".5");
    inputs.setEntryText(6, "1,500");
    inputs.setEntryText(7, "1e999");
    inputs.setSpinValue(8, 44);
    inputs.setEntryText(8, "0.0");
    Repair_Variables(inputs);
    EXPECT_EQ(inputs.entryText(0), "35");
    EXPECT_EQ(inputs.entryText(1), "35");
    EXPECT_EQ(inputs.entryText(2), "400");
    EXPECT_EQ(inputs.entryText(3), "400");
    EXPECT_EQ(inputs.entryText(4), "12abc");
    EXPECT_EQ(inputs.entryText(5), ".5");
    EXPECT_EQ(inputs.entryText(6), "1,500");
    EXPECT_EQ(inputs.value(6), 1500);
    EXPECT_EQ(inputs.entryText(7), "100");
    EXPECT_EQ(inputs.entryText(8), "44");
    formatEntries(inputs);
    EXPECT_EQ(inputs.entryText(0), "35.0");
    EXPECT_EQ(inputs.entryText(4), "12abc");
    EXPECT_EQ(inputs.entryText(5), "0.5");
}
