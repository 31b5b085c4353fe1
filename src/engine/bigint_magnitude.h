#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/stop_check.h"

// Arithmetic on magnitudes: base-10000 digit vectors, least significant first.
// Results are in normal form (no leading zero digit, zero is {0}).
namespace lorvex::magnitude {

using Digits = std::vector<std::uint16_t>;

void trim(Digits& digits);
int compare(const Digits& a, const Digits& b);
// a += b.
void addInPlace(Digits& a, const Digits& b);
// a -= b for a >= b.
void subtractInPlace(Digits& a, const Digits& b);
// a = b - a for b >= a.
void subtractFromInPlace(Digits& a, const Digits& b);
Digits multiply(const Digits& a, const Digits& b, const StopCheck& stop);
// a += factor * b for a single digit factor.
void addMultipleInPlace(Digits& a, const Digits& b, std::uint32_t factor);
// a := |a - factor * b| for a single digit factor; returns true when
// factor * b was the larger.
bool subtractMultipleInPlace(Digits& a, const Digits& b, std::uint32_t factor);
// Quotient and remainder of a / b for a non-zero b.
void divide(const Digits& a, const Digits& b, Digits& quotient, Digits& remainder,
            const StopCheck& stop);
// Greatest common divisor of a and b, not both zero.
Digits gcd(const Digits& a, const Digits& b, const StopCheck& stop);

// The wide limbs used by the long algorithms: base 10^8, two digits in each.
using Limbs = std::vector<std::uint32_t>;
inline constexpr std::uint32_t kLimbBase = 100000000;
using LimbSpan = std::span<const std::uint32_t>;
Limbs toLimbs(const Digits& digits);
// Drops leading zero limbs, keeping at least one.
void trimLimbs(Limbs& limbs);
Digits fromLimbs(const Limbs& limbs);
// The product of two limb sequences, which may have leading zeros; the result
// may have some too.
Limbs multiplyLimbs(LimbSpan a, LimbSpan b, const StopCheck& stop);
// Quotient and remainder of limbs without leading zeros, for a non-zero b;
// the results have no leading zeros either.
void divideLimbs(const Limbs& a, const Limbs& b, Limbs& quotient, Limbs& remainder,
                 const StopCheck& stop);

// Products and quotients whose outer loop is shorter than this finish in
// microseconds and are not worth polling the stop check for.
inline constexpr std::size_t kPollingLength = 64;

}  // namespace lorvex::magnitude
