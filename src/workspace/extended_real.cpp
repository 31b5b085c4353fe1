#include "workspace/extended_real.h"

#include <cmath>
#include <limits>

namespace lorvex {
namespace {

constexpr int kExponentBias = 16383;
constexpr int kMaxBiasedExponent = 0x7FFF;
constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietNaN = kLeadingBit | (std::uint64_t{1} << 62);
// 2^64 as a long double, where the rounded mantissa may land.
constexpr long double kTwoTo64 = 18446744073709551616.0L;

// Round to nearest, ties to even, without relying on the rounding mode. With
// a 64-bit long double the value is already whole and this returns it.
long double roundToInteger(long double value) {
    long double whole = std::floor(value);
    const long double rest = value - whole;
    if (rest > 0.5L || (rest == 0.5L && std::fmod(whole, 2.0L) != 0.0L)) whole += 1.0L;
    return whole;
}

ExtendedRealBytes pack(bool negative, int biasedExponent, std::uint64_t mantissa) {
    ExtendedRealBytes bytes{};
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned signAndExponent =
        (negative ? 0x8000u : 0u) | static_cast<unsigned>(biasedExponent);
    bytes[8] = static_cast<std::uint8_t>(signAndExponent & 0xFFu);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

}  // namespace

// A finite non-zero value is |value| = f x 2^e with f in [0.5, 1), that is
// (2f) x 2^(e-1): the biased exponent is e - 1 + 16383 and the mantissa is
// f x 2^64. Below the smallest normal exponent the mantissa is the value in
// units of 2^-16445 with exponent 0, as the format stores denormals.
ExtendedRealBytes encodeExtendedReal(long double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value)) return pack(negative, kMaxBiasedExponent, kQuietNaN);
    if (std::isinf(value)) return pack(negative, kMaxBiasedExponent, kLeadingBit);
    if (value == 0.0L) return pack(negative, 0, 0);

    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    int biased = exponent + kExponentBias - 1;
    long double mantissa = 0.0L;
    if (biased > 0) {
        mantissa = roundToInteger(std::ldexp(fraction, 64));
        if (mantissa >= kTwoTo64) {
            mantissa = std::ldexp(1.0L, 63);
            ++biased;
        }
    } else {
        mantissa = roundToInteger(std::ldexp(fraction, 63 + biased));
        // A denormal that rounds up to the leading bit is the smallest normal.
        biased = mantissa >= std::ldexp(1.0L, 63) ? 1 : 0;
    }
    if (biased >= kMaxBiasedExponent) return pack(negative, kMaxBiasedExponent, kLeadingBit);
    return pack(negative, biased, static_cast<std::uint64_t>(mantissa));
}

long double decodeExtendedReal(std::span<const std::uint8_t, kExtendedRealSize> bytes) {
    std::uint64_t mantissa = 0;
    for (std::size_t i = 0; i < 8; ++i)
        mantissa |= std::uint64_t{bytes[i]} << (8 * i);
    const unsigned signAndExponent = unsigned{bytes[8]} | (unsigned{bytes[9]} << 8);
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const int biased = static_cast<int>(signAndExponent & 0x7FFFu);

    long double magnitude = 0.0L;
    if (biased == kMaxBiasedExponent) {
        magnitude = mantissa == kLeadingBit ? std::numeric_limits<long double>::infinity()
                                            : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int unbiased = (biased == 0 ? 1 : biased) - kExponentBias - 63;
        magnitude = std::ldexp(static_cast<long double>(mantissa), unbiased);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace lorvex
