#pragma once

#include <cstdint>
#include <optional>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "engine/outcome.h"
#include "engine/rational.h"
#include "engine/stop_check.h"

// Trace, determinant, inverse and rank of real, complex and integer matrices.
// An elimination is made for one matrix and asked for its results. Nothing is
// reduced before a result is asked for; rank and determinant are kept once
// computed, and results that come from the same reduction share it, so each
// reduction is done once. The matrix is never changed. Determinant and
// inverse take square matrices; callers check this first.
namespace lorvex {

// Sum of the diagonal, starting from zero.
Complex trace(const ComplexMatrix& m);
long double trace(const RealMatrix& m);

// Sum of the diagonal numerators over the common denominator, reduced.
// Returns code::Ok, code::OutOfMemory or code::UserStop.
[[nodiscard]] Outcome<Fraction> trace(const IntegerMatrix& m,
                                      const StopCheck& stop = StopCheck::never());

// Gauss-Jordan elimination of a real or complex matrix. The rank comes from
// the reduced row-echelon form (the linear solver's reduction); determinant
// and inverse from the inverse's elimination, so the determinant is the same
// to the last bit whether or not the inverse is asked for as well.
class ComplexElimination {
  public:
    // The matrix is read when a result is first asked for, so it must outlive
    // the elimination.
    explicit ComplexElimination(const ComplexMatrix& m) : m_(m) {}
    ComplexElimination(const ComplexMatrix&&) = delete;

    // Number of pivot columns of the reduced row-echelon form. Returns
    // code::Ok or code::OutOfMemory.
    [[nodiscard]] Outcome<std::int32_t> rank();

    // Returns code::Ok, code::Singular with the value ZERO when a column has
    // no pivot, or code::OutOfMemory.
    [[nodiscard]] Outcome<Complex> determinant();

    // Returns code::Ok, code::Singular when a column has no pivot,
    // code::OutOfMemory or code::UserStop (the stop check is polled once per
    // pivot column; a stop keeps nothing). The inverse is built on every
    // call; the determinant that comes with it is kept.
    [[nodiscard]] Outcome<ComplexMatrix> inverse(const StopCheck& stop = StopCheck::never());

  private:
    const ComplexMatrix& m_;
    std::optional<std::int32_t> rank_;
    std::optional<Outcome<Complex>> determinant_;
};

// The same Gauss-Jordan elimination of a real matrix, in long double: the
// values are those of a complex matrix with the same real parts and zero
// imaginary parts, to the last bit.
class RealElimination {
  public:
    // The matrix is read when a result is first asked for, so it must outlive
    // the elimination.
    explicit RealElimination(const RealMatrix& m) : m_(m) {}
    RealElimination(const RealMatrix&&) = delete;

    // The codes of ComplexElimination's.
    [[nodiscard]] Outcome<std::int32_t> rank();
    [[nodiscard]] Outcome<long double> determinant();
    [[nodiscard]] Outcome<RealMatrix> inverse(const StopCheck& stop = StopCheck::never());

  private:
    const RealMatrix& m_;
    std::optional<std::int32_t> rank_;
    std::optional<Outcome<long double>> determinant_;
};

// Exact elimination of an integer matrix. Determinant and inverse come from
// eliminations modulo word-size primes, recombined exactly; the rank from
// eliminations modulo primes too, with a proof that it is not larger.
class IntegerElimination {
  public:
    // The matrix is read when a result is first asked for, so it must outlive
    // the elimination.
    explicit IntegerElimination(const IntegerMatrix& m) : m_(m) {}
    IntegerElimination(const IntegerMatrix&&) = delete;

    // Returns code::Ok, code::OutOfMemory or code::UserStop.
    [[nodiscard]] Outcome<std::int32_t> rank(const StopCheck& stop = StopCheck::never());

    // The determinant as a reduced fraction. Returns code::Ok, code::Singular
    // with the value 0/1, code::OutOfMemory or code::UserStop.
    [[nodiscard]] Outcome<Fraction> determinant(const StopCheck& stop = StopCheck::never());

    // The normalised inverse. Returns code::Ok, code::Singular,
    // code::OutOfMemory or code::UserStop. The inverse is built on every
    // call; the determinant that comes with it is kept.
    [[nodiscard]] Outcome<IntegerMatrix> inverse(const StopCheck& stop = StopCheck::never());

  private:
    // The determinant of the numerators, zero for a singular matrix: the one
    // kept, zero when the rank is known to be short, computed otherwise.
    BigInt numeratorDeterminant(const StopCheck& stop) const;

    const IntegerMatrix& m_;
    std::optional<std::int32_t> rank_;
    std::optional<BigInt> numeratorDeterminant_;
};

}  // namespace lorvex
