// The check of a next step on integer-mode matrices, in exact fractions.

#include <optional>
#include <vector>

#include "engine/echelon.h"
#include "engine/elementary_step.h"
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

  private:
    const Fractions& from_;
    const Fractions& to_;
    const StopCheck& stop_;
};

RowColumnOperation exactOperation(OperationKind kind, std::int32_t i, std::int32_t j,
                                  const Fraction& a) {
    return {kind, i, j, Complex{approximate(a), 0.0L}, a};
}

std::optional<RowColumnOperation> rowOperation(const Fractions& from, const Fractions& to,
                                               const StopCheck& stop) {
    const ExactRowMatcher matcher(from, to, stop);
    std::vector<std::int32_t> changed;
    for (std::int32_t k = 0; k < from.rows; ++k)
        if (!matcher.rowsEqual(k, k)) changed.push_back(k);
    if (changed.size() == 2) {
        const std::int32_t k = changed[0];
        const std::int32_t l = changed[1];
        if (matcher.rowsEqual(k, l) && matcher.rowsEqual(l, k))
            return RowColumnOperation{OperationKind::ExchangeRows, k, l, ONE, std::nullopt};
        return std::nullopt;
    }
    if (changed.size() != 1) return std::nullopt;
    const std::int32_t k = changed[0];
    if (const auto a = matcher.factor(k, k, false); a && matcher.matches(k, k, *a, false))
        return exactOperation(OperationKind::ScaleRow, k, k, *a);
    for (std::int32_t i = 0; i < from.rows; ++i) {
        if (i == k) continue;
        if (const auto a = matcher.factor(k, i, true); a && matcher.matches(k, i, *a, true))
            return exactOperation(OperationKind::AddRowMultiple, i, k, *a);
    }
    return std::nullopt;
}

OperationKind onColumns(OperationKind kind) {
    switch (kind) {
        case OperationKind::ExchangeRows:
            return OperationKind::ExchangeColumns;
        case OperationKind::ScaleRow:
            return OperationKind::ScaleColumn;
        default:
            return OperationKind::AddColumnMultiple;
    }
}

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
        std::optional<RowColumnOperation> found = rowOperation(from, to, stop);
        if (!found) {
            found = rowOperation(from.transposed(), to.transposed(), stop);
            if (found) found->kind = onColumns(found->kind);
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
