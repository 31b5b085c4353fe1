#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "workspace/window_settings.h"

namespace lorvex {

// Element kind codes, also stored in matrix files.
enum class ElementKind : std::int32_t { Real = 0, Complex = 3, Integer = 5 };

// One recorded change of a matrix document, newest first on the undo stack.
struct TUndoRec {
    enum Operation : std::int32_t {
        CellChanged = 1,       // Index1, Index2: the cell (Rows, 0 for the denominator)
        RowsRemoved = 3,       // Index1 ... Index2, saved row by row
        ColumnsRemoved = 4,    // Index1 ... Index2, saved column by column
        RowInserted = 5,       // at Index1
        ColumnInserted = 6,    // at Index1
        ContentsReplaced = 7,  // Index1, Index2: the old Rows, Cols; every entry saved
        ColumnsSwapped = 8,    // Index1 and Index2
        RowsSwapped = 9,       // Index1 and Index2
    };

    std::int32_t Op = CellChanged;
    std::int32_t Index1 = 0;
    std::int32_t Index2 = 0;
    std::int32_t Count = 0;  // number of saved values
    std::vector<Complex> Values;
    std::vector<BigInt> IValues;
};

// Everything a matrix window holds that is not pixels: the matrix of one
// lettered place, its display settings, notes, file name and undo stack.
// Edits return result codes and leave the document unchanged on failure.
class MatrixDocument {
  public:
    // A document for the letter (1 = A ... 26 = Z, 0 for none) holding the
    // given matrix (an IntegerMatrix for the integer kind, a ComplexMatrix
    // otherwise). A negative letter number asks for a white background.
    MatrixDocument(std::int32_t letterNo, ElementKind kind, const MatrixData& contents);

    std::int32_t LetterNo() const { return letterNo_; }
    bool whiteBackground() const { return whiteBackground_; }
    ElementKind Kind() const { return kind_; }
    bool isInteger() const { return kind_ == ElementKind::Integer; }
    std::int32_t Rows() const { return rows_; }
    std::int32_t Cols() const { return cols_; }
    // Real and complex kinds: Rows x Cols values, row-major.
    const std::vector<Complex>& Cells() const { return cells_; }
    // Integer kind: Rows x Cols numerators, row-major, then the denominator.
    const std::vector<BigInt>& ICells() const { return iCells_; }
    // The matrix as the engine takes it.
    MatrixData matrixData() const;

    std::int16_t Decimals() const { return decimals_; }
    std::int16_t FieldWidth() const { return fieldWidth_; }
    bool SciNotation() const { return sciNotation_; }
    // Display tolerance 0.01 * 0.1^Decimals; the root finder accepts with it.
    long double ZeroTol() const;
    bool LongMinus() const { return longMinus_; }
    std::int16_t MinusCode() const { return minusCode_; }
    bool AutoAdvance() const { return autoAdvance_; }
    void setAutoAdvance(bool on) { autoAdvance_ = on; }
    bool Hidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }
    std::int32_t HiliteRow() const { return hiliteRow_; }
    std::int32_t HiliteCol() const { return hiliteCol_; }
    void setHighlight(std::int32_t row, std::int32_t col);

    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // The file Save writes to; `named` once the user chose it or it was read.
    const std::string& documentName() const { return documentName_; }
    bool named() const { return named_; }
    void setDocumentName(std::string name, bool named);
    // The caption of a step document ("M --> forma escada"); empty for the
    // documents of the places, whose caption is their letter.
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& notes() const { return notes_; }
    void setNotes(std::string notes) { notes_ = std::move(notes); }
    // The window's settings record: rectangle, fonts, colour roles, printing.
    WindowSettings& settings() { return settings_; }
    const WindowSettings& settings() const { return settings_; }

    // Whether a change of the whole matrix is recorded for undo.
    enum class History { Record, Skip };

    // Reads a matrix file into the document: contents, format, notes and
    // settings; the document is then named after the file and unmodified.
    // Returns code::Ok, or code::CannotOpenFile leaving the document as it
    // was. The earlier matrix is recorded for undo unless `history` is Skip
    // (a new document, whose placeholder the user never saw). When memory
    // runs out it throws std::bad_alloc with the document as it was.
    int readFile(const std::string& path, History history = History::Record);
    // Writes the document to a matrix file; on success it is named after the
    // file and unmodified. Returns code::Ok, code::CannotSaveFile (also for
    // more than 1 000 000 entries, which no reader would take back),
    // code::OutOfMemory, or, when the path's extension is not the kind's
    // (".fma", ".cma", ".ima" in any case), code::NeedsFmaExtension,
    // NeedsCmaExtension or NeedsImaExtension for the kind; on failure the
    // document is as it was and nothing is written.
    int writeFile(const std::string& path);

    // Replaces the matrix (its kind stays) and sets the modified flag; the
    // old matrix is recorded for undo unless the document's owner keeps no
    // history (the step windows). The field width grows when an entry's
    // integer part would not fit. When memory runs out it throws
    // std::bad_alloc with the document as it was.
    void replaceContents(const MatrixData& contents, History history = History::Record);

    // The field width computed from the entries, as a new window does:
    // 8 for integers, otherwise from the widest integer part.
    void computeFieldWidth();

    // The displayed text of an entry; for the integer kind row Rows, column 0
    // is the denominator. UTF-8: the long-minus character is converted.
    std::string entryText(std::int32_t row, std::int32_t col) const;

    // Format: decimals 0 ... 19 (else code::OutOfRange), the width raised to
    // decimals + 2, and to decimals + 9 with scientific notation. Integer
    // documents have no format; the call does nothing.
    int setFormat(int decimals, int width, bool sciNotation);
    // Long minus with a Windows-1252 code 32 ... 255 (else code::OutOfRange).
    int setLongMinus(int minusCode);
    void clearLongMinus() { longMinus_ = false; }

    // Reads a typed entry into a cell: an integer for the integer kind (see
    // below), otherwise a calculation that must reduce to one number (the
    // calculation language's codes, code::CannotCalculate when it does not).
    // A cell outside the matrix gives code::OutOfRange.
    int setCellFromText(std::int32_t row, std::int32_t col, const std::string& text);

    // Reads a typed integer into a cell, or into the denominator (row Rows,
    // column 0): codes NotFound, InconsistentData, Singular (zero
    // denominator), OutOfRange outside the matrix. A negative denominator
    // negates every numerator.
    int setIntegerCellFromText(std::int32_t row, std::int32_t col, const std::string& text);
    // Stores a value into a real or complex cell.
    void setComplexCell(std::int32_t row, std::int32_t col, Complex value);

    // The cell after (row, col) in continuous editing, or none at the end:
    // down the column first when AutoAdvance is on, along the row otherwise.
    struct Cell {
        std::int32_t row;
        std::int32_t col;
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    std::optional<Cell> nextEditCell(Cell current) const;

    // Structural edits; numbers are counted from 1 as the user types them.
    int setDimensions(std::int32_t rows, std::int32_t cols);  // OutOfRange
    int removeRows(std::int32_t from, std::int32_t to);       // OutOfRange, NeedAtLeastOne
    int removeColumns(std::int32_t from, std::int32_t to);
    int insertRow(std::int32_t position);  // OutOfRange
    int insertColumn(std::int32_t position);
    int swapRows(std::int32_t a, std::int32_t b);  // OutOfRange
    int swapColumns(std::int32_t a, std::int32_t b);

    bool canUndo() const { return !undoStack_.empty(); }
    // Reverses the newest recorded change; false when there is none.
    bool undo();

  private:
    // The matrix as the document holds it, made in full before it takes the
    // place of the one held: a failed allocation leaves the document as it was.
    struct Contents {
        std::int32_t rows = 0;
        std::int32_t cols = 0;
        std::vector<Complex> cells;
        std::vector<BigInt> iCells;
    };
    Contents contentsFrom(const MatrixData& contents) const;
    void adopt(Contents&& contents) noexcept;
    void push(TUndoRec record) { undoStack_.push_back(std::move(record)); }
    TUndoRec snapshot(TUndoRec::Operation op) const;
    void restoreSnapshot(const TUndoRec& record);
    std::string rawEntryText(std::int32_t row, std::int32_t col) const;
    // The width, at least `width`, at which no integer part of `cells`
    // written with `decimals` decimals is cut.
    std::int16_t widenedFieldWidth(const std::vector<Complex>& cells, std::int16_t decimals,
                                   std::int16_t width) const;
    // Widens the field when an entry's integer part would be cut.
    void widenFieldForIntegerParts();
    void eraseRows(std::int32_t first, std::int32_t last);
    void eraseColumns(std::int32_t first, std::int32_t last);
    void exchangeRows(std::int32_t a, std::int32_t b);
    void exchangeColumns(std::int32_t a, std::int32_t b);
    void insertZeroRow(std::int32_t index);
    void insertZeroColumns(std::int32_t index, std::int32_t count);
    bool holdsCell(std::int32_t row, std::int32_t col) const {
        return row >= 0 && row < rows_ && col >= 0 && col < cols_;
    }
    std::size_t cellIndex(std::int32_t row, std::int32_t col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    std::size_t numeratorCount() const {
        return static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_);
    }

    std::int32_t letterNo_;
    bool whiteBackground_;
    ElementKind kind_;
    std::int32_t rows_ = 1;
    std::int32_t cols_ = 1;
    std::vector<Complex> cells_;
    std::vector<BigInt> iCells_;
    std::int16_t decimals_ = 5;
    std::int16_t fieldWidth_ = 8;
    bool sciNotation_ = false;
    bool longMinus_ = false;
    std::int16_t minusCode_ = 150;
    bool autoAdvance_ = true;
    bool hidden_ = false;
    std::int32_t hiliteRow_ = -1;
    std::int32_t hiliteCol_ = -1;
    bool modified_ = false;
    std::string documentName_;
    bool named_ = false;
    std::string notes_;
    std::string title_;
    WindowSettings settings_ = matrixWindowDefaults();
    std::vector<TUndoRec> undoStack_;
};

}  // namespace lorvex
