// Greatest common divisors of magnitudes by Lehmer's method. Euclid's steps
// are run on the leading nineteen digits of both numbers in machine integers
// for as long as their quotients are sure to be those of the full numbers;
// the steps, gathered in a 2 x 2 matrix, are then applied to the full numbers
// in one pass. Each pass removes about nine digits, where a long division
// step removes only the length of one quotient. When the leading parts cannot
// decide two steps (numbers of very different lengths), one long division
// step is taken.

#include <algorithm>
#include <cassert>
#include <utility>

#include "engine/bigint_magnitude.h"

namespace lorvex::magnitude {
namespace {

constexpr std::uint64_t kPowersOfTen[] = {1,      10,      100,      1000,     10000,
                                          100000, 1000000, 10000000, 100000000};
constexpr std::int64_t kBase = kLimbBase;
// Bound of the matrix entries, which keeps every product of an entry and a
// limb, and their differences, below the bias of the carries.
constexpr std::uint64_t kMaxEntry = 4000000000;

int digitCount(std::uint32_t limb) {
    int count = 1;
    while (count < 8 && limb >= kPowersOfTen[count])
        ++count;
    return count;
}

// floor(value / 10^shift) from the three limbs at the top of x's length,
// below 10^19 for every value up to x.
std::uint64_t leadingPart(const Limbs& value, std::size_t length, int shift) {
    const auto limb = [&](std::size_t i) -> std::uint64_t {
        return i < value.size() ? value[i] : 0;
    };
    return limb(length - 1) * kPowersOfTen[8] * kPowersOfTen[8 - shift] +
           limb(length - 2) * kPowersOfTen[8 - shift] + limb(length - 3) / kPowersOfTen[shift];
}

// (x, y) := (a x + b y, c x + d y).
struct Cosequence {
    std::int64_t a = 1;
    std::int64_t b = 0;
    std::int64_t c = 0;
    std::int64_t d = 1;
};

// Euclid's steps on the leading parts x >= y while Collins' condition (as
// proved by Jebelean) guarantees that their quotients are those of the full
// numbers. u and v are the magnitudes of the multipliers of x and y in the
// last three remainders; their signs alternate. The step that fails the
// condition is left out, so the matrix stops one step behind.
Cosequence leadingSteps(std::uint64_t x, std::uint64_t y) {
    std::uint64_t u0 = 0, u1 = 1, u2 = 0;
    std::uint64_t v0 = 0, v1 = 0, v2 = 1;
    bool even = true;
    while (y >= v2 && x - y >= v1 + v2) {
        const std::uint64_t q = x / y;
        if (q > kMaxEntry) break;
        const std::uint64_t u = u1 + q * u2;
        const std::uint64_t v = v1 + q * v2;
        if (u > kMaxEntry || v > kMaxEntry) break;
        x = std::exchange(y, x - q * y);
        u0 = std::exchange(u1, std::exchange(u2, u));
        v0 = std::exchange(v1, std::exchange(v2, v));
        even = !even;
    }
    const auto a = static_cast<std::int64_t>(u0);
    const auto b = static_cast<std::int64_t>(v0);
    const auto c = static_cast<std::int64_t>(u1);
    const auto d = static_cast<std::int64_t>(v1);
    return even ? Cosequence{-a, b, c, -d} : Cosequence{a, -b, -c, d};
}

// The carries are kept raised by kCarryBias, which makes every column value
// plus its carry non-negative, so that the carry out is found by an unsigned
// division and is itself the raised carry.
constexpr std::int64_t kCarryBias = std::int64_t{1} << 33;
constexpr std::uint64_t kNoCarry = kCarryBias;

// One limb of a column value plus the incoming raised carry, which is
// replaced by the outgoing one.
std::uint32_t takeLimb(std::int64_t value, std::uint64_t& raisedCarry) {
    const std::uint64_t shifted = static_cast<std::uint64_t>(value) + raisedCarry +
                                  static_cast<std::uint64_t>(kCarryBias * kBase - kCarryBias);
    raisedCarry = shifted / kLimbBase;
    return static_cast<std::uint32_t>(shifted - raisedCarry * kLimbBase);
}

// (x, y) := (a x + b y, c x + d y), both known to be non-negative. The two
// carry chains are independent, so the processor runs them side by side.
void applyInPlace(Limbs& x, Limbs& y, const Cosequence& m) {
    y.resize(x.size(), 0);
    std::uint64_t xCarry = kNoCarry;
    std::uint64_t yCarry = kNoCarry;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::int64_t xLimb = x[i];
        const std::int64_t yLimb = y[i];
        x[i] = takeLimb(m.a * xLimb + m.b * yLimb, xCarry);
        y[i] = takeLimb(m.c * xLimb + m.d * yLimb, yCarry);
    }
    assert(xCarry == kNoCarry && yCarry == kNoCarry);
    trimLimbs(x);
    trimLimbs(y);
}

std::uint64_t toMachine(const Limbs& limbs) {
    assert(limbs.size() <= 2);
    return limbs[0] + (limbs.size() == 2 ? std::uint64_t{limbs[1]} * kLimbBase : 0);
}

}  // namespace

Digits gcd(const Digits& a, const Digits& b, const StopCheck& stop) {
    Limbs x = toLimbs(a);
    Limbs y = toLimbs(b);
    if (compare(a, b) < 0) std::swap(x, y);
    Limbs quotient;
    Limbs remainder;
    while (y.size() > 2) {
        if (x.size() >= kPollingLength / 2) stop.poll();
        const int shift = std::max(digitCount(x.back()) - 3, 0);
        const Cosequence m =
            leadingSteps(leadingPart(x, x.size(), shift), leadingPart(y, x.size(), shift));
        if (m.b == 0) {
            divideLimbs(x, y, quotient, remainder, stop);
            x = std::move(y);
            y = std::move(remainder);
        } else {
            applyInPlace(x, y, m);
        }
    }
    if (y.size() == 1 && y[0] == 0) return fromLimbs(x);
    divideLimbs(x, y, quotient, remainder, stop);
    std::uint64_t larger = toMachine(y);
    std::uint64_t smaller = toMachine(remainder);
    while (smaller != 0) {
        larger = std::exchange(smaller, larger % smaller);
    }
    return fromLimbs(Limbs{static_cast<std::uint32_t>(larger % kLimbBase),
                           static_cast<std::uint32_t>(larger / kLimbBase)});
}

}  // namespace lorvex::magnitude
