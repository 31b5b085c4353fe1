#include "engine/row_operations.h"

#include <utility>

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "engine/tolerances.h"

namespace lorvex {

namespace {

bool actsOnRows(OperationKind kind) {
    return kind == OperationKind::ExchangeRows || kind == OperationKind::ScaleRow ||
           kind == OperationKind::AddRowMultiple;
}

bool isScaling(OperationKind kind) {
    return kind == OperationKind::ScaleRow || kind == OperationKind::ScaleColumn;
}

bool isExchange(OperationKind kind) {
    return kind == OperationKind::ExchangeRows || kind == OperationKind::ExchangeColumns;
}

// An integer-mode matrix takes exchanges and exact operations only.
bool fitsExactly(const RowColumnOperation& op) {
    return isExchange(op.kind) || op.exact.has_value();
}

}  // namespace

RowColumnOperation inverseOf(const RowColumnOperation& op) {
    RowColumnOperation inverse = op;
    if (isScaling(op.kind)) {
        inverse.a = ONE / op.a;
        if (op.exact) {
            const bool negative = op.exact->numerator.isNegative();
            inverse.exact = Fraction{negative ? -op.exact->denominator : op.exact->denominator,
                                     negative ? -op.exact->numerator : op.exact->numerator};
        }
    } else if (op.kind == OperationKind::AddRowMultiple ||
               op.kind == OperationKind::AddColumnMultiple) {
        inverse.a = -op.a;
        if (op.exact) inverse.exact = Fraction{-op.exact->numerator, op.exact->denominator};
    }
    return inverse;
}

namespace {

int checkOperationIn(std::int32_t rows, std::int32_t cols, const RowColumnOperation& op) {
    const std::int32_t limit = actsOnRows(op.kind) ? rows : cols;
    const auto inside = [limit](std::int32_t index) { return index >= 0 && index < limit; };
    if (!inside(op.i) || (!isScaling(op.kind) && !inside(op.j))) return code::OutOfRange;
    if (!isScaling(op.kind) && op.i == op.j) return code::NothingToDo;
    return code::Ok;
}

}  // namespace

int checkOperation(const ComplexMatrix& m, const RowColumnOperation& op) {
    return checkOperationIn(m.rows, m.cols, op);
}

int checkOperation(const IntegerMatrix& m, const RowColumnOperation& op) {
    return checkOperationIn(m.rows, m.cols, op);
}

bool isRefusedScaling(const RowColumnOperation& op) {
    if (!isScaling(op.kind)) return false;
    return op.exact ? op.exact->numerator.isZero() : size(op.a) < kZeroTolerance;
}

void applyOperation(ComplexMatrix& m, const RowColumnOperation& op) {
    switch (op.kind) {
        case OperationKind::ExchangeRows:
            for (std::int32_t q = 0; q < m.cols; ++q)
                std::swap(m.at(op.i, q), m.at(op.j, q));
            break;
        case OperationKind::ExchangeColumns:
            for (std::int32_t q = 0; q < m.rows; ++q)
                std::swap(m.at(q, op.i), m.at(q, op.j));
            break;
        case OperationKind::ScaleRow:
            for (std::int32_t q = 0; q < m.cols; ++q)
                m.at(op.i, q) = op.a * m.at(op.i, q);
            break;
        case OperationKind::ScaleColumn:
            for (std::int32_t q = 0; q < m.rows; ++q)
                m.at(q, op.i) = op.a * m.at(q, op.i);
            break;
        case OperationKind::AddRowMultiple:
            for (std::int32_t q = 0; q < m.cols; ++q)
                m.at(op.j, q) = m.at(op.j, q) + op.a * m.at(op.i, q);
            break;
        case OperationKind::AddColumnMultiple:
            for (std::int32_t q = 0; q < m.rows; ++q)
                m.at(q, op.j) = m.at(q, op.j) + op.a * m.at(q, op.i);
            break;
    }
}

// With the factor p/q (q > 0) every numerator is multiplied by q, so that
// the denominator becomes q times as large, except where the operation puts
// p instead: on the scaled line, or p times line i added to line j.
void applyOperation(IntegerMatrix& m, const RowColumnOperation& op, const StopCheck& stop) {
    IntegerMatrix result = m;
    if (isExchange(op.kind)) {
        const bool rows = op.kind == OperationKind::ExchangeRows;
        for (std::int32_t q = 0; q < (rows ? m.cols : m.rows); ++q) {
            if (rows)
                std::swap(result.at(op.i, q), result.at(op.j, q));
            else
                std::swap(result.at(q, op.i), result.at(q, op.j));
        }
        m = std::move(result);
        return;
    }
    Fraction factor = *op.exact;
    if (factor.denominator.isNegative()) factor = {-factor.numerator, -factor.denominator};
    const bool rows = actsOnRows(op.kind);
    for (std::int32_t r = 0; r < m.rows; ++r) {
        for (std::int32_t c = 0; c < m.cols; ++c) {
            const std::int32_t line = rows ? r : c;
            BigInt& cell = result.at(r, c);
            if (isScaling(op.kind)) {
                cell = BigInt::multiply(m.at(r, c),
                                        line == op.i ? factor.numerator : factor.denominator, stop);
                continue;
            }
            cell = BigInt::multiply(m.at(r, c), factor.denominator, stop);
            if (line == op.j) {
                cell +=
                    BigInt::multiply(factor.numerator, rows ? m.at(op.i, c) : m.at(r, op.i), stop);
            }
        }
    }
    result.denominator = BigInt::multiply(m.denominator, factor.denominator, stop);
    normalize(result, stop);
    m = std::move(result);
}

int OperationStack::apply(ComplexMatrix& m, const RowColumnOperation& op) {
    const int check = checkOperation(m, op);
    if (check != code::Ok || isRefusedScaling(op)) return check;
    return runGuarded([&] {
        // The record goes first: when it cannot be kept, the matrix stays as it was.
        records_.push_back(op);
        applyOperation(m, op);
        return code::Ok;
    });
}

int OperationStack::apply(IntegerMatrix& m, const RowColumnOperation& op) {
    if (!fitsExactly(op)) return code::Incompatible;
    const int check = checkOperation(m, op);
    if (check != code::Ok || isRefusedScaling(op)) return check;
    return runGuarded([&] {
        records_.push_back(op);
        try {
            applyOperation(m, op, StopCheck::never());
        } catch (...) {
            records_.pop_back();
            throw;
        }
        return code::Ok;
    });
}

bool OperationStack::undo(IntegerMatrix& m) {
    if (records_.empty() || !fitsExactly(records_.back()) ||
        checkOperation(m, records_.back()) != code::Ok) {
        return false;
    }
    applyOperation(m, inverseOf(records_.back()), StopCheck::never());
    records_.pop_back();
    return true;
}

bool OperationStack::undo(ComplexMatrix& m) {
    if (records_.empty() || records_.back().exact ||
        checkOperation(m, records_.back()) != code::Ok) {
        return false;
    }
    applyOperation(m, inverseOf(records_.back()));
    records_.pop_back();
    return true;
}

}  // namespace lorvex
