#include "workspace/matrix_document.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <variant>

#include "engine/result_codes.h"
#include "workspace/matrix_slices.h"

namespace lorvex {

MatrixDocument::MatrixDocument(std::int32_t letterNo, ElementKind kind, const MatrixData& contents)
    : letterNo_(letterNo < 0 ? -letterNo : letterNo),
      whiteBackground_(letterNo < 0),
      kind_(kind),
      data_(contentsFrom(contents)) {
    computeFieldWidth();
}

long double MatrixDocument::ZeroTol() const {
    return 0.01L * std::pow(0.1L, static_cast<long double>(decimals_));
}

// The kind of the document decides the representation: an integer document
// takes integer contents, a real one reals (the real parts of complex
// contents), a complex one complex numbers. A real document that keeps its
// imaginary parts holds complex ones, and still shows and saves the real
// parts only.
std::optional<MatrixData> MatrixDocument::convertedContents(const MatrixData& contents) const {
    assert(std::holds_alternative<IntegerMatrix>(contents) == isInteger());
    const bool real = kind_ == ElementKind::Real && !keepsImaginaryParts_;
    if (const auto* complex = std::get_if<ComplexMatrix>(&contents); complex && real)
        return realPartsOf(*complex);
    if (const auto* reals = std::get_if<RealMatrix>(&contents); reals && !real)
        return complexMatrixOf(*reals);
    return std::nullopt;
}

MatrixData MatrixDocument::contentsFrom(const MatrixData& contents) const {
    if (std::optional<MatrixData> converted = convertedContents(contents))
        return std::move(*converted);
    return contents;
}

MatrixData MatrixDocument::contentsFrom(MatrixData&& contents) const {
    if (std::optional<MatrixData> converted = convertedContents(contents))
        return std::move(*converted);
    return std::move(contents);
}

void MatrixDocument::keepImaginaryParts() {
    keepsImaginaryParts_ = true;
    data_ = contentsFrom(std::move(data_));
}

Complex MatrixDocument::complexEntry(std::int32_t row, std::int32_t col) const {
    if (const auto* real = std::get_if<RealMatrix>(&data_))
        return Complex{real->at(row, col), 0.0L};
    return std::get<ComplexMatrix>(data_).at(row, col);
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
    MatrixData replacement = contentsFrom(contents);
    if (history == History::Record) push(snapshot(TUndoRec::ContentsReplaced));
    data_ = std::move(replacement);
    displayWidthChanged();
    modified_ = true;
}

void MatrixDocument::showStepContents(const MatrixData& contents) {
    MatrixData replacement = contents;
    kind_ =
        std::holds_alternative<IntegerMatrix>(contents) ? ElementKind::Integer : ElementKind::Real;
    data_ = contentsFrom(std::move(replacement));
    displayWidthChanged();
    modified_ = true;
}

int MatrixDocument::setFormat(int decimals, int width, bool sciNotation) {
    if (isInteger()) {
        fieldWidth_ = static_cast<std::int16_t>(std::clamp(width, 1, 32767));
        displayWidthChanged();
        modified_ = true;
        return code::Ok;
    }
    if (decimals < 0 || decimals > 19) return code::OutOfRange;
    if (width < decimals + 2) width = decimals + 2;
    if (sciNotation && width < decimals + 9) width = decimals + 9;
    decimals_ = static_cast<std::int16_t>(decimals);
    fieldWidth_ = static_cast<std::int16_t>(std::min(width, 32767));
    sciNotation_ = sciNotation;
    displayWidthChanged();
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
    const bool denominator = row == Rows() && col == 0;
    if (!denominator && !holdsCell(row, col)) return code::OutOfRange;
    BigInt value;
    if (const int rc = BigInt::fromText(text, value); rc != code::Ok) return rc;
    if (denominator && value.isZero()) return code::Singular;

    auto& matrix = std::get<IntegerMatrix>(data_);
    if (denominator && value.isNegative()) {
        // Every numerator changes sign too, so the whole matrix is saved.
        IntegerMatrix negated = matrix;
        for (BigInt& numerator : negated.numerators)
            numerator = -numerator;
        negated.denominator = -value;
        commit(std::move(negated),
               {TUndoRec::CellChanged, row, col, TUndoRec::SavedContents{matrix}});
        return code::Ok;
    }
    BigInt& cell = slices::entry(matrix, row, col);
    push({TUndoRec::CellChanged, row, col, TUndoRec::SavedCell{cell}});
    entryChanged(cell, value);
    cell = std::move(value);
    modified_ = true;
    return code::Ok;
}

void MatrixDocument::setComplexCell(std::int32_t row, std::int32_t col, Complex value) {
    if (auto* real = std::get_if<RealMatrix>(&data_)) {
        long double& cell = real->at(row, col);
        push({TUndoRec::CellChanged, row, col, TUndoRec::SavedCell{cell}});
        entryChanged(cell, value.re);
        cell = value.re;
        modified_ = true;
        return;
    }
    Complex& cell = std::get<ComplexMatrix>(data_).at(row, col);
    push({TUndoRec::CellChanged, row, col, TUndoRec::SavedCell{cell}});
    entryChanged(cell, value);
    cell = value;
    modified_ = true;
}

std::optional<MatrixDocument::Cell> MatrixDocument::nextEditCell(Cell current) const {
    if (autoAdvance_) {
        if (current.row + 1 < Rows()) return Cell{current.row + 1, current.col};
        if (current.col + 1 < Cols()) return Cell{0, current.col + 1};
        return std::nullopt;
    }
    if (current.col + 1 < Cols()) return Cell{current.row, current.col + 1};
    if (current.row + 1 < Rows()) return Cell{current.row + 1, 0};
    return std::nullopt;
}

}  // namespace lorvex
