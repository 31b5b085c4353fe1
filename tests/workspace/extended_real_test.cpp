#include "workspace/extended_real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace lorvex {
namespace {

using Bytes = ExtendedRealBytes;
using Limits = std::numeric_limits<long double>;

long double decode(const Bytes& bytes) {
    return decodeExtendedReal(bytes);
}

// Mantissa bytes 0-7 least significant first, then exponent and sign. The
// expected patterns were worked out by hand (1, -2.5, 10^18) and with exact
// rational arithmetic rounded to 64 mantissa bits (1/3, 10^-19).
TEST(ExtendedReal, KnownValuesHaveTheirTenBytePatterns) {
    const Bytes one = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x3F};
    const Bytes minusTwoAndAHalf = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA0, 0x00, 0xC0};
    const Bytes third = {0xAB, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xFD, 0x3F};
    const Bytes tenToMinus19 = {0xA5, 0x61, 0x95, 0xB6, 0x7D, 0x4A, 0x1E, 0xEC, 0xBF, 0x3F};
    const Bytes tenTo18 = {0x00, 0x00, 0x40, 0x76, 0x3A, 0x6B, 0x0B, 0xDE, 0x3A, 0x40};

    EXPECT_EQ(encodeExtendedReal(1.0L), one);
    EXPECT_EQ(encodeExtendedReal(-2.5L), minusTwoAndAHalf);
    EXPECT_EQ(encodeExtendedReal(1.0L / 3.0L), third);
    EXPECT_EQ(encodeExtendedReal(1e-19L), tenToMinus19);
    EXPECT_EQ(encodeExtendedReal(1e18L), tenTo18);

    EXPECT_EQ(decode(one), 1.0L);
    EXPECT_EQ(decode(minusTwoAndAHalf), -2.5L);
    EXPECT_EQ(decode(third), 1.0L / 3.0L);
    EXPECT_EQ(decode(tenToMinus19), 1e-19L);
    EXPECT_EQ(decode(tenTo18), 1e18L);
}

TEST(ExtendedReal, ZerosInfinitiesAndNaNs) {
    const Bytes zero{};
    const Bytes negativeZero = {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80};
    const Bytes infinity = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
    const Bytes negativeInfinity = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF};
    const Bytes quietNaN = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};

    EXPECT_EQ(encodeExtendedReal(0.0L), zero);
    EXPECT_EQ(encodeExtendedReal(-0.0L), negativeZero);
    EXPECT_EQ(decode(zero), 0.0L);
    EXPECT_FALSE(std::signbit(decode(zero)));
    EXPECT_EQ(decode(negativeZero), 0.0L);
    EXPECT_TRUE(std::signbit(decode(negativeZero)));

    EXPECT_EQ(encodeExtendedReal(Limits::infinity()), infinity);
    EXPECT_EQ(encodeExtendedReal(-Limits::infinity()), negativeInfinity);
    EXPECT_EQ(decode(infinity), Limits::infinity());
    EXPECT_EQ(decode(negativeInfinity), -Limits::infinity());

    EXPECT_EQ(encodeExtendedReal(Limits::quiet_NaN()), quietNaN);
    EXPECT_TRUE(std::isnan(decode(quietNaN)));
    // A signalling NaN, and an all-ones exponent without the leading bit,
    // are NaNs as well.
    EXPECT_TRUE(std::isnan(decode({1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})));
    EXPECT_TRUE(std::isnan(decode({0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F})));
}

TEST(ExtendedReal, DenormalsAndTheEndsOfTheRange) {
    const Bytes smallestDenormal = {0x01, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00};
    const Bytes largestDenormal = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00};
    const Bytes smallestNormal = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
    const Bytes largest = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F};
    const Bytes negativeSmallestDenormal = {0x01, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80};

    EXPECT_EQ(encodeExtendedReal(Limits::denorm_min()), smallestDenormal);
    EXPECT_EQ(encodeExtendedReal(Limits::min() - Limits::denorm_min()), largestDenormal);
    EXPECT_EQ(encodeExtendedReal(Limits::min()), smallestNormal);
    EXPECT_EQ(encodeExtendedReal(Limits::max()), largest);
    EXPECT_EQ(encodeExtendedReal(-Limits::denorm_min()), negativeSmallestDenormal);

    EXPECT_EQ(decode(smallestDenormal), Limits::denorm_min());
    EXPECT_EQ(decode(largestDenormal), Limits::min() - Limits::denorm_min());
    EXPECT_EQ(decode(smallestNormal), Limits::min());
    EXPECT_EQ(decode(largest), Limits::max());
    EXPECT_EQ(decode(negativeSmallestDenormal), -Limits::denorm_min());
}

// Every finite pattern the format holds in its canonical form (normal numbers
// with the leading bit, denormals without it) comes back byte for byte.
TEST(ExtendedReal, RandomPatternsSurviveDecodingAndEncoding) {
    static_assert(Limits::digits == 64, "the byte-exact round trip needs the x87 format");
    std::mt19937_64 engine(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = engine();
        const bool denormal = i % 10 == 0;
        const std::uint64_t mantissa = denormal ? (bits >> 1) : (bits | (std::uint64_t{1} << 63));
        const unsigned exponent = denormal ? 0u : static_cast<unsigned>(engine() % 0x7FFE) + 1;
        const unsigned signAndExponent = exponent | (i % 2 == 0 ? 0x8000u : 0u);
        Bytes bytes{};
        for (std::size_t b = 0; b < 8; ++b)
            bytes[b] = static_cast<std::uint8_t>(mantissa >> (8 * b));
        bytes[8] = static_cast<std::uint8_t>(signAndExponent & 0xFF);
        bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
        ASSERT_EQ(encodeExtendedReal(decode(bytes)), bytes) << "pattern " << i;
    }
}

}  // namespace
}  // namespace lorvex
