#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/row_operations.h"

// The search for the one elementary operation between two matrices, shared
// by the check within a tolerance and the exact one. A matcher compares rows
// of the two matrices: rowsEqual(k, i), matches(k, i, a, addTo), factor(k, i,
// addTo) (nullopt where no usable factor exists, a zero one included) and
// operation(kind, i, j, a).
namespace lorvex::elementary_search {

template <class Matcher>
std::optional<RowColumnOperation> rowOperation(const Matcher& matcher, std::int32_t rows) {
    std::vector<std::int32_t> changed;
    for (std::int32_t k = 0; k < rows; ++k)
        if (!matcher.rowsEqual(k, k)) changed.push_back(k);
    if (changed.size() == 2) {
        const std::int32_t k = changed[0];
        const std::int32_t l = changed[1];
        if (matcher.rowsEqual(k, l) && matcher.rowsEqual(l, k))
            return RowColumnOperation{OperationKind::ExchangeRows, k, l, ONE};
        return std::nullopt;
    }
    if (changed.size() != 1) return std::nullopt;
    const std::int32_t k = changed[0];
    if (const auto a = matcher.factor(k, k, false); a && matcher.matches(k, k, *a, false))
        return matcher.operation(OperationKind::ScaleRow, k, k, *a);
    for (std::int32_t i = 0; i < rows; ++i) {
        if (i == k) continue;
        if (const auto a = matcher.factor(k, i, true); a && matcher.matches(k, i, *a, true))
            return matcher.operation(OperationKind::AddRowMultiple, i, k, *a);
    }
    return std::nullopt;
}

// A row operation found between the transposes, as the column operation it is.
inline OperationKind onColumns(OperationKind kind) {
    switch (kind) {
        case OperationKind::ExchangeRows:
            return OperationKind::ExchangeColumns;
        case OperationKind::ScaleRow:
            return OperationKind::ScaleColumn;
        default:
            return OperationKind::AddColumnMultiple;
    }
}

}  // namespace lorvex::elementary_search
