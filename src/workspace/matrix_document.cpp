#include "workspace/matrix_document.h"

#include <cmath>
#include <variant>

#include "engine/result_codes.h"

namespace lorvex {

MatrixDocument::MatrixDocument(std::int32_t letterNo, ElementKind kind, const MatrixData& contents)
    : letterNo_(letterNo < 0 ? -letterNo : letterNo), whiteBackground_(letterNo < 0), kind_(kind) {
    adopt(contentsFrom(contents));
    computeFieldWidth();
}

long double MatrixDocument::ZeroTol() const {
    return 0.01L * std::pow(0.1L, static_cast<long double>(decimals_));
}

MatrixData MatrixDocument::matrixData() const {
    if (isInteger()) {
        IntegerMatrix m(rows_, cols_);
        std::copy(iCells_.begin(), iCells_.end() - 1, m.numerators.begin());
        m.denominator = iCells_.back();
        return m;
    }
    ComplexMatrix m(rows_, cols_);
    m.cells = cells_;
    return m;
}

// The kind of the document decides the representation: an integer document
// takes integer contents, the others complex ones. A real matrix is one whose
// imaginary parts are zero: what it holds is what it shows and saves.
MatrixDocument::Contents MatrixDocument::contentsFrom(const MatrixData& contents) const {
    Contents made;
    if (isInteger()) {
        const auto& m = std::get<IntegerMatrix>(contents);
        made.iCells.reserve(m.numerators.size() + 1);
        made.iCells.assign(m.numerators.begin(), m.numerators.end());
        made.iCells.push_back(m.denominator);
        made.rows = m.rows;
        made.cols = m.cols;
    } else {
        const auto& m = std::get<ComplexMatrix>(contents);
        made.cells = m.cells;
        if (kind_ == ElementKind::Real) {
            for (Complex& cell : made.cells)
                cell.im = 0.0L;
        }
        made.rows = m.rows;
        made.cols = m.cols;
    }
    return made;
}

void MatrixDocument::adopt(Contents&& contents) noexcept {
    rows_ = contents.rows;
    cols_ = contents.cols;
    cells_ = std::move(contents.cells);
    iCells_ = std::move(contents.iCells);
}

void MatrixDocument::setHighlight(std::int32_t row, std::int32_t col) {
    hiliteRow_ = row;
    hiliteCol_ = col;
}

void MatrixDocument::setDocumentName(std::string name, bool named) {
    documentName_ = std::move(name);
    named_ = named;
}

// Everything that allocates is made first; the document changes only once
// nothing can fail any more.
void MatrixDocument::replaceContents(const MatrixData& contents, History history) {
    Contents replacement = contentsFrom(contents);
    const std::int16_t width = widenedFieldWidth(replacement.cells, decimals_, fieldWidth_);
    if (history == History::Record) push(snapshot(TUndoRec::ContentsReplaced));
    adopt(std::move(replacement));
    fieldWidth_ = width;
    modified_ = true;
}

int MatrixDocument::setFormat(int decimals, int width, bool sciNotation) {
    if (isInteger()) return code::Ok;
    if (decimals < 0 || decimals > 19) return code::OutOfRange;
    if (width < decimals + 2) width = decimals + 2;
    if (sciNotation && width < decimals + 9) width = decimals + 9;
    decimals_ = static_cast<std::int16_t>(decimals);
    fieldWidth_ = static_cast<std::int16_t>(std::min(width, 32767));
    sciNotation_ = sciNotation;
    modified_ = true;
    return code::Ok;
}

int MatrixDocument::setLongMinus(int minusCode) {
    if (minusCode < 32 || minusCode > 255) return code::OutOfRange;
    longMinus_ = true;
    minusCode_ = static_cast<std::int16_t>(minusCode);
    return code::Ok;
}

int MatrixDocument::setIntegerCellFromText(std::int32_t row, std::int32_t col,
                                           const std::string& text) {
    const bool denominator = row == rows_ && col == 0;
    if (!denominator && !holdsCell(row, col)) return code::OutOfRange;
    BigInt value;
    if (const int rc = BigInt::fromText(text, value); rc != code::Ok) return rc;
    if (denominator && value.isZero()) return code::Singular;

    BigInt& cell = denominator ? iCells_.back() : iCells_[cellIndex(row, col)];
    TUndoRec record;
    record.Op = TUndoRec::CellChanged;
    record.Index1 = row;
    record.Index2 = col;
    if (denominator && value.isNegative()) {
        // Every numerator changes sign too, so the whole matrix is saved.
        record.IValues = iCells_;
        for (std::size_t i = 0; i < numeratorCount(); ++i)
            iCells_[i] = -iCells_[i];
        value = -value;
    } else {
        record.IValues = {cell};
    }
    record.Count = static_cast<std::int32_t>(record.IValues.size());
    push(std::move(record));
    cell = std::move(value);
    modified_ = true;
    return code::Ok;
}

void MatrixDocument::setComplexCell(std::int32_t row, std::int32_t col, Complex value) {
    Complex& cell = cells_[cellIndex(row, col)];
    TUndoRec record;
    record.Op = TUndoRec::CellChanged;
    record.Index1 = row;
    record.Index2 = col;
    record.Count = 1;
    record.Values = {cell};
    push(std::move(record));
    cell = value;
    widenFieldForIntegerParts();
    modified_ = true;
}

std::optional<MatrixDocument::Cell> MatrixDocument::nextEditCell(Cell current) const {
    if (autoAdvance_) {
        if (current.row + 1 < rows_) return Cell{current.row + 1, current.col};
        if (current.col + 1 < cols_) return Cell{0, current.col + 1};
        return std::nullopt;
    }
    if (current.col + 1 < cols_) return Cell{current.row, current.col + 1};
    if (current.row + 1 < rows_) return Cell{current.row + 1, 0};
    return std::nullopt;
}

}  // namespace lorvex
