#include <utility>

#include "engine/elimination.h"
#include "engine/guarded.h"
#include "engine/modular_elimination.h"

namespace lorvex {

Outcome<Fraction> trace(const IntegerMatrix& m, const StopCheck& stop) {
    Outcome<Fraction> result;
    result.code = runGuarded([&] {
        BigInt sum;
        for (std::int32_t i = 0; i < m.rows; ++i)
            sum += m.at(i, i);
        result.value = reduce({sum, m.denominator}, stop);
        return code::Ok;
    });
    return result;
}

Outcome<std::int32_t> IntegerElimination::rank(const StopCheck& stop) {
    const int rc = runGuarded([&] {
        if (!rank_) rank_ = modular::rank(m_.numerators, m_.rows, m_.cols, stop);
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, 0};
    return {code::Ok, *rank_};
}

BigInt IntegerElimination::numeratorDeterminant(const StopCheck& stop) const {
    if (numeratorDeterminant_) return *numeratorDeterminant_;
    if (rank_ && *rank_ < m_.rows) return BigInt(0);
    return modular::determinant(m_.numerators, m_.rows, stop);
}

Outcome<Fraction> IntegerElimination::determinant(const StopCheck& stop) {
    Outcome<Fraction> result;
    result.code = runGuarded([&] {
        numeratorDeterminant_ = numeratorDeterminant(stop);
        if (numeratorDeterminant_->isZero()) {
            result.value = Fraction{BigInt(0), BigInt(1)};
            return code::Singular;
        }
        // det(N / d) = det(N) / d^n.
        result.value =
            reduce({*numeratorDeterminant_, BigInt::power(m_.denominator, m_.rows, stop)}, stop);
        return code::Ok;
    });
    return result;
}

Outcome<IntegerMatrix> IntegerElimination::inverse(const StopCheck& stop) {
    Outcome<IntegerMatrix> result;
    result.code = runGuarded([&] {
        BigInt det = numeratorDeterminant(stop);
        if (det.isZero()) {
            numeratorDeterminant_ = std::move(det);
            return code::Singular;
        }
        const std::vector<BigInt> adjugate = modular::adjugate(m_.numerators, m_.rows, det, stop);

        // The inverse of N / d is d * adj(N) / det(N).
        IntegerMatrix inverse(m_.rows, m_.rows);
        for (std::size_t i = 0; i < adjugate.size(); ++i) {
            inverse.numerators[i] = BigInt::multiply(m_.denominator, adjugate[i], stop);
        }
        inverse.denominator = det;
        normalize(inverse, stop);
        numeratorDeterminant_ = std::move(det);
        result.value = std::move(inverse);
        return code::Ok;
    });
    return result;
}

}  // namespace lorvex
