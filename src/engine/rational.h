#pragma once

#include <vector>

#include "engine/bigint.h"
#include "engine/matrix_data.h"
#include "engine/stop_check.h"

// Exact rational arithmetic of integer mode. These functions throw like the
// BigInt operations (see bigint.h); engine operations catch with runGuarded.
namespace lorvex {

struct Fraction {
    BigInt numerator{0};
    BigInt denominator{1};

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// Divides numerator and denominator by their gcd (the denominator keeps its sign).
Fraction reduce(const Fraction& value, const StopCheck& stop);
// a/b + c/d = (a*d + c*b) / (b*d), reduced; likewise the difference.
Fraction sum(const Fraction& x, const Fraction& y, const StopCheck& stop);
Fraction difference(const Fraction& x, const Fraction& y, const StopCheck& stop);
// (a/b) * (c/d) = (a*c) / (b*d), reduced.
Fraction product(const Fraction& x, const Fraction& y, const StopCheck& stop);

// (a/b) / (c/d) for c != 0, reduced, with a positive denominator.
Fraction quotient(const Fraction& x, const Fraction& y, const StopCheck& stop);
// The nearest long double, for what is also shown or kept in decimals.
long double approximate(const Fraction& value);

// The entries of an integer matrix one by one, reduced; and entries put back
// over their least common denominator, normalised.
std::vector<Fraction> fractionsOf(const IntegerMatrix& matrix, const StopCheck& stop);
IntegerMatrix fromFractions(std::int32_t rows, std::int32_t cols,
                            const std::vector<Fraction>& cells, const StopCheck& stop);

// Puts numerators over a common denominator in normal form: a negative
// denominator is negated with every numerator, then the gcd of the denominator
// and all numerators is divided out.
void normalize(std::vector<BigInt>& numerators, BigInt& denominator, const StopCheck& stop);
void normalize(IntegerMatrix& matrix, const StopCheck& stop);

// Brings two integer matrices to the least common multiple of their
// denominators, scaling the numerators of each one whose denominator changes.
void bringToCommonDenominator(IntegerMatrix& a, IntegerMatrix& b, const StopCheck& stop);

}  // namespace lorvex
