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
    const struct {
        long double value;
        Bytes bytes;
    } cases[] = {
        {1.0L, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x3F}},
        {-2.5L, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA0, 0x00, 0xC0}},
        {1.0L / 3.0L, {0xAB, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xFD, 0x3F}},
        {1e-19L, {0xA5, 0x61, 0x95, 0xB6, 0x7D, 0x4A, 0x1E, 0xEC, 0xBF, 0x3F}},
        {1e18L, {0x00, 0x00, 0x40, 0x76, 0x3A, 0x6B, 0x0B, 0xDE, 0x3A, 0x40}},
        {0.0L, {}},
        {-0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
        {Limits::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-Limits::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
        {Limits::denorm_min(), {0x01, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00}},
        {-Limits::denorm_min(), {0x01, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
        {Limits::min() - Limits::denorm_min(),
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00}},
        {Limits::min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}},
        {Limits::max(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        EXPECT_EQ(encodeExtendedReal(c.value), c.bytes);
        EXPECT_EQ(decode(c.bytes), c.value);
        EXPECT_EQ(std::signbit(decode(c.bytes)), std::signbit(c.value));
    }
}

TEST(ExtendedReal, NaNs) {
    const Bytes quietNaN = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    EXPECT_EQ(encodeExtendedReal(Limits::quiet_NaN()), quietNaN);
    EXPECT_TRUE(std::isnan(decode(quietNaN)));
    // A signalling NaN, and an all-ones exponent without the leading bit,
    // are NaNs as well.
    EXPECT_TRUE(std::isnan(decode({1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})));
    EXPECT_TRUE(std::isnan(decode({0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F})));
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
