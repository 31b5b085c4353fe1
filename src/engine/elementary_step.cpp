#include "engine/elementary_step.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/echelon.h"
#include "engine/elementary_step_search.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

long double largestSize(const ComplexMatrix& m) {
    long double largest = 0.0L;
    for (const Complex& cell : m.cells)
        largest = std::max(largest, size(cell));
    return largest;
}

ComplexMatrix transposed(const ComplexMatrix& m) {
    ComplexMatrix t(m.cols, m.rows);
    for (std::int32_t i = 0; i < m.rows; ++i)
        for (std::int32_t j = 0; j < m.cols; ++j)
            t.at(j, i) = m.at(i, j);
    return t;
}

// Row comparisons between two matrices of one shape, within an absolute
// tolerance.
class RowMatcher {
  public:
    RowMatcher(const ComplexMatrix& from, const ComplexMatrix& to, long double tolerance)
        : from_(from), to_(to), tolerance_(tolerance) {}

    // to's row k equals a * from's row i + (addTo ? from's row k : 0).
    bool matches(std::int32_t k, std::int32_t i, Complex a, bool addTo) const {
        for (std::int32_t c = 0; c < from_.cols; ++c) {
            const Complex base = addTo ? from_.at(k, c) : ZERO;
            if (distance(to_.at(k, c), base + a * from_.at(i, c)) > tolerance_) return false;
        }
        return true;
    }
    bool rowsEqual(std::int32_t k, std::int32_t i) const { return matches(k, i, ONE, false); }

    // The factor a that would make to's row k equal a * from's row i plus
    // (addTo) from's row k, read at from's largest entry of row i; nullopt
    // for a zero row or a negligible factor.
    std::optional<Complex> factor(std::int32_t k, std::int32_t i, bool addTo) const {
        std::int32_t best = 0;
        for (std::int32_t c = 1; c < from_.cols; ++c)
            if (size(from_.at(i, c)) > size(from_.at(i, best))) best = c;
        if (isZero(from_.at(i, best))) return std::nullopt;
        const Complex target = to_.at(k, best) - (addTo ? from_.at(k, best) : ZERO);
        const Complex a = target / from_.at(i, best);
        // A factor that is zero within the tolerance would destroy or keep the row.
        if (size(a) <= tolerance_) return std::nullopt;
        return a;
    }

    static RowColumnOperation operation(OperationKind kind, std::int32_t i, std::int32_t j,
                                        Complex a) {
        return {kind, i, j, a};
    }

  private:
    const ComplexMatrix& from_;
    const ComplexMatrix& to_;
    long double tolerance_;
};

bool sameWithin(const ComplexMatrix& a, const ComplexMatrix& b, long double tolerance) {
    for (std::size_t k = 0; k < a.cells.size(); ++k)
        if (distance(a.cells[k], b.cells[k]) > tolerance) return false;
    return true;
}

int reducedForm(const ComplexMatrix& m, ComplexMatrix& reduced, const StopCheck& stop) {
    EchelonSteps steps;
    if (const int rc = reduceToEchelon(m, kAllEchelonActions, steps, stop); rc != code::Ok)
        return rc;
    reduced = std::move(steps.matrix);
    return code::Ok;
}

}  // namespace

int findElementaryStep(const ComplexMatrix& current, const ComplexMatrix& next,
                       long double tolerance, ElementaryStep& result, const StopCheck& stop) {
    result = ElementaryStep{};
    if (current.rows != next.rows || current.cols != next.cols) return code::Ok;
    return runGuarded([&] {
        const long double absolute = tolerance * std::max(largestSize(current), largestSize(next));
        std::optional<RowColumnOperation> found =
            elementary_search::rowOperation(RowMatcher(current, next, absolute), current.rows);
        if (!found) {
            const ComplexMatrix fromColumns = transposed(current);
            const ComplexMatrix toColumns = transposed(next);
            found = elementary_search::rowOperation(RowMatcher(fromColumns, toColumns, absolute),
                                                    fromColumns.rows);
            if (found) found->kind = elementary_search::onColumns(found->kind);
        }
        if (found) {
            result.elementary = true;
            result.operation = *found;
        }
        ComplexMatrix reducedCurrent;
        ComplexMatrix reducedNext;
        if (const int rc = reducedForm(current, reducedCurrent, stop); rc != code::Ok) return rc;
        if (const int rc = reducedForm(next, reducedNext, stop); rc != code::Ok) return rc;
        // The reduced forms have entries of their own size, so the tolerance
        // is taken relative to them.
        result.rowEquivalent = sameWithin(
            reducedCurrent, reducedNext,
            tolerance * std::max({largestSize(reducedCurrent), largestSize(reducedNext), 1.0L}));
        return code::Ok;
    });
}

}  // namespace lorvex
