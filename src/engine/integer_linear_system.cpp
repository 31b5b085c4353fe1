#include <cassert>
#include <utility>
#include <vector>

#include "engine/guarded.h"
#include "engine/integer_reduction.h"
#include "engine/linear_system.h"
#include "engine/rational.h"
#include "engine/result_codes.h"

namespace lorvex {

using integer_reduction::Rows;

namespace {

void multiplyEach(std::vector<BigInt>& entries, const BigInt& factor, const StopCheck& stop) {
    if (factor == BigInt(1)) return;
    for (BigInt& entry : entries)
        entry = BigInt::multiply(entry, factor, stop);
}

// The unknowns as fractions, one row per column of M, over the table columns
// that can become non-zero: one per free column (its null-space vector), then
// the particular solution. The table columns of the pivot variables stay zero
// and are not kept.
class SolutionTable {
  public:
    SolutionTable(std::int32_t unknowns, std::vector<std::int32_t> freeColumns)
        : unknowns_(unknowns),
          freeColumns_(std::move(freeColumns)),
          width_(static_cast<std::int32_t>(freeColumns_.size()) + 1),
          cells_(static_cast<std::size_t>(unknowns) * static_cast<std::size_t>(width_)) {
        for (std::int32_t m = 0; m + 1 < width_; ++m)
            at(freeColumns_[static_cast<std::size_t>(m)], m) = Fraction{BigInt(1), BigInt(1)};
    }

    std::int32_t width() const { return width_; }
    std::int32_t particularColumn() const { return width_ - 1; }
    // The column of M that table column `index` stands for; the particular
    // solution stands after all of them.
    std::int32_t columnOf(std::int32_t index, std::int32_t cols) const {
        return index == particularColumn() ? cols : freeColumns_[static_cast<std::size_t>(index)];
    }
    Fraction& at(std::int32_t unknown, std::int32_t index) {
        return cells_[static_cast<std::size_t>(unknown) * static_cast<std::size_t>(width_) +
                      static_cast<std::size_t>(index)];
    }

    // The table columns [first, last) over the least common multiple of their
    // denominators, as an integer matrix with one column per table column.
    IntegerMatrix commonDenominatorColumns(std::int32_t first, std::int32_t last,
                                           const StopCheck& stop) {
        BigInt common(1);
        for (std::int32_t i = 0; i < unknowns_; ++i) {
            for (std::int32_t index = first; index < last; ++index)
                common = BigInt::lcm(common, at(i, index).denominator, stop);
        }
        IntegerMatrix result(unknowns_, last - first);
        for (std::int32_t i = 0; i < unknowns_; ++i) {
            for (std::int32_t index = first; index < last; ++index) {
                const Fraction& value = at(i, index);
                const BigInt factor = BigInt::divideExactly(common, value.denominator, stop);
                result.at(i, index - first) = BigInt::multiply(value.numerator, factor, stop);
            }
        }
        result.denominator = std::move(common);
        return result;
    }

  private:
    std::int32_t unknowns_;
    std::vector<std::int32_t> freeColumns_;
    std::int32_t width_;
    std::vector<Fraction> cells_;
};

// Back substitution in fractions through the echelon form w, from the last
// pivot row up. Pivot row k with pivot w(k, h) says
//   x(h) = (b(k) - sum over t > h of w(k, t) * x(t)) / w(k, h),
// where every x(t) right of h is already known: a free variable or a pivot
// variable of a lower row. The right-hand side's quotient is kept unreduced;
// each subtraction reduces its result.
void backSubstitute(Rows& w, Rows& b, const std::vector<std::int32_t>& pivotColumns,
                    SolutionTable& table, const StopCheck& stop) {
    const std::int32_t particular = table.particularColumn();
    for (auto k = static_cast<std::int32_t>(pivotColumns.size()) - 1; k >= 0; --k) {
        stop.poll();
        const std::int32_t h = pivotColumns[static_cast<std::size_t>(k)];
        const BigInt& pivot = w.at(k, h);
        // A zero right-hand side keeps the table's 0 / 1.
        if (!b.at(k, 0).isZero()) table.at(h, particular) = Fraction{b.at(k, 0), pivot};
        for (std::int32_t t = h + 1; t < w.cols; ++t) {
            const BigInt& coefficient = w.at(k, t);
            for (std::int32_t index = 0; index < table.width(); ++index) {
                if (table.columnOf(index, w.cols) < t) continue;
                const Fraction& known = table.at(t, index);
                if (known.numerator.isZero()) continue;
                Fraction& target = table.at(h, index);
                if (coefficient.isZero()) {
                    target = reduce(target, stop);
                } else {
                    target =
                        difference(target,
                                   Fraction{BigInt::multiply(coefficient, known.numerator, stop),
                                            BigInt::multiply(known.denominator, pivot, stop)},
                                   stop);
                }
            }
        }
    }
}

}  // namespace

int solve(const IntegerMatrix& m, const IntegerMatrix& b, ExactSolution& solution,
          const StopCheck& stop) {
    assert(b.rows == m.rows && b.cols == 1);
    return runGuarded([&] {
        // Over the product of the two denominators the system is an integer
        // one with the same solutions.
        Rows w{m.rows, m.cols, m.numerators};
        Rows rhs{b.rows, 1, b.numerators};
        multiplyEach(w.cells, b.denominator, stop);
        multiplyEach(rhs.cells, m.denominator, stop);

        std::vector<std::int32_t> pivotColumns;
        std::vector<std::int32_t> freeColumns;
        int sign = 1;
        for (std::int32_t j = 0; j < m.cols; ++j) {
            const auto rank = static_cast<std::int32_t>(pivotColumns.size());
            if (rank < m.rows && integer_reduction::reduceColumn(w, rhs, rank, j, sign, stop)) {
                pivotColumns.push_back(j);
            } else {
                freeColumns.push_back(j);
            }
        }
        const auto rank = static_cast<std::int32_t>(pivotColumns.size());
        bool consistent = true;
        for (std::int32_t i = rank; i < m.rows; ++i) {
            if (!rhs.at(i, 0).isZero()) consistent = false;
        }

        SolutionTable table(m.cols, freeColumns);
        backSubstitute(w, rhs, pivotColumns, table, stop);

        ExactSolution result;
        result.rank = rank;
        result.particular =
            table.commonDenominatorColumns(table.particularColumn(), table.width(), stop);
        if (!freeColumns.empty()) {
            result.nullSpace = table.commonDenominatorColumns(0, table.particularColumn(), stop);
        }
        solution = std::move(result);
        return consistent ? code::Ok : code::InconsistentData;
    });
}

}  // namespace lorvex
