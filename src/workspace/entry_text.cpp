// The one routine that turns an entry into text, and the field width that
// follows from the entries.

#include <algorithm>
#include <cstdio>
#include <string>

#include "workspace/matrix_document.h"
#include "workspace/number_text.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

// The characters that the field must show whole: everything before the last
// decimal point, or the whole number when there are no decimals.
std::size_t integerPartLength(const std::string& text, int decimals, bool complex) {
    const std::size_t point = text.rfind('.');
    if (decimals > 0 && point != std::string::npos) return point;
    return complex ? text.size() - 1 : text.size();
}

}  // namespace

std::string MatrixDocument::rawEntryText(std::int32_t row, std::int32_t col) const {
    if (isInteger()) {
        const BigInt& value = row == rows_ ? iCells_.back() : iCells_[cellIndex(row, col)];
        return value.toText({.maxLength = fieldWidth_});
    }
    const Complex value = cells_[cellIndex(row, col)];
    std::string text = kind_ == ElementKind::Complex ? complexText(value, decimals_)
                                                     : fixedPointText(value.re, decimals_);
    if (text.size() > static_cast<std::size_t>(fieldWidth_)) text.resize(fieldWidth_);
    return text;
}

std::string MatrixDocument::entryText(std::int32_t row, std::int32_t col) const {
    std::string text = rawEntryText(row, col);
    if (!longMinus_) return text;
    const std::string minus = windows1252ToUtf8(std::string(1, static_cast<char>(minusCode_)));
    std::string shown;
    for (const char c : text)
        shown += c == '-' ? minus : std::string(1, c);
    return shown;
}

void MatrixDocument::computeFieldWidth() {
    if (isInteger()) {
        fieldWidth_ = 8;
        return;
    }
    std::size_t widest = 1;
    for (const Complex& value : cells_) {
        const std::string text = kind_ == ElementKind::Complex
                                     ? complexText(value, decimals_)
                                     : fixedPointText(value.re, decimals_);
        widest =
            std::max(widest, text.find('.') == std::string::npos ? text.size() : text.find('.'));
    }
    const std::size_t width = kind_ == ElementKind::Complex
                                  ? 2 * widest + 2 * static_cast<std::size_t>(decimals_) + 7
                                  : widest + static_cast<std::size_t>(decimals_) + 2;
    fieldWidth_ = static_cast<std::int16_t>(std::min<std::size_t>(width, 32767));
}

// Cutting an entry at the field width may drop decimals, but digits before the
// decimal point would make the number shown plainly wrong (123456789 shown
// as 12345678), so the field grows instead.
void MatrixDocument::widenFieldForIntegerParts() {
    if (isInteger()) return;
    const bool complex = kind_ == ElementKind::Complex;
    std::size_t needed = static_cast<std::size_t>(fieldWidth_);
    for (const Complex& value : cells_) {
        const std::string text =
            complex ? complexText(value, decimals_) : fixedPointText(value.re, decimals_);
        needed = std::max(needed, integerPartLength(text, decimals_, complex));
    }
    fieldWidth_ = static_cast<std::int16_t>(std::min<std::size_t>(needed, 32767));
}

}  // namespace lorvex
