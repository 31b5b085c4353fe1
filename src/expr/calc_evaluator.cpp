#include <utility>
#include <variant>
#include <vector>

#include "engine/arithmetic.h"
#include "engine/elimination.h"
#include "engine/guarded.h"
#include "engine/rational.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "expr/calc_scalars.h"
#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

using namespace symbol;

// The complex kernels tell the calculation only that memory ran out: an
// overflowing product is kept as computed (a power checks its own products).
[[nodiscard]] int keptAsComputed(int rc) {
    return rc == code::OutOfMemory ? rc : code::Ok;
}

// The kernels of every kind under one set of names, so that each operator is
// written once for all.
[[nodiscard]] int add(const RealMatrix& a, const RealMatrix& b, RealMatrix& out, const StopCheck&) {
    return keptAsComputed(sum(a, b, out));
}
[[nodiscard]] int add(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& out,
                      const StopCheck&) {
    return keptAsComputed(sum(a, b, out));
}
[[nodiscard]] int add(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& out,
                      const StopCheck& stop) {
    return sum(a, b, out, stop);
}
[[nodiscard]] int subtract(const RealMatrix& a, const RealMatrix& b, RealMatrix& out,
                           const StopCheck&) {
    return keptAsComputed(difference(a, b, out));
}
[[nodiscard]] int subtract(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& out,
                           const StopCheck&) {
    return keptAsComputed(difference(a, b, out));
}
[[nodiscard]] int subtract(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& out,
                           const StopCheck& stop) {
    return difference(a, b, out, stop);
}
[[nodiscard]] int multiply(const RealMatrix& a, const RealMatrix& b, RealMatrix& out,
                           const StopCheck&) {
    return keptAsComputed(product(a, b, out));
}
[[nodiscard]] int multiply(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& out,
                           const StopCheck&) {
    return keptAsComputed(product(a, b, out));
}
[[nodiscard]] int multiply(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& out,
                           const StopCheck& stop) {
    return product(a, b, out, stop);
}
[[nodiscard]] int sideBySide(const RealMatrix& a, const RealMatrix& b, RealMatrix& out,
                             const StopCheck&) {
    return keptAsComputed(join(a, b, out));
}
[[nodiscard]] int sideBySide(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& out,
                             const StopCheck&) {
    return keptAsComputed(join(a, b, out));
}
[[nodiscard]] int sideBySide(const IntegerMatrix& a, const IntegerMatrix& b, IntegerMatrix& out,
                             const StopCheck& stop) {
    return join(a, b, out, stop);
}
Outcome<ComplexMatrix> inverse(const ComplexMatrix& m, const StopCheck& stop) {
    return ComplexElimination(m).inverse(stop);
}
Outcome<RealMatrix> inverse(const RealMatrix& m, const StopCheck& stop) {
    return RealElimination(m).inverse(stop);
}
Outcome<IntegerMatrix> inverse(const IntegerMatrix& m, const StopCheck& stop) {
    return IntegerElimination(m).inverse(stop);
}

template <class Matrix>
const Matrix& matrixOf(const CalcNode& node) {
    return std::get<Matrix>(*node.matrix);
}

bool holdsRealMatrix(const CalcNode* node) {
    return node != nullptr && node->matrix && std::holds_alternative<RealMatrix>(*node->matrix);
}

std::int32_t rowsOf(const CalcNode& node) {
    return std::visit([](const auto& m) { return m.rows; }, *node.matrix);
}
std::int32_t colsOf(const CalcNode& node) {
    return std::visit([](const auto& m) { return m.cols; }, *node.matrix);
}

// Evaluates a tree with an explicit stack, children (first, then second)
// before their parent; the first code ends the evaluation.
class CalcEvaluator {
  public:
    CalcEvaluator(const MatrixSource& source, const StopCheck& stop)
        : source_(source), stop_(stop) {}

    [[nodiscard]] int evaluate(CalcNode& root) {
        std::vector<std::pair<CalcNode*, bool>> pending{{&root, false}};
        while (!pending.empty()) {
            auto [node, expanded] = pending.back();
            if (node->code == CONST) {
                pending.pop_back();
                continue;
            }
            if (!expanded) {
                pending.back().second = true;
                if (node->second) pending.emplace_back(node->second.get(), false);
                if (node->first) pending.emplace_back(node->first.get(), false);
                continue;
            }
            pending.pop_back();
            if (const int rc = apply(*node); rc != code::Ok) return rc;
        }
        return code::Ok;
    }

  private:
    [[nodiscard]] int apply(CalcNode& node) {
        node.matrix.reset();
        node.value = ZERO;
        node.exact = Fraction{};
        int rc = code::Ok;
        if (node.code >= 'A' && node.code <= 'Z') {
            rc = readLetter(node);
        } else if (node.integerMode) {
            rc = applyOperator<IntegerMatrix>(node);
        } else if (holdsRealMatrix(node.first.get()) || holdsRealMatrix(node.second.get())) {
            rc = applyOperator<RealMatrix>(node);
        } else {
            rc = applyOperator<ComplexMatrix>(node);
        }
        // The operands' matrices are no longer needed once the node has its value.
        if (node.first) node.first->matrix.reset();
        if (node.second) node.second->matrix.reset();
        return rc;
    }

    [[nodiscard]] int readLetter(CalcNode& node) {
        MatrixData copy;
        if (const int rc = source_.matrixFor(static_cast<char>(node.code), copy); rc != code::Ok)
            return rc;
        if (std::holds_alternative<IntegerMatrix>(copy) != node.integerMode)
            return code::Incompatible;
        node.matrix = std::move(copy);
        return code::Ok;
    }

    template <class Matrix>
    [[nodiscard]] int applyOperator(CalcNode& node) {
        switch (node.code) {
            case PLUS:
            case MINUS:
                return addOrSubtract<Matrix>(node, *node.first, *node.second);
            case TIMES:
                return multiplyOperands<Matrix>(node, *node.first, *node.second);
            case DIVIDE:
                return divideOperands<Matrix>(node, *node.first, *node.second);
            case CARET:
                return raise<Matrix>(node, *node.first, *node.second);
            case BAR:
                return joinOperands<Matrix>(node, *node.first, *node.second);
            case TRANSPOSE:
                return transposeOperand<Matrix>(node, *node.second);
            default:
                return code::Ok;
        }
    }

    template <class Matrix>
    [[nodiscard]] int store(CalcNode& node, int rc, Matrix&& result) {
        if (rc == code::Ok) node.matrix = std::forward<Matrix>(result);
        return rc;
    }

    template <class Matrix>
    [[nodiscard]] int addOrSubtract(CalcNode& node, const CalcNode& l, const CalcNode& r) {
        const bool subtraction = node.code == MINUS;
        if (!l.isMatrix() && !r.isMatrix()) {
            return subtraction ? calc_scalars::difference(l, r, node, stop_)
                               : calc_scalars::sum(l, r, node, stop_);
        }
        if (!l.isMatrix() || !r.isMatrix() || rowsOf(l) != rowsOf(r) || colsOf(l) != colsOf(r))
            return code::Incompatible;
        Matrix out;
        const int rc = subtraction ? subtract(matrixOf<Matrix>(l), matrixOf<Matrix>(r), out, stop_)
                                   : add(matrixOf<Matrix>(l), matrixOf<Matrix>(r), out, stop_);
        return store(node, rc, std::move(out));
    }

    template <class Matrix>
    [[nodiscard]] int multiplyOperands(CalcNode& node, const CalcNode& l, const CalcNode& r) {
        if (!l.isMatrix() && !r.isMatrix()) return calc_scalars::product(l, r, node, stop_);
        Matrix out;
        if (!l.isMatrix() || !r.isMatrix()) {
            const CalcNode& factor = l.isMatrix() ? r : l;
            const CalcNode& matrix = l.isMatrix() ? l : r;
            const int rc = calc_scalars::scale(matrixOf<Matrix>(matrix), factor, out, stop_);
            return store(node, rc, std::move(out));
        }
        if (colsOf(l) != rowsOf(r)) return code::Incompatible;
        const int rc = multiply(matrixOf<Matrix>(l), matrixOf<Matrix>(r), out, stop_);
        return store(node, rc, std::move(out));
    }

    // A / B is A times the inverse of B; a scalar divisor must not be zero.
    template <class Matrix>
    [[nodiscard]] int divideOperands(CalcNode& node, const CalcNode& l, const CalcNode& r) {
        Matrix out;
        if (!r.isMatrix()) {
            if (calc_scalars::isZero(r)) return code::CannotCalculate;
            if (!l.isMatrix()) return calc_scalars::quotient(l, r, node, stop_);
            const int rc = calc_scalars::scaleByInverse(matrixOf<Matrix>(l), r, out, stop_);
            return store(node, rc, std::move(out));
        }
        if (rowsOf(r) != colsOf(r) || (l.isMatrix() && colsOf(l) != rowsOf(r)))
            return code::Incompatible;
        const Outcome<Matrix> inverted = inverse(matrixOf<Matrix>(r), stop_);
        if (inverted.code != code::Ok) return inverted.code;
        const int rc = l.isMatrix() ? multiply(matrixOf<Matrix>(l), inverted.value, out, stop_)
                                    : calc_scalars::scale(inverted.value, l, out, stop_);
        return store(node, rc, std::move(out));
    }

    template <class Matrix>
    [[nodiscard]] int raise(CalcNode& node, const CalcNode& l, const CalcNode& r) {
        if (!l.isMatrix() || r.isMatrix() || rowsOf(l) != colsOf(l)) return code::Incompatible;
        Matrix out;
        const int rc = calc_scalars::power(matrixOf<Matrix>(l), r, out, stop_);
        return store(node, rc, std::move(out));
    }

    template <class Matrix>
    [[nodiscard]] int joinOperands(CalcNode& node, const CalcNode& l, const CalcNode& r) {
        if (!l.isMatrix() || !r.isMatrix() || rowsOf(l) != rowsOf(r)) return code::Incompatible;
        Matrix out;
        const int rc = sideBySide(matrixOf<Matrix>(l), matrixOf<Matrix>(r), out, stop_);
        return store(node, rc, std::move(out));
    }

    // The transpose does not conjugate complex elements.
    template <class Matrix>
    [[nodiscard]] int transposeOperand(CalcNode& node, const CalcNode& operand) {
        if (!operand.isMatrix()) return code::Incompatible;
        Matrix out;
        const int rc = keptAsComputed(transpose(matrixOf<Matrix>(operand), out));
        return store(node, rc, std::move(out));
    }

    const MatrixSource& source_;
    const StopCheck& stop_;
};

}  // namespace

int EvalCalc(CalcNode* node, const MatrixSource& source, const StopCheck& stop) {
    if (node == nullptr) return code::Ok;
    return runGuarded([&] { return CalcEvaluator(source, stop).evaluate(*node); });
}

}  // namespace lorvex
