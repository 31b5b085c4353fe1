#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/matrix_data.h"
#include "workspace/undo_record.h"
#include "workspace/window_settings.h"

namespace lorvex {

// Element kind codes, also stored in matrix files.
enum class ElementKind : std::int32_t { Real = 0, Complex = 3, Integer = 5 };

// Everything a matrix window holds that is not pixels: the matrix of one
// lettered place, its display settings, notes, file name and undo stack.
// Edits return result codes and leave the document unchanged on failure.
class MatrixDocument {
  public:
    // A document for the letter (1 = A ... 26 = Z, 0 for none) holding the
    // given matrix (an IntegerMatrix for the integer kind, a RealMatrix or
    // ComplexMatrix otherwise, made the kind's own). A negative letter number
    // asks for a white background.
    MatrixDocument(std::int32_t letterNo, ElementKind kind, const MatrixData& contents);

    std::int32_t LetterNo() const { return letterNo_; }
    bool whiteBackground() const { return whiteBackground_; }
    ElementKind Kind() const { return kind_; }
    bool isInteger() const { return kind_ == ElementKind::Integer; }
    // A real document whose entries may become complex through a complex
    // factor (the operations window): it holds a ComplexMatrix and still
    // shows and saves the real parts, but keeps the imaginary ones so that
    // undoing the factor restores the matrix. Contents given from now on keep
    // their imaginary parts.
    void keepImaginaryParts();
    std::int32_t Rows() const {
        return std::visit([](const auto& m) { return m.rows; }, data_);
    }
    std::int32_t Cols() const {
        return std::visit([](const auto& m) { return m.cols; }, data_);
    }
    // The complex kind and the operations window only: Rows x Cols values,
    // row-major.
    const std::vector<Complex>& Cells() const { return std::get<ComplexMatrix>(data_).cells; }
    // The other real documents: Rows x Cols reals, row-major.
    const std::vector<long double>& RCells() const { return std::get<RealMatrix>(data_).cells; }
    // An entry of a real or complex document as a complex number.
    Complex complexEntry(std::int32_t row, std::int32_t col) const;
    // Integer kind only: Rows x Cols numerators, row-major, over Denominator.
    const std::vector<BigInt>& ICells() const { return std::get<IntegerMatrix>(data_).numerators; }
    const BigInt& Denominator() const { return std::get<IntegerMatrix>(data_).denominator; }
    // The matrix as the engine takes it: an IntegerMatrix for the integer
    // kind, a ComplexMatrix for the complex kind and the operations window, a
    // RealMatrix for the other real documents.
    const MatrixData& matrixData() const { return data_; }

    std::int16_t Decimals() const { return decimals_; }
    // The field width chosen (by the Format dialog, the file read or the
    // entries at set-up); the file keeps it.
    std::int16_t FieldWidth() const { return fieldWidth_; }
    // The width the entries are shown in: the field width, widened so that
    // no digit before a decimal point is cut (123456789 is never shown as
    // 12345678). Integer documents widen it up to kWidestExactField for a
    // numerator or the denominator to show whole; a wider number is cut with
    // "...". With fractions shown it is the width of the widest fraction.
    std::int32_t displayWidth() const;
    static constexpr std::int32_t kWidestExactField = 40;
    bool SciNotation() const { return sciNotation_; }
    // Display tolerance 0.01 * 0.1^Decimals; the root finder accepts with it.
    long double ZeroTol() const;
    bool LongMinus() const { return longMinus_; }
    std::int16_t MinusCode() const { return minusCode_; }
    // Integer documents only: each entry shown as its own reduced fraction
    // p/q (p alone when q is 1), in a width fitting the widest, with no
    // denominator row; typed entries are then read as fractions too. Other
    // kinds ignore the flag.
    bool showsFractions() const { return fractions_ && isInteger(); }
    void setShowsFractions(bool on) {
        fractions_ = on;
        displayWidthChanged();
    }
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
    [[nodiscard]] int readFile(const std::string& path, History history = History::Record);
    // Writes the document to a matrix file; on success it is named after the
    // file and unmodified. Returns code::Ok, code::CannotSaveFile (also for
    // more than 1 000 000 entries, which no reader would take back),
    // code::OutOfMemory, or, when the path's extension is not the kind's
    // (".fma", ".cma", ".ima" in any case), code::NeedsFmaExtension,
    // NeedsCmaExtension or NeedsImaExtension for the kind; on failure the
    // document is as it was and nothing is written.
    [[nodiscard]] int writeFile(const std::string& path);

    // Replaces the matrix (its kind stays) and sets the modified flag; the
    // old matrix is recorded for undo unless the document's owner keeps no
    // history (the step windows). When memory runs out it throws
    // std::bad_alloc with the document as it was.
    void replaceContents(const MatrixData& contents, History history = History::Record);
    // A step document's contents, which decide its kind: integer for an
    // IntegerMatrix (an exact run), real otherwise. No undo record is kept.
    void showStepContents(const MatrixData& contents);

    // The field width computed from the entries, as a new window does:
    // 8 for integers, otherwise from the widest integer part.
    void computeFieldWidth();

    // The displayed text of an entry; for the integer kind row Rows, column 0
    // is the denominator. UTF-8: the long-minus character is converted.
    std::string entryText(std::int32_t row, std::int32_t col) const;

    // Format: decimals 0 ... 19 (else code::OutOfRange), the width raised to
    // decimals + 2, and to decimals + 9 with scientific notation. Integer
    // documents take the width only, at least 1.
    [[nodiscard]] int setFormat(int decimals, int width, bool sciNotation);
    // Long minus with a Windows-1252 code 32 ... 255 (else code::OutOfRange).
    [[nodiscard]] int setLongMinus(int minusCode);
    void clearLongMinus() { longMinus_ = false; }

    // Reads a typed entry into a cell: an integer for the integer kind (see
    // below), or a fraction p/q while fractions are shown (code::Singular for
    // q = 0), otherwise a calculation that must reduce to one number (the
    // calculation language's codes, code::CannotCalculate when it does not).
    // A cell outside the matrix gives code::OutOfRange.
    [[nodiscard]] int setCellFromText(std::int32_t row, std::int32_t col, const std::string& text);

    // Reads a typed integer into a cell, or into the denominator (row Rows,
    // column 0): codes NotFound, InconsistentData, Singular (zero
    // denominator), OutOfRange outside the matrix. A negative denominator
    // negates every numerator.
    [[nodiscard]] int setIntegerCellFromText(std::int32_t row, std::int32_t col,
                                             const std::string& text);
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
    // When memory runs out they, and undo, throw std::bad_alloc with the
    // document and its undo stack as they were.
    [[nodiscard]] int setDimensions(std::int32_t rows, std::int32_t cols);  // OutOfRange
    [[nodiscard]] int removeRows(std::int32_t from, std::int32_t to);  // OutOfRange, NeedAtLeastOne
    [[nodiscard]] int removeColumns(std::int32_t from, std::int32_t to);
    [[nodiscard]] int insertRow(std::int32_t position);  // OutOfRange
    [[nodiscard]] int insertColumn(std::int32_t position);
    [[nodiscard]] int swapRows(std::int32_t a, std::int32_t b);  // OutOfRange
    [[nodiscard]] int swapColumns(std::int32_t a, std::int32_t b);

    bool canUndo() const { return !undoStack_.empty(); }
    // Reverses the newest recorded change; false when there is none.
    bool undo();

  private:
    // The matrix the document holds made from `contents`, of the kind's
    // representation (a real matrix drops the imaginary parts, unless it
    // keeps them for undo); it is made in full before it takes the place of
    // the one held, so that a failed allocation leaves the document as it was.
    // Contents of another representation are converted without a copy
    // between.
    MatrixData contentsFrom(const MatrixData& contents) const;
    MatrixData contentsFrom(MatrixData&& contents) const;
    std::optional<MatrixData> convertedContents(const MatrixData& contents) const;
    void push(TUndoRec record) { undoStack_.push_back(std::move(record)); }
    // Records the change, then makes `changed` the matrix; nothing can fail
    // once the record is on the stack.
    void commit(MatrixData&& changed, TUndoRec&& record);
    // A record of `op` that saves the whole matrix.
    TUndoRec snapshot(TUndoRec::Operation op) const;
    // Reverses the change that `record` saved. The document changes only
    // once nothing can fail any more; what the record saved may be moved out.
    void reverse(TUndoRec& record);
    std::string rawEntryText(std::int32_t row, std::int32_t col) const;
    std::string fractionText(std::int32_t row, std::int32_t col) const;
    [[nodiscard]] int setFractionCellFromText(std::int32_t row, std::int32_t col,
                                              const std::string& text);
    std::int32_t widenedFieldWidth() const;
    std::int32_t widthFor(const BigInt& value) const;
    std::int32_t widthFor(const Complex& value) const;
    std::int32_t widthFor(long double value) const;
    // One entry changed from `before` to `after`; the other entries are not
    // looked at. The shown width is the largest of the field width and every
    // entry's own, so the changed entry only widens it, unless it may have
    // been the entry that set it and now asks for less: then every entry is
    // measured again when the width is next asked for.
    template <class Entry>
    void entryChanged(const Entry& before, const Entry& after) {
        // A fraction's width depends on the common denominator as well.
        if (!displayWidth_ || showsFractions()) {
            displayWidth_.reset();
            return;
        }
        const std::int32_t shown = *displayWidth_;
        const std::int32_t widened = widthFor(after);
        if (widened < shown && shown > fieldWidth_ && widthFor(before) >= shown) {
            displayWidth_.reset();
            return;
        }
        displayWidth_ = std::max(shown, widened);
    }
    // The matrix or its format changed: the display width is worked out anew
    // when next asked for.
    void displayWidthChanged() { displayWidth_.reset(); }
    bool holdsCell(std::int32_t row, std::int32_t col) const {
        return row >= 0 && row < Rows() && col >= 0 && col < Cols();
    }

    std::int32_t letterNo_;
    bool whiteBackground_;
    ElementKind kind_;
    bool keepsImaginaryParts_ = false;
    MatrixData data_;
    std::int16_t decimals_ = 5;
    std::int16_t fieldWidth_ = 8;
    mutable std::optional<std::int32_t> displayWidth_;
    bool sciNotation_ = false;
    bool longMinus_ = false;
    bool fractions_ = false;
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
