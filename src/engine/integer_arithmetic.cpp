#include "engine/arithmetic.h"
#include "engine/elimination.h"
#include "engine/guarded.h"
#include "engine/rational.h"

namespace lorvex {
namespace {

template <class Combine>
[[nodiscard]] int combineOverCommonDenominator(const IntegerMatrix& a, const IntegerMatrix& b,
                                               IntegerMatrix& result, const StopCheck& stop,
                                               Combine combine) {
    return runGuarded([&] {
        IntegerMatrix left = a;
        IntegerMatrix right = b;
        bringToCommonDenominator(left, right, stop);
        for (std::size_t i = 0; i < left.numerators.size(); ++i) {
            left.numerators[i] = combine(left.numerators[i], right.numerators[i]);
        }
        normalize(left, stop);
        result = std::move(left);
        return code::Ok;
    });
}

// Numerators summed from zero like the real product; the denominators multiply.
IntegerMatrix multiplyExactly(const IntegerMatrix& a, const IntegerMatrix& b,
                              const StopCheck& stop) {
    IntegerMatrix out(a.rows, b.cols);
    for (std::int32_t i = 0; i < a.rows; ++i) {
        for (std::int32_t j = 0; j < b.cols; ++j) {
            BigInt sum;
            for (std::int32_t t = 0; t < a.cols; ++t) {
                const BigInt& x = a.at(i, t);
                const BigInt& y = b.at(t, j);
                if (!x.isZero() && !y.isZero()) sum += BigInt::multiply(x, y, stop);
            }
            out.at(i, j) = std::move(sum);
        }
    }
    out.denominator = BigInt::multiply(a.denominator, b.denominator, stop);
    normalize(out, stop);
    return out;
}

}  // namespace

int sum(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
        const StopCheck& stop) {
    return combineOverCommonDenominator(a, b, result, stop,
                                        [](const BigInt& x, const BigInt& y) { return x + y; });
}

int difference(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
               const StopCheck& stop) {
    return combineOverCommonDenominator(a, b, result, stop,
                                        [](const BigInt& x, const BigInt& y) { return x - y; });
}

int multiple(const IntegerMatrix& a, const BigInt& factor, IntegerMatrix& result,
             const StopCheck& stop) {
    return runGuarded([&] {
        IntegerMatrix out = a;
        for (BigInt& numerator : out.numerators)
            numerator = BigInt::multiply(numerator, factor, stop);
        normalize(out, stop);
        result = std::move(out);
        return code::Ok;
    });
}

int product(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
            const StopCheck& stop) {
    return runGuarded([&] {
        result = multiplyExactly(a, b, stop);
        return code::Ok;
    });
}

int transpose(const IntegerMatrix& a, IntegerMatrix& result) {
    return runGuarded([&] {
        IntegerMatrix out(a.cols, a.rows);
        for (std::int32_t i = 0; i < a.rows; ++i) {
            for (std::int32_t j = 0; j < a.cols; ++j)
                out.at(j, i) = a.at(i, j);
        }
        out.denominator = a.denominator;
        result = std::move(out);
        return code::Ok;
    });
}

int join(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& result,
         const StopCheck& stop) {
    return runGuarded([&] {
        IntegerMatrix left = a;
        IntegerMatrix right = b;
        bringToCommonDenominator(left, right, stop);
        IntegerMatrix out(a.rows, a.cols + b.cols);
        for (std::int32_t i = 0; i < a.rows; ++i) {
            for (std::int32_t j = 0; j < a.cols; ++j)
                out.at(i, j) = std::move(left.at(i, j));
            for (std::int32_t j = 0; j < b.cols; ++j) {
                out.at(i, a.cols + j) = std::move(right.at(i, j));
            }
        }
        out.denominator = left.denominator;
        normalize(out, stop);
        result = std::move(out);
        return code::Ok;
    });
}

int power(const IntegerMatrix& m, const BigInt& exponent, IntegerMatrix& result,
          const StopCheck& stop) {
    const std::optional<std::int32_t> machineExponent = exponent.toMachineInteger();
    if (!machineExponent) return code::OutOfRange;
    std::int64_t k = *machineExponent;

    IntegerMatrix accumulated;
    IntegerMatrix base;
    const int setUp = runGuarded([&] {
        accumulated = IntegerMatrix::identity(m.rows);
        base = m;
        return code::Ok;
    });
    if (setUp != code::Ok) return setUp;
    if (k == 0) {
        result = std::move(accumulated);
        return code::Ok;
    }
    if (k < 0) {
        Outcome<IntegerMatrix> inverse = IntegerElimination(m).inverse(stop);
        if (inverse.code == code::UserStop) return inverse.code;
        if (inverse.code != code::Ok) return code::NotUnderstood;
        base = std::move(inverse.value);
        k = -k;
    }
    // A stop inside the squaring loop ends the power as a stop; any other
    // failure there ends it with code::NotUnderstood.
    const int squaring = runGuarded([&] {
        while (k > 0) {
            if (k % 2 == 1) accumulated = multiplyExactly(accumulated, base, stop);
            k /= 2;
            if (k > 0) base = multiplyExactly(base, base, stop);
        }
        return code::Ok;
    });
    if (squaring == code::UserStop) return squaring;
    if (squaring != code::Ok) return code::NotUnderstood;
    result = std::move(accumulated);
    return code::Ok;
}

}  // namespace lorvex
