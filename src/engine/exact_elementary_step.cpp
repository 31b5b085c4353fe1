// The check of a next step on integer-mode matrices, in exact fractions.

#include <optional>
#include <vector>

#include "engine/echelon.h"
#include "engine/elementary_step.h"
#include "engine/elementary_step_search.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

// Row-major fractions; the columns' comparisons read the transposed cells.
struct Fractions {
    std::int32_t rows;
    std::int32_t cols;
    std::vector<Fraction> cells;

    const Fraction& at(std::int32_t i, std::int32_t j) const {
        return cells[static_cast<std::size_t>(i * cols + j)];
    }
    Fractions transposed() const {
        Fractions t{cols, rows, {}};
        for (std::int32_t j = 0; j < cols; ++j)
            for (std::int32_t i = 0; i < rows; ++i)
                t.cells.push_back(at(i, j));
        return t;
    }
};

class ExactRowMatcher {
  public:
    ExactRowMatcher(const Fractions& from, const Fractions& to, const StopCheck& stop)
        : from_(from), to_(to), stop_(stop) {}

    // to's row k equals a * from's row i + (addTo ? from's row k : 0).
    bool matches(std::int32_t k, std::int32_t i, const Fraction& a, bool addTo) const {
        for (std::int32_t c = 0; c < from_.cols; ++c) {
            Fraction expected = product(a, from_.at(i, c), stop_);
            if (addTo) expected = sum(expected, from_.at(k, c), stop_);
            if (!(to_.at(k, c) == expected)) return false;
        }
        return true;
    }
    bool rowsEqual(std::int32_t k, std::int32_t i) const {
        for (std::int32_t c = 0; c < from_.cols; ++c)
            if (!(to_.at(k, c) == from_.at(i, c))) return false;
        return true;
    }

    // The non-zero factor a read at from's first non-zero entry of row i;
    // nullopt for a zero row or a zero factor.
    std::optional<Fraction> factor(std::int32_t k, std::int32_t i, bool addTo) const {
        for (std::int32_t c = 0; c < from_.cols; ++c) {
            if (from_.at(i, c).numerator.isZero()) continue;
            const Fraction target =
                addTo ? difference(to_.at(k, c), from_.at(k, c), stop_) : to_.at(k, c);
            if (target.numerator.isZero()) return std::nullopt;
            return quotient(target, from_.at(i, c), stop_);
        }
        return std::nullopt;
    }

    static RowColumnOperation operation(OperationKind kind, std::int32_t i, std::int32_t j,
                                        const Fraction& a) {
        return {kind, i, j, Complex{approximate(a), 0.0L}, a};
    }

  private:
    const Fractions& from_;
    const Fractions& to_;
    const StopCheck& stop_;
};

int reducedForm(const IntegerMatrix& m, IntegerMatrix& reduced, const StopCheck& stop) {
    ExactEchelonSteps steps;
    if (const int rc = reduceToEchelonExactly(m, kAllEchelonActions, steps, stop); rc != code::Ok)
        return rc;
    reduced = std::move(steps.matrix);
    return code::Ok;
}

}  // namespace

int findElementaryStep(const IntegerMatrix& current, const IntegerMatrix& next,
                       ElementaryStep& result, const StopCheck& stop) {
    result = ElementaryStep{};
    if (current.rows != next.rows || current.cols != next.cols) return code::Ok;
    return runGuarded([&] {
        const Fractions from{current.rows, current.cols, fractionsOf(current, stop)};
        const Fractions to{next.rows, next.cols, fractionsOf(next, stop)};
        std::optional<RowColumnOperation> found =
            elementary_search::rowOperation(ExactRowMatcher(from, to, stop), from.rows);
        if (!found) {
            const Fractions fromColumns = from.transposed();
            const Fractions toColumns = to.transposed();
            found = elementary_search::rowOperation(ExactRowMatcher(fromColumns, toColumns, stop),
                                                    fromColumns.rows);
            if (found) found->kind = elementary_search::onColumns(found->kind);
        }
        if (found) {
            result.elementary = true;
            result.operation = *found;
        }
        IntegerMatrix reducedCurrent;
        IntegerMatrix reducedNext;
        if (const int rc = reducedForm(current, reducedCurrent, stop); rc != code::Ok) return rc;
        if (const int rc = reducedForm(next, reducedNext, stop); rc != code::Ok) return rc;
        result.rowEquivalent = reducedCurrent == reducedNext;
        return code::Ok;
    });
}

}  // namespace lorvex
