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

}  // namespace

RowColumnOperation inverseOf(const RowColumnOperation& op) {
    RowColumnOperation inverse = op;
    if (isScaling(op.kind)) {
        inverse.a = ONE / op.a;
    } else if (op.kind == OperationKind::AddRowMultiple ||
               op.kind == OperationKind::AddColumnMultiple) {
        inverse.a = -op.a;
    }
    return inverse;
}

int checkOperation(const ComplexMatrix& m, const RowColumnOperation& op) {
    const std::int32_t limit = actsOnRows(op.kind) ? m.rows : m.cols;
    const auto inside = [limit](std::int32_t index) { return index >= 0 && index < limit; };
    if (!inside(op.i) || (!isScaling(op.kind) && !inside(op.j))) return code::OutOfRange;
    if (!isScaling(op.kind) && op.i == op.j) return code::NothingToDo;
    return code::Ok;
}

bool isRefusedScaling(const RowColumnOperation& op) {
    return isScaling(op.kind) && size(op.a) < kZeroTolerance;
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

bool OperationStack::undo(ComplexMatrix& m) {
    if (records_.empty() || checkOperation(m, records_.back()) != code::Ok) return false;
    applyOperation(m, inverseOf(records_.back()));
    records_.pop_back();
    return true;
}

}  // namespace lorvex
