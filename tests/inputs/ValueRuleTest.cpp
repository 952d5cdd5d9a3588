#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include "inputs/InputValues.h"
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
    EXPECT_EQ(leadingNumber("4e"), 4);  // an exponent needs digits
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
    EXPECT_FALSE(rule.isUsable("0,5"));    // English: leading number 0
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
    // The numbers the analyses take are those of the repaired entries, read
    // without touching a text.
    const InputValues values = InputValues::read(inputs);
    EXPECT_EQ(inputs.entryText(0), "abc");
    Repair_Variables(inputs);
    for (int i = 0; i < kEntryCount; ++i) {
        EXPECT_EQ(values.entry(i), inputs.value(i)) << i;
    }
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

// Entries that once passed the repair check and were then used as another
// number: the check read them with the locale's decimal point, the value with ".".
TEST(ValueRule, AnEntryIsUsedAsTheNumberItsCheckRead) {
    const ValueRule german(NumberLocale::german());
    const ValueRule english(NumberLocale::english());
    const ValueRule french(NumberLocale::french());
    const std::pair<std::string, double> germanCases[] = {
        {"12,5 %", 12.5}, {"0,5 ha", 0.5}, {",5/", 0.5}, {"0,3,0001", 0.3}};
    for (const auto& [text, number] : germanCases) {
        EXPECT_TRUE(german.isUsable(text)) << text;
        EXPECT_EQ(german.value(text), number) << text;
    }
    EXPECT_TRUE(french.isUsable("7,5 t"));
    EXPECT_EQ(french.value("7,5 t"), 7.5);
    // Out of range once grouped or scaled: repaired, never infinity or 0.
    EXPECT_FALSE(german.isUsable("1.5e400"));
    EXPECT_FALSE(english.isUsable("1.5e400"));
    EXPECT_FALSE(english.isUsable("5,5e-400"));
    EXPECT_FALSE(english.isUsable("1e-310"));  // subnormal

    InMemoryInputs inputs(NumberLocale::german());
    inputs.setEntryText(0, "0,5 ha");
    inputs.setEntryText(1, "1.5e400");
    Repair_Variables(inputs);
    EXPECT_EQ(inputs.entryText(0), "0,5 ha");
    EXPECT_EQ(inputs.value(0), 0.5);
    EXPECT_EQ(inputs.entryText(1), "35");
}

// Texts built from known parts: [blank] [sign] digits [point digits]
// [exponent] [tail]. The expected number comes from the parts alone; a
// text is usable exactly when that number is a positive normal double.
TEST(ValueRule, EveryUsableTextReadsAsItsLeadingNumberInEachLocale) {
    std::mt19937 gen(2026);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
    auto digits = [&](int most) {
        std::string d(static_cast<size_t>(pick(most + 1)), '0');
        for (char& c : d) {
            c = static_cast<char>('0' + pick(pick(3) == 0 ? 1 : 10));  // zeros now and then
        }
        return d;
    };
    for (const NumberLocale& locale : {NumberLocale::english(), NumberLocale::german(), NumberLocale::french()}) {
        const ValueRule rule(locale);
        int usable = 0;
        for (int i = 0; i < 20000; ++i) {
            const std::string sign = std::array{"", "", "+", "-"}[pick(4)];
            const std::string whole = digits(4);
            const std::string fraction = digits(4);
            const int tailKind = pick(3);  // 0 junk, 1 second point + digits, 2 group + 3 digits
            const bool point = tailKind == 1 || pick(2) == 0;
            const std::string exponent = pick(3) == 0 ? "e" + std::to_string(pick(900) - 450) : "";
            std::string tail;
            if (tailKind == 0) {
                tail = std::array{"", " %", " ha", "/", " t", "abc"}[pick(6)];
            } else if (tailKind == 1) {
                tail = locale.decimalPoint + "0001";
            } else {
                tail = locale.groupSeparator + "500";
            }
            const std::string text = std::string(pick(2) ? " " : "") + sign + whole +
                                     (point ? locale.decimalPoint + fraction : "") + exponent + tail;

            // A group mark after bare digits joins them; anywhere else the tail is junk.
            const bool grouped = tailKind == 2 && !point && exponent.empty() && !whole.empty();
            const bool hasMantissa = !whole.empty() || (point && !fraction.empty());
            const std::string plain = sign + (whole.empty() ? "0" : whole) + (grouped ? "500" : "") + "." +
                                      (point ? fraction : "") + (hasMantissa ? exponent : "");
            double expected = 0;
            std::from_chars(plain.data() + (sign == "+"), plain.data() + plain.size(), expected);
            const bool leadingPositive = !grouped || whole.find_first_not_of('0') != std::string::npos;
            const bool expectUsable =
                hasMantissa && sign != "-" && std::isnormal(expected) && expected > 0 && leadingPositive;

            const EntryReading r = rule.reading(text);
            ASSERT_EQ(r.usable, expectUsable) << '"' << text << "\" " << locale.decimalPoint;
            if (r.usable) {
                ++usable;
                ASSERT_TRUE(std::isfinite(r.value) && r.value > 0) << text;
                ASSERT_EQ(r.value, expected) << '"' << text << "\" " << locale.decimalPoint;
            }
            // The text says its number only when nothing follows it but a
            // grouping mark that closes a group of three after at most three digits.
            const ValueReading says = rule.readEntry(text, 7);
            const bool expectExact = expectUsable && (tail.empty() || (grouped && whole.size() <= 3));
            ASSERT_EQ(says.exact, expectExact) << '"' << text << "\" " << locale.decimalPoint;
            ASSERT_EQ(says.repaired, !expectUsable) << text;
            ASSERT_EQ(says.value, expectUsable ? expected : 7.0) << text;
            ASSERT_EQ(rule.value(says.readAs), says.value) << says.readAs;
        }
        EXPECT_GT(usable, 5000) << locale.decimalPoint;  // the generator reaches the usable case
    }
}

// The texts a forest engineer mistypes are used as the value rule has
// always read them, and the reading says that the text says otherwise.
TEST(ValueRule, AReadingSaysWhenTheValueIsNotWhatTheTextSays) {
    const ValueRule english(NumberLocale::english());
    const ValueRule german(NumberLocale::german());
    const std::tuple<const ValueRule&, const char*, double, bool, const char*> cases[] = {
        {english, "8O", 8, false, "8"},         {english, "2OOO", 2, false, "2"},
        {english, "12abc", 12, false, "12"},    {english, "80,5", 805, false, "805"},
        {english, "1,500", 1500, true, "1500"}, {english, "-80", 35, false, "35"},
        {german, "2,5", 2.5, true, "2,5"},      {german, "2.5", 25, false, "25"},
    };
    for (const auto& [rule, text, value, exact, readAs] : cases) {
        const ValueReading r = rule.readEntry(text, 35);
        EXPECT_EQ(r.value, value) << text;
        EXPECT_EQ(r.exact, exact) << text;
        EXPECT_EQ(r.readAs, readAs) << text;
    }
}

// Taking entries in is what the window's start-up Low analysis does to its
// fields: repair, the corrected Low correction time written back, then the
// one-decimal form; the High correction entry keeps its text.
TEST(InputVariables, TakingEntriesInRepairsCorrectsTheLowCorridorEntryAndFormats) {
    InMemoryInputs defaults;
    EXPECT_TRUE(takeInEntries(defaults));
    EXPECT_EQ(defaults.entryText(lowEntry(MultipleCorridorCorrection)), "0.5");
    EXPECT_EQ(defaults.entryText(highEntry(MultipleCorridorCorrection)), "1.0");
    EXPECT_EQ(defaults.entryText(0), "35.0");

    InMemoryInputs typed(NumberLocale::german());
    typed.setEntryText(lowEntry(FixedCorridorTime), "1,25");
    typed.setEntryText(lowEntry(MultipleCorridorCorrection), "2");
    typed.setEntryText(highEntry(MultipleCorridorCorrection), "4");
    EXPECT_TRUE(takeInEntries(typed));
    // Half of 1.25 is 0.625, then shown as 0.6 (an exact half goes to even).
    EXPECT_EQ(typed.entryText(lowEntry(MultipleCorridorCorrection)), "0,6");
    EXPECT_EQ(typed.entryText(lowEntry(FixedCorridorTime)), "1,2");
    EXPECT_EQ(typed.entryText(highEntry(MultipleCorridorCorrection)), "4,0");

    InMemoryInputs below;
    below.setEntryText(lowEntry(MultipleCorridorCorrection), "0.4");
    EXPECT_FALSE(takeInEntries(below));
    EXPECT_EQ(below.entryText(lowEntry(MultipleCorridorCorrection)), "0.4");
}
