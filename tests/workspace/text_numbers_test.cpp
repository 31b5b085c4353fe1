#include "workspace/text_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace lorvex {
namespace {

TEST(LeadingDecimal, ReadsTheLongestLeadingNumberOrZero) {
    EXPECT_EQ(leadingDecimal("60.0"), 60.0L);
    EXPECT_EQ(leadingDecimal("  -2.5 graus"), -2.5L);
    EXPECT_EQ(leadingDecimal("+.5"), 0.5L);
    EXPECT_EQ(leadingDecimal("7."), 7.0L);
    EXPECT_EQ(leadingDecimal("1.5e1"), 15.0L);
    EXPECT_EQ(leadingDecimal("-4E-2x"), -0.04L);
    EXPECT_EQ(leadingDecimal("3e"), 3.0L) << "an exponent letter without digits is not read";
    EXPECT_EQ(leadingDecimal("3e+"), 3.0L);
    EXPECT_EQ(leadingDecimal("1.2.3"), 1.2L);
    EXPECT_EQ(leadingDecimal("0.1"), 0.1L) << "rounded once, to the nearest";
    for (const char* text : {"", ".", "-", "e5", "pi", "inf"})
        EXPECT_EQ(leadingDecimal(text), 0.0L) << text;
}

TEST(LeadingDecimal, MagnitudesBeyondTheRange) {
    EXPECT_EQ(leadingDecimal("1e5000"), HUGE_VALL);
    EXPECT_EQ(leadingDecimal("-0.001e5000"), -HUGE_VALL);
    EXPECT_EQ(leadingDecimal("1e-5000"), 0.0L);
    EXPECT_EQ(leadingDecimal("1000e-5000"), 0.0L);
    EXPECT_EQ(leadingDecimal("1e99999999999999999999"), HUGE_VALL);
    EXPECT_EQ(leadingDecimal("0e99999"), 0.0L);
    EXPECT_EQ(leadingDecimal("1" + std::string(5000, '0')), HUGE_VALL);
}

}  // namespace
}  // namespace lorvex
