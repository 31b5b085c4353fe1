#pragma once

#include <cstdint>
#include <variant>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"

namespace lorvex {

// One recorded change of a matrix document, newest last on the undo stack.
// Op says what changed and where (Index1, Index2, counted from 0); Saved
// holds what the change overwrote, its type saying what that is.
struct TUndoRec {
    enum Operation : std::int32_t {
        CellChanged = 1,       // the cell (Index1, Index2); (Rows, 0) is the denominator
        RowsRemoved = 3,       // rows Index1 ... Index2
        ColumnsRemoved = 4,    // columns Index1 ... Index2
        RowInserted = 5,       // at Index1
        ColumnInserted = 6,    // at Index1
        ContentsReplaced = 7,  // the old Rows, Cols in Index1, Index2
        ColumnsSwapped = 8,    // Index1 and Index2
        RowsSwapped = 9,       // Index1 and Index2
    };

    // The old value of the changed cell.
    struct SavedCell {
        std::variant<Complex, BigInt, long double> value;
    };
    // The removed rows or columns as a matrix of their own, over the
    // document's denominator for the integer kind.
    struct SavedRows {
        MatrixData rows;
    };
    struct SavedColumns {
        MatrixData columns;
    };
    // The whole matrix as it was.
    struct SavedContents {
        MatrixData contents;
    };
    // Insertions and swaps save nothing: they reverse by position alone.
    using Nothing = std::monostate;

    Operation Op = CellChanged;
    std::int32_t Index1 = 0;
    std::int32_t Index2 = 0;
    std::variant<Nothing, SavedCell, SavedRows, SavedColumns, SavedContents> Saved;
};

}  // namespace lorvex
