// Structural edits of a matrix document and their undo. Every edit that
// succeeds pushes a record from which undo restores the matrix exactly.

#include <algorithm>
#include <utility>

#include "engine/result_codes.h"
#include "workspace/matrix_document.h"
#include "workspace/matrix_limits.h"

namespace lorvex {
namespace {

bool inRange(std::int32_t value, std::int32_t count) {
    return value >= 1 && value <= count;
}

}  // namespace

TUndoRec MatrixDocument::snapshot(TUndoRec::Operation op) const {
    TUndoRec record;
    record.Op = op;
    record.Index1 = rows_;
    record.Index2 = cols_;
    record.Values = cells_;
    record.IValues = iCells_;
    record.Count = static_cast<std::int32_t>(isInteger() ? iCells_.size() : cells_.size());
    return record;
}

void MatrixDocument::restoreSnapshot(const TUndoRec& record) {
    rows_ = record.Index1;
    cols_ = record.Index2;
    cells_ = record.Values;
    iCells_ = record.IValues;
}

int MatrixDocument::setDimensions(std::int32_t rows, std::int32_t cols) {
    if (sizeOutOfRange(rows, cols)) {
        return code::OutOfRange;
    }
    push(snapshot(TUndoRec::ContentsReplaced));
    rows_ = rows;
    cols_ = cols;
    if (isInteger()) {
        iCells_.assign(numeratorCount() + 1, BigInt());
        iCells_.back() = BigInt(1);
    } else {
        cells_.assign(numeratorCount(), ZERO);
    }
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::removeRows(std::int32_t from, std::int32_t to) {
    if (!inRange(from, rows_) || !inRange(to, rows_)) return code::OutOfRange;
    if (from > to) std::swap(from, to);
    if (to - from + 1 == rows_) return code::NeedAtLeastOne;
    TUndoRec record;
    record.Op = TUndoRec::RowsRemoved;
    record.Index1 = from - 1;
    record.Index2 = to - 1;
    const auto first = cellIndex(from - 1, 0);
    const auto last = cellIndex(to, 0);
    if (isInteger()) {
        record.IValues.assign(iCells_.begin() + static_cast<std::ptrdiff_t>(first),
                              iCells_.begin() + static_cast<std::ptrdiff_t>(last));
    } else {
        record.Values.assign(cells_.begin() + static_cast<std::ptrdiff_t>(first),
                             cells_.begin() + static_cast<std::ptrdiff_t>(last));
    }
    record.Count = static_cast<std::int32_t>(last - first);
    push(std::move(record));
    eraseRows(from - 1, to - 1);
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::removeColumns(std::int32_t from, std::int32_t to) {
    if (!inRange(from, cols_) || !inRange(to, cols_)) return code::OutOfRange;
    if (from > to) std::swap(from, to);
    if (to - from + 1 == cols_) return code::NeedAtLeastOne;
    TUndoRec record;
    record.Op = TUndoRec::ColumnsRemoved;
    record.Index1 = from - 1;
    record.Index2 = to - 1;
    for (std::int32_t col = from - 1; col < to; ++col) {
        for (std::int32_t row = 0; row < rows_; ++row) {
            if (isInteger()) {
                record.IValues.push_back(iCells_[cellIndex(row, col)]);
            } else {
                record.Values.push_back(cells_[cellIndex(row, col)]);
            }
        }
    }
    record.Count = (to - from + 1) * rows_;
    push(std::move(record));
    eraseColumns(from - 1, to - 1);
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::insertRow(std::int32_t position) {
    if (position < 1 || position > rows_ + 1 || sizeOutOfRange(std::int64_t{rows_} + 1, cols_)) {
        return code::OutOfRange;
    }
    push(TUndoRec{TUndoRec::RowInserted, position - 1, 0, 0, {}, {}});
    insertZeroRow(position - 1);
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::insertColumn(std::int32_t position) {
    if (position < 1 || position > cols_ + 1 || sizeOutOfRange(rows_, std::int64_t{cols_} + 1)) {
        return code::OutOfRange;
    }
    push(TUndoRec{TUndoRec::ColumnInserted, position - 1, 0, 0, {}, {}});
    insertZeroColumns(position - 1, 1);
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::swapRows(std::int32_t a, std::int32_t b) {
    if (a == b || !inRange(a, rows_) || !inRange(b, rows_)) return code::OutOfRange;
    push(TUndoRec{TUndoRec::RowsSwapped, a - 1, b - 1, 0, {}, {}});
    exchangeRows(a - 1, b - 1);
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::swapColumns(std::int32_t a, std::int32_t b) {
    if (a == b || !inRange(a, cols_) || !inRange(b, cols_)) return code::OutOfRange;
    push(TUndoRec{TUndoRec::ColumnsSwapped, a - 1, b - 1, 0, {}, {}});
    exchangeColumns(a - 1, b - 1);
    modified_ = true;
    return code::Ok;
}

bool MatrixDocument::undo() {
    if (undoStack_.empty()) return false;
    TUndoRec record = std::move(undoStack_.back());
    undoStack_.pop_back();
    switch (record.Op) {
        case TUndoRec::CellChanged:
            if (isInteger()) {
                if (record.Count > 1) {
                    iCells_ = std::move(record.IValues);  // a negated denominator
                } else if (record.Index1 == rows_) {
                    iCells_.back() = std::move(record.IValues.front());
                } else {
                    iCells_[cellIndex(record.Index1, record.Index2)] =
                        std::move(record.IValues.front());
                }
            } else {
                cells_[cellIndex(record.Index1, record.Index2)] = record.Values.front();
            }
            break;
        case TUndoRec::RowsRemoved: {
            const auto at = static_cast<std::ptrdiff_t>(cellIndex(record.Index1, 0));
            if (isInteger()) {
                iCells_.insert(iCells_.begin() + at, record.IValues.begin(), record.IValues.end());
            } else {
                cells_.insert(cells_.begin() + at, record.Values.begin(), record.Values.end());
            }
            rows_ += record.Index2 - record.Index1 + 1;
            break;
        }
        case TUndoRec::ColumnsRemoved: {
            const std::int32_t count = record.Index2 - record.Index1 + 1;
            insertZeroColumns(record.Index1, count);
            for (std::int32_t k = 0; k < count; ++k) {
                for (std::int32_t row = 0; row < rows_; ++row) {
                    const auto saved = static_cast<std::size_t>(k * rows_ + row);
                    if (isInteger()) {
                        iCells_[cellIndex(row, record.Index1 + k)] = record.IValues[saved];
                    } else {
                        cells_[cellIndex(row, record.Index1 + k)] = record.Values[saved];
                    }
                }
            }
            break;
        }
        case TUndoRec::RowInserted:
            eraseRows(record.Index1, record.Index1);
            break;
        case TUndoRec::ColumnInserted:
            eraseColumns(record.Index1, record.Index1);
            break;
        case TUndoRec::ContentsReplaced:
            restoreSnapshot(record);
            break;
        case TUndoRec::ColumnsSwapped:
            exchangeColumns(record.Index1, record.Index2);
            break;
        case TUndoRec::RowsSwapped:
            exchangeRows(record.Index1, record.Index2);
            break;
        default:
            break;
    }
    modified_ = true;
    return true;
}

void MatrixDocument::eraseRows(std::int32_t first, std::int32_t last) {
    const auto begin = static_cast<std::ptrdiff_t>(cellIndex(first, 0));
    const auto end = static_cast<std::ptrdiff_t>(cellIndex(last + 1, 0));
    if (isInteger()) {
        iCells_.erase(iCells_.begin() + begin, iCells_.begin() + end);
    } else {
        cells_.erase(cells_.begin() + begin, cells_.begin() + end);
    }
    rows_ -= last - first + 1;
}

// Rebuilds the row-major entries without the columns first ... last.
void MatrixDocument::eraseColumns(std::int32_t first, std::int32_t last) {
    const std::int32_t newCols = cols_ - (last - first + 1);
    const auto keep = [&](auto& entries) {
        std::remove_reference_t<decltype(entries)> kept;
        kept.reserve(static_cast<std::size_t>(rows_) * newCols + (isInteger() ? 1 : 0));
        for (std::int32_t row = 0; row < rows_; ++row) {
            for (std::int32_t col = 0; col < cols_; ++col) {
                if (col < first || col > last)
                    kept.push_back(std::move(entries[cellIndex(row, col)]));
            }
        }
        if (isInteger()) kept.push_back(std::move(entries.back()));
        entries = std::move(kept);
    };
    if (isInteger()) {
        keep(iCells_);
    } else {
        keep(cells_);
    }
    cols_ = newCols;
}

void MatrixDocument::exchangeRows(std::int32_t a, std::int32_t b) {
    for (std::int32_t col = 0; col < cols_; ++col) {
        if (isInteger()) {
            std::swap(iCells_[cellIndex(a, col)], iCells_[cellIndex(b, col)]);
        } else {
            std::swap(cells_[cellIndex(a, col)], cells_[cellIndex(b, col)]);
        }
    }
}

void MatrixDocument::exchangeColumns(std::int32_t a, std::int32_t b) {
    for (std::int32_t row = 0; row < rows_; ++row) {
        if (isInteger()) {
            std::swap(iCells_[cellIndex(row, a)], iCells_[cellIndex(row, b)]);
        } else {
            std::swap(cells_[cellIndex(row, a)], cells_[cellIndex(row, b)]);
        }
    }
}

void MatrixDocument::insertZeroRow(std::int32_t index) {
    const auto at = static_cast<std::ptrdiff_t>(cellIndex(index, 0));
    if (isInteger()) {
        iCells_.insert(iCells_.begin() + at, static_cast<std::size_t>(cols_), BigInt());
    } else {
        cells_.insert(cells_.begin() + at, static_cast<std::size_t>(cols_), ZERO);
    }
    ++rows_;
}

// Rebuilds the row-major entries with `count` zero columns from `index` on.
void MatrixDocument::insertZeroColumns(std::int32_t index, std::int32_t count) {
    const std::int32_t newCols = cols_ + count;
    const auto widen = [&](auto& entries, const auto& zero) {
        std::remove_reference_t<decltype(entries)> widened;
        widened.reserve(static_cast<std::size_t>(rows_) * newCols + (isInteger() ? 1 : 0));
        for (std::int32_t row = 0; row < rows_; ++row) {
            for (std::int32_t col = 0; col < cols_; ++col) {
                if (col == index)
                    widened.insert(widened.end(), static_cast<std::size_t>(count), zero);
                widened.push_back(std::move(entries[cellIndex(row, col)]));
            }
            if (index == cols_)
                widened.insert(widened.end(), static_cast<std::size_t>(count), zero);
        }
        if (isInteger()) widened.push_back(std::move(entries.back()));
        entries = std::move(widened);
    };
    if (isInteger()) {
        widen(iCells_, BigInt());
    } else {
        widen(cells_, ZERO);
    }
    cols_ = newCols;
}

}  // namespace lorvex
