#include "engine/echelon.h"

#include <utility>

#include "engine/gauss_jordan.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {

using gauss_jordan::Block;

namespace {

// The solver's arithmetic on complex elements.
struct ComplexField {
    using Element = Complex;
    static Complex one() { return ONE; }

    std::int32_t pivotRow(Block<Complex>& w, std::int32_t from, std::int32_t col) const {
        return gauss_jordan::findPivotRow(w, from, col);
    }
    Complex quotient(const Complex& a, const Complex& b) const {
        return gauss_jordan::quotient(a, b);
    }
    void subtract(Complex* row, const Complex* pivotRow, const Complex& multiple,
                  std::int32_t first, std::int32_t last) const {
        gauss_jordan::subtractPivotRow(row, pivotRow, multiple, first, last);
    }
    EchelonAction action(EchelonAction::Kind kind, std::int32_t row, std::int32_t other,
                         const Complex& factor) const {
        return {kind, row, other, factor, std::nullopt};
    }
};

// Exact fractions: a pivot is any non-zero element.
struct FractionField {
    using Element = Fraction;
    static Fraction one() { return {BigInt(1), BigInt(1)}; }
    const StopCheck& stop;

    std::int32_t pivotRow(Block<Fraction>& w, std::int32_t from, std::int32_t col) const {
        for (std::int32_t r = from; r < w.rows; ++r)
            if (!w.at(r, col).numerator.isZero()) return r;
        return -1;
    }
    Fraction quotient(const Fraction& a, const Fraction& b) const {
        return lorvex::quotient(a, b, stop);
    }
    void subtract(Fraction* row, const Fraction* pivotRow, const Fraction& multiple,
                  std::int32_t first, std::int32_t last) const {
        for (std::int32_t j = first; j < last; ++j)
            row[j] = difference(row[j], product(pivotRow[j], multiple, stop), stop);
    }
    EchelonAction action(EchelonAction::Kind kind, std::int32_t row, std::int32_t other,
                         const Fraction& factor) const {
        return {kind, row, other, Complex{approximate(factor), 0.0L}, factor};
    }
};

// The elimination of one column, cut into the actions that the echelon tool
// shows one by one. The operations are those of the solver's reduction
// (gauss_jordan::reduceRows), in the same order.
template <class Field>
class EchelonRun {
  public:
    using T = typename Field::Element;

    EchelonRun(Block<T> w, std::int32_t limit, const StopCheck& stop, Field field)
        : w_(std::move(w)), limit_(limit), stop_(stop), field_(field) {
        stepRow_ = w_.rows;
    }

    // The reduced cells; the rest of the result is filled in.
    template <class Steps>
    std::vector<T> run(Steps& steps) {
        while (r_ < w_.rows && k_ < w_.cols && count_ < limit_) {
            stop_.poll();
            const std::int32_t p = field_.pivotRow(w_, r_, k_);
            if (p < 0) {
                ++k_;
                continue;
            }
            takeAction({EchelonAction::Kind::FindPivot, p, k_, ONE, std::nullopt});
            stepRow_ = p;
            stepCol_ = k_;
            if (count_ < limit_ && p > r_) {
                w_.swapRows(p, r_);
                takeAction({EchelonAction::Kind::ExchangeRows, r_, p, ONE, std::nullopt});
                stepRow_ = r_;
            }
            if (count_ < limit_) dividePivotRow();
            if (count_ < limit_) clearColumn();
        }
        steps.stepRow = stepRow_;
        steps.stepCol = stepCol_;
        steps.actions = count_;
        steps.performed = std::move(performed_);
        return std::move(w_.cells);
    }

  private:
    void takeAction(EchelonAction action) {
        ++count_;
        performed_.push_back(std::move(action));
    }

    void dividePivotRow() {
        T* pivotRow = w_.row(r_);
        const T pivot = pivotRow[k_];
        for (std::int32_t q = k_ + 1; q < w_.cols; ++q)
            pivotRow[q] = field_.quotient(pivotRow[q], pivot);
        pivotRow[k_] = Field::one();
        takeAction(field_.action(EchelonAction::Kind::DivideRow, r_, k_, pivot));
    }

    void clearColumn() {
        const T* pivotRow = w_.row(r_);
        std::int32_t cleared = 0;
        for (std::int32_t i = 0; i < w_.rows && count_ < limit_; ++i) {
            if (i == r_) continue;
            T* row = w_.row(i);
            const T multiple = row[k_];
            field_.subtract(row, pivotRow, multiple, k_ + 1, w_.cols);
            row[k_] = T{};
            takeAction(field_.action(EchelonAction::Kind::EliminateRow, i, r_, multiple));
            ++cleared;
        }
        if (cleared == w_.rows - 1) ++r_;
        if (r_ < w_.rows) ++k_;
        if (k_ == w_.cols || r_ == w_.rows) stepRow_ = -1;
    }

    Block<T> w_;
    std::int32_t limit_;
    const StopCheck& stop_;
    Field field_;
    std::int32_t r_ = 0;
    std::int32_t k_ = 0;
    std::int32_t count_ = 0;
    std::int32_t stepRow_ = 0;
    std::int32_t stepCol_ = -1;
    std::vector<EchelonAction> performed_;
};

}  // namespace

int reduceToEchelon(const ComplexMatrix& m, std::int32_t limit, EchelonSteps& result,
                    const StopCheck& stop) {
    return runGuarded([&] {
        EchelonSteps steps;
        steps.matrix = ComplexMatrix(m.rows, m.cols);
        steps.matrix.cells =
            EchelonRun<ComplexField>({m.rows, m.cols, m.cells}, limit, stop, {}).run(steps);
        result = std::move(steps);
        return code::Ok;
    });
}

int reduceToEchelonExactly(const IntegerMatrix& m, std::int32_t limit, ExactEchelonSteps& result,
                           const StopCheck& stop) {
    return runGuarded([&] {
        ExactEchelonSteps steps;
        const std::vector<Fraction> cells =
            EchelonRun<FractionField>({m.rows, m.cols, fractionsOf(m, stop)}, limit, stop,
                                      FractionField{stop})
                .run(steps);
        steps.matrix = fromFractions(m.rows, m.cols, cells, stop);
        result = std::move(steps);
        return code::Ok;
    });
}

}  // namespace lorvex
