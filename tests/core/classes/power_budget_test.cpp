// SPDX-License-Identifier: MIT
#include "core/classes/power_budget.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>

namespace keelwright {
namespace {

// Usage texts by position (0 = Computer ... 15 = Comms), all others "0".
struct Budget {
    std::string output = "0";
    std::array<std::string, 16> usage;
    Budget() { usage.fill("0"); }
    std::optional<BudgetFigures> compute() const {
        PowerTexts texts;
        texts[0] = output;
        for (std::size_t i = 0; i < usage.size(); ++i)
            texts[i + 1] = usage[i];
        return computeBudget(texts);
    }
};

BudgetFigures figures(std::string total, std::string output, std::string free) {
    return {std::move(total), std::move(output), std::move(free)};
}

TEST(PowerBudget, AllZeroShowsZeros) {
    EXPECT_EQ(Budget{}.compute(), figures("0", "0", "0"));
}

TEST(PowerBudget, WorkedExamples) {
    Budget b;
    b.usage[0] = "30"; // Computer
    b.usage[2] = "50"; // Engines
    b.output = "100";
    EXPECT_EQ(b.compute(), figures("80", "100", "20"));

    Budget short_;
    short_.usage[5] = "25";
    short_.output = "10";
    EXPECT_EQ(short_.compute(), figures("25", "10", "-15"));

    Budget fraction;
    fraction.usage[15] = "1";
    fraction.output = "2.5";
    EXPECT_EQ(fraction.compute(), figures("1", "2.5", "1.5"));
}

TEST(PowerBudget, UsageRoundsHalfToEven) {
    const std::pair<const char*, const char*> cases[] = {
        {"2.5", "2"}, {"3.5", "4"},   {"-2.5", "-2"}, {".5", "0"}, {"1.5", "2"},
        {"2.6", "3"}, {"-1.4", "-1"}, {"0.49", "0"},  {"5.", "5"}, {"+7", "7"}};
    for (const auto& [typed, counted] : cases) {
        Budget b;
        b.usage[3] = typed;
        ASSERT_TRUE(b.compute()) << typed;
        EXPECT_EQ(b.compute()->totalUsage, counted) << typed;
    }
}

TEST(PowerBudget, SixteenTimes999StaysInRange) {
    Budget b;
    b.usage.fill("999");
    b.output = "-99";
    EXPECT_EQ(b.compute(), figures("15984", "-99", "-16083"));
}

TEST(PowerBudget, ReactorOutputIsShownExactlyAsTyped) {
    Budget b;
    b.output = " 7 ";
    EXPECT_EQ(b.compute(), figures("0", " 7 ", "7"));
    b.output = "-0";
    EXPECT_EQ(b.compute(), figures("0", "-0", "0"));
}

TEST(PowerBudget, BlanksAroundANumberAreAllowed) {
    Budget b;
    b.usage[0] = " 12";
    b.usage[1] = "3  ";
    EXPECT_EQ(b.compute()->totalUsage, "15");
}

TEST(PowerBudget, AbandonsOnTextThatIsNotANumber) {
    const char* notNumbers[] = {"",      "   ",  "abc", "1e5",      "-",  ".",
                                "1.2.3", "0x10", "1,5", "- 5",      "5-", "++1",
                                "1 2",   "inf",  "nan", "\xff\xfe", "٣",  "1_0"};
    for (const char* text : notNumbers) {
        Budget usage;
        usage.usage[7] = text;
        EXPECT_FALSE(usage.compute()) << "usage " << text;
        Budget output;
        output.output = text;
        EXPECT_FALSE(output.compute()) << "output " << text;
    }
    Budget withNul;
    withNul.usage[0] = std::string("1\0", 2);
    EXPECT_FALSE(withNul.compute());
}

TEST(PowerBudget, AbandonsWhenAValueOrAPartialSumLeavesSixteenBits) {
    Budget single;
    single.usage[0] = "32768";
    EXPECT_FALSE(single.compute());
    single.usage[0] = "32767.5"; // rounds to 32768
    EXPECT_FALSE(single.compute());
    single.usage[0] = "-32768";
    EXPECT_EQ(single.compute()->totalUsage, "-32768");

    Budget sum;
    sum.usage[0] = "20000";
    sum.usage[1] = "20000";
    sum.usage[2] = "-20000"; // the total would fit, the partial sum does not
    EXPECT_FALSE(sum.compute());

    Budget huge;
    huge.output = std::string(400, '9');
    EXPECT_FALSE(huge.compute());
    huge.output = "1";
    huge.usage[4] = std::string(100000, '9');
    EXPECT_FALSE(huge.compute());
}

TEST(PowerBudget, LargeReactorOutputStillGivesAFreePower) {
    Budget b;
    b.output = "123456789012345678";
    EXPECT_EQ(b.compute()->freePower, "1.23456789012346E+17");
}

TEST(FreePowerFormat, ShortestFormUpToFifteenDigits) {
    EXPECT_EQ(formatFreePower(20), "20");
    EXPECT_EQ(formatFreePower(-15), "-15");
    EXPECT_EQ(formatFreePower(1.5), "1.5");
    EXPECT_EQ(formatFreePower(-0.0), "0");
    EXPECT_EQ(formatFreePower(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatFreePower(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatFreePower(999.5 - 1000), "-0.5");
}

} // namespace
} // namespace keelwright
