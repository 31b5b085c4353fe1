// Structural edits of a matrix document and their undo. Every edit that
// succeeds pushes a record from which undo restores the matrix exactly. Each
// is written once for both representations; one that allocates builds the
// new matrix first, so that memory running out leaves the document as it was.

#include <utility>
#include <variant>

#include "engine/result_codes.h"
#include "workspace/matrix_document.h"
#include "workspace/matrix_limits.h"
#include "workspace/matrix_slices.h"

namespace lorvex {
namespace {

bool inRange(std::int32_t value, std::int32_t count) {
    return value >= 1 && value <= count;
}

// The matrix that `make` builds from `data`, whichever its representation.
template <class Make>
MatrixData made(const MatrixData& data, Make make) {
    return std::visit([&](const auto& m) -> MatrixData { return make(m); }, data);
}

}  // namespace

void MatrixDocument::commit(MatrixData&& changed, TUndoRec&& record) {
    push(std::move(record));
    data_ = std::move(changed);
    displayWidthChanged();
    modified_ = true;
}

TUndoRec MatrixDocument::snapshot(TUndoRec::Operation op) const {
    return {op, Rows(), Cols(), TUndoRec::SavedContents{data_}};
}

// The old values are not carried over; an integer matrix gets a denominator of 1.
int MatrixDocument::setDimensions(std::int32_t rows, std::int32_t cols) {
    if (sizeOutOfRange(rows, cols)) return code::OutOfRange;
    MatrixData zeros = made(data_, [&]<class M>(const M&) { return M(rows, cols); });
    commit(std::move(zeros), snapshot(TUndoRec::ContentsReplaced));
    return code::Ok;
}

int MatrixDocument::removeRows(std::int32_t from, std::int32_t to) {
    if (!inRange(from, Rows()) || !inRange(to, Rows())) return code::OutOfRange;
    if (from > to) std::swap(from, to);
    if (to - from + 1 == Rows()) return code::NeedAtLeastOne;
    const std::int32_t first = from - 1;
    const std::int32_t last = to - 1;
    MatrixData removed = made(data_, [&](const auto& m) { return slices::rowsOf(m, first, last); });
    MatrixData kept =
        made(data_, [&](const auto& m) { return slices::withoutRows(m, first, last); });
    commit(std::move(kept),
           {TUndoRec::RowsRemoved, first, last, TUndoRec::SavedRows{std::move(removed)}});
    return code::Ok;
}

int MatrixDocument::removeColumns(std::int32_t from, std::int32_t to) {
    if (!inRange(from, Cols()) || !inRange(to, Cols())) return code::OutOfRange;
    if (from > to) std::swap(from, to);
    if (to - from + 1 == Cols()) return code::NeedAtLeastOne;
    const std::int32_t first = from - 1;
    const std::int32_t last = to - 1;
    MatrixData removed =
        made(data_, [&](const auto& m) { return slices::columnsOf(m, first, last); });
    MatrixData kept =
        made(data_, [&](const auto& m) { return slices::withoutColumns(m, first, last); });
    commit(std::move(kept),
           {TUndoRec::ColumnsRemoved, first, last, TUndoRec::SavedColumns{std::move(removed)}});
    return code::Ok;
}

int MatrixDocument::insertRow(std::int32_t position) {
    if (position < 1 || position > Rows() + 1 || sizeOutOfRange(std::int64_t{Rows()} + 1, Cols())) {
        return code::OutOfRange;
    }
    const std::int32_t at = position - 1;
    MatrixData widened = made(
        data_, [&]<class M>(const M& m) { return slices::withRowsInserted(m, at, M(1, m.cols)); });
    commit(std::move(widened), {TUndoRec::RowInserted, at, 0, TUndoRec::Nothing{}});
    return code::Ok;
}

int MatrixDocument::insertColumn(std::int32_t position) {
    if (position < 1 || position > Cols() + 1 || sizeOutOfRange(Rows(), std::int64_t{Cols()} + 1)) {
        return code::OutOfRange;
    }
    const std::int32_t at = position - 1;
    MatrixData widened = made(data_, [&]<class M>(const M& m) {
        return slices::withColumnsInserted(m, at, M(m.rows, 1));
    });
    commit(std::move(widened), {TUndoRec::ColumnInserted, at, 0, TUndoRec::Nothing{}});
    return code::Ok;
}

int MatrixDocument::swapRows(std::int32_t a, std::int32_t b) {
    if (a == b || !inRange(a, Rows()) || !inRange(b, Rows())) return code::OutOfRange;
    push({TUndoRec::RowsSwapped, a - 1, b - 1, TUndoRec::Nothing{}});
    std::visit([&](auto& m) { slices::exchangeRows(m, a - 1, b - 1); }, data_);
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::swapColumns(std::int32_t a, std::int32_t b) {
    if (a == b || !inRange(a, Cols()) || !inRange(b, Cols())) return code::OutOfRange;
    push({TUndoRec::ColumnsSwapped, a - 1, b - 1, TUndoRec::Nothing{}});
    std::visit([&](auto& m) { slices::exchangeColumns(m, a - 1, b - 1); }, data_);
    modified_ = true;
    return code::Ok;
}

bool MatrixDocument::undo() {
    if (undoStack_.empty()) return false;
    reverse(undoStack_.back());
    undoStack_.pop_back();
    displayWidthChanged();
    modified_ = true;
    return true;
}

void MatrixDocument::reverse(TUndoRec& record) {
    const std::int32_t index1 = record.Index1;
    const std::int32_t index2 = record.Index2;
    switch (record.Op) {
        case TUndoRec::CellChanged:
            // A negative denominator changed every numerator: the whole matrix was saved.
            if (auto* whole = std::get_if<TUndoRec::SavedContents>(&record.Saved)) {
                data_ = std::move(whole->contents);
                break;
            }
            std::visit(
                [&]<class M>(M& m) {
                    auto& value = std::get<TUndoRec::SavedCell>(record.Saved).value;
                    slices::entry(m, index1, index2) =
                        std::move(std::get<slices::EntryOf<M>>(value));
                },
                data_);
            break;
        case TUndoRec::RowsRemoved: {
            const MatrixData& rows = std::get<TUndoRec::SavedRows>(record.Saved).rows;
            data_ = made(data_, [&]<class M>(const M& m) {
                return slices::withRowsInserted(m, index1, std::get<M>(rows));
            });
            break;
        }
        case TUndoRec::ColumnsRemoved: {
            const MatrixData& columns = std::get<TUndoRec::SavedColumns>(record.Saved).columns;
            data_ = made(data_, [&]<class M>(const M& m) {
                return slices::withColumnsInserted(m, index1, std::get<M>(columns));
            });
            break;
        }
        case TUndoRec::RowInserted:
            data_ =
                made(data_, [&](const auto& m) { return slices::withoutRows(m, index1, index1); });
            break;
        case TUndoRec::ColumnInserted:
            data_ = made(data_,
                         [&](const auto& m) { return slices::withoutColumns(m, index1, index1); });
            break;
        case TUndoRec::ContentsReplaced:
            data_ = std::move(std::get<TUndoRec::SavedContents>(record.Saved).contents);
            break;
        case TUndoRec::ColumnsSwapped:
            std::visit([&](auto& m) { slices::exchangeColumns(m, index1, index2); }, data_);
            break;
        case TUndoRec::RowsSwapped:
            std::visit([&](auto& m) { slices::exchangeRows(m, index1, index2); }, data_);
            break;
    }
}

}  // namespace lorvex
