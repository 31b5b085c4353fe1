#include "engine/bigint.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "engine/bigint_operations.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::big;

TEST(BigInt, ZeroAndOneTestsLookOnlyAtTheDigits) {
    const BigInt negativeZero = BigInt::fromDigits({0, 0}, true);
    EXPECT_TRUE(negativeZero.isZero());
    EXPECT_EQ(negativeZero.top(), 0);
    EXPECT_EQ(negativeZero, BigInt(0));
    EXPECT_TRUE(BigInt(-1).isOne());
    EXPECT_TRUE(BigInt(1).isOne());
    EXPECT_FALSE(BigInt(10001).isOne());
    EXPECT_EQ((-BigInt(0)).toText(), "0");
}

TEST(BigInt, ReadingText) {
    const std::pair<const char*, long long> cases[] = {
        {"-0012", -12}, {"--5", 5}, {"1 2 3", 123}, {"0000", 0}, {"123456789", 123456789}};
    for (const auto& [text, expected] : cases) {
        BigInt value;
        EXPECT_EQ(BigInt::fromText(text, value), code::Ok);
        EXPECT_EQ(value, BigInt(expected)) << text;
        EXPECT_EQ(value.digits(), BigInt(expected).digits()) << text;
    }

    BigInt untouched(77);
    EXPECT_EQ(BigInt::fromText("", untouched), code::NotFound);
    EXPECT_EQ(BigInt::fromText("   ", untouched), code::NotFound);
    EXPECT_EQ(BigInt::fromText("12a", untouched), code::InconsistentData);
    EXPECT_EQ(BigInt::fromText("+3", untouched), code::InconsistentData);
    EXPECT_EQ(BigInt::fromText("1-2", untouched), code::InconsistentData);
    EXPECT_EQ(untouched, BigInt(77));
}

TEST(BigInt, WritingTextWithAMaximumLengthKeepsWholeGroups) {
    // The entry texts of the matrix documents pin whole groups ending in
    // "..."; these are the sign and a length with no room for any group.
    EXPECT_EQ(big("-1234567890").toText({.maxLength = 8}), "-123...");
    EXPECT_EQ(big("123456789").toText({.maxLength = 2}), "...");
}

TEST(BigInt, LongDivisionCorrectsItsTrialQuotients) {
    // In limbs of B = 10^8: 10^40 / (10^20 - 1), whose divisor's leading
    // limbs are all nines, makes the trial quotients overshoot. (B/2 - 1, B/2,
    // 0, 0) by (B/2, 0, 1) takes the trial quotient B - 1 from the leading
    // limbs, which leaves -(B - 1) and is added back: q = B - 2, r = B^3/2 - B + 2.
    const struct {
        std::string a, b, q, r;
    } cases[] = {
        {"1" + std::string(40, '0'), std::string(20, '9'), "100000000000000000001", "1"},
        {"4999999950000000" + std::string(16, '0'), "50000000" + std::string(15, '0') + "1",
         "99999998", "499999999999999900000002"},
    };
    for (const auto& c : cases) {
        const Outcome<BigInt::Division> division = bigint::divide(big(c.a), big(c.b));
        ASSERT_EQ(division.code, code::Ok);
        EXPECT_EQ(division.value.quotient.toText(), c.q);
        EXPECT_EQ(division.value.remainder.toText(), c.r);
    }
}

// Signs of quotients and remainders, gcds and lcms of non-zero operands are
// the properties' business.
TEST(BigInt, ZeroDivisorsAndZeroGcdOperands) {
    EXPECT_EQ(bigint::divide(BigInt(5), BigInt(0)).code, code::Singular);
    BigInt q(11);
    ASSERT_EQ(bigint::gcd(BigInt(-6), BigInt(0), q), code::Ok);
    EXPECT_EQ(q, BigInt(6));
    EXPECT_EQ(bigint::lcm(BigInt(0), BigInt(6), q), code::InconsistentData);
}

TEST(BigInt, PowerBySuccessiveSquaring) {
    BigInt result;
    for (const auto& [base, exponent, expected] :
         {std::tuple{-3, 0, "1"}, {-3, 5, "-243"}, {10, 25, "10000000000000000000000000"}}) {
        ASSERT_EQ(bigint::power(BigInt(base), exponent, result), code::Ok);
        EXPECT_EQ(result.toText(), expected);
    }
    EXPECT_EQ(bigint::power(BigInt(2), -1, result), code::OutOfMemory);
}

TEST(BigInt, SignedArithmeticAndOrdering) {
    // Mixed signs are the properties' business; these are the carries and zero.
    EXPECT_EQ(big("99999999") + BigInt(1), BigInt(100000000));
    EXPECT_EQ(BigInt(100000000) - BigInt(1), BigInt(99999999));
    EXPECT_FALSE((BigInt(0) * BigInt(-25)).isNegative());
    EXPECT_LT(BigInt(-10001), BigInt(-9999));
    EXPECT_LT(BigInt(-1), BigInt(0));
    EXPECT_EQ(BigInt::compareMagnitudes(BigInt(-10000), BigInt(9999)), 1);
}

// The digits in base 10000, least significant first, are pinned by the
// integer matrix files' records.
TEST(BigInt, MachineIntegersInAndOutOnlyBelowTenToTheEight) {
    EXPECT_EQ(BigInt(INT64_MIN).toText(), "-9223372036854775808");
    EXPECT_EQ(BigInt(-99999999).toMachineInteger(), -99999999);
    EXPECT_EQ(BigInt(100000000).toMachineInteger(), std::nullopt);
    EXPECT_EQ(big("-123456789012").toLongDouble(), -123456789012.0L);
}

TEST(BigInt, StopRequestEndsLongOperationsAndKeepsNothing) {
    int polls = 0;
    const StopCheck stopAtThirdPoll([&polls] { return ++polls >= 3; });
    const BigInt a = big(std::string(3000, '7'));
    const BigInt b = big(std::string(2000, '3'));

    BigInt product(5);
    EXPECT_EQ(bigint::multiply(a, b, product, stopAtThirdPoll), code::UserStop);
    EXPECT_EQ(product, BigInt(5));

    polls = 0;
    EXPECT_EQ(bigint::divide(a, b, stopAtThirdPoll).code, code::UserStop);
    polls = 0;
    EXPECT_EQ(bigint::gcd(a, b, product, stopAtThirdPoll), code::UserStop);
    EXPECT_EQ(product, BigInt(5));

    // Short operations finish without asking.
    int shortPolls = 0;
    const StopCheck counting([&shortPolls] { return ++shortPolls > 0; });
    EXPECT_EQ(bigint::multiply(BigInt(12345678), BigInt(87654321), product, counting), code::Ok);
    EXPECT_EQ(product.toText(), "1082152022374638");
    EXPECT_EQ(shortPolls, 0);
}

}  // namespace
}  // namespace lorvex
