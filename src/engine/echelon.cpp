#include "engine/echelon.h"

#include <utility>

#include "engine/gauss_jordan.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {

using gauss_jordan::Block;

namespace {

// The elimination of one column, cut into the actions that the echelon tool
// shows one by one. The operations are those of the solver's reduction
// (gauss_jordan::reduceRows), in the same order.
class EchelonRun {
  public:
    EchelonRun(const ComplexMatrix& m, std::int32_t limit, const StopCheck& stop)
        : w_{m.rows, m.cols, m.cells}, limit_(limit), stop_(stop) {
        steps_.stepRow = m.rows;
        steps_.stepCol = -1;
    }

    EchelonSteps run() {
        while (r_ < w_.rows && k_ < w_.cols && count_ < limit_) {
            stop_.poll();
            const std::int32_t p = gauss_jordan::findPivotRow(w_, r_, k_);
            if (p < 0) {
                ++k_;
                continue;
            }
            takeAction({EchelonAction::Kind::FindPivot, p, k_, ONE});
            steps_.stepRow = p;
            steps_.stepCol = k_;
            if (count_ < limit_ && p > r_) {
                w_.swapRows(p, r_);
                takeAction({EchelonAction::Kind::ExchangeRows, r_, p, ONE});
                steps_.stepRow = r_;
            }
            if (count_ < limit_) dividePivotRow();
            if (count_ < limit_) clearColumn();
        }
        steps_.matrix = ComplexMatrix(w_.rows, w_.cols);
        steps_.matrix.cells = std::move(w_.cells);
        steps_.actions = count_;
        return std::move(steps_);
    }

  private:
    void takeAction(const EchelonAction& action) {
        ++count_;
        steps_.performed.push_back(action);
    }

    void dividePivotRow() {
        Complex* pivotRow = w_.row(r_);
        const Complex pivot = pivotRow[k_];
        for (std::int32_t q = k_ + 1; q < w_.cols; ++q)
            pivotRow[q] = gauss_jordan::quotient(pivotRow[q], pivot);
        pivotRow[k_] = ONE;
        takeAction({EchelonAction::Kind::DivideRow, r_, k_, pivot});
    }

    void clearColumn() {
        const Complex* pivotRow = w_.row(r_);
        std::int32_t cleared = 0;
        for (std::int32_t i = 0; i < w_.rows && count_ < limit_; ++i) {
            if (i == r_) continue;
            Complex* row = w_.row(i);
            const Complex multiple = row[k_];
            gauss_jordan::subtractPivotRow(row, pivotRow, multiple, k_ + 1, w_.cols);
            row[k_] = ZERO;
            takeAction({EchelonAction::Kind::EliminateRow, i, r_, multiple});
            ++cleared;
        }
        if (cleared == w_.rows - 1) ++r_;
        if (r_ < w_.rows) ++k_;
        if (k_ == w_.cols || r_ == w_.rows) steps_.stepRow = -1;
    }

    Block<Complex> w_;
    std::int32_t limit_;
    const StopCheck& stop_;
    std::int32_t r_ = 0;
    std::int32_t k_ = 0;
    std::int32_t count_ = 0;
    EchelonSteps steps_;
};

}  // namespace

int reduceToEchelon(const ComplexMatrix& m, std::int32_t limit, EchelonSteps& result,
                    const StopCheck& stop) {
    return runGuarded([&] {
        result = EchelonRun(m, limit, stop).run();
        return code::Ok;
    });
}

}  // namespace lorvex
