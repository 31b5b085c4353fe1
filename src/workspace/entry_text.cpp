// The one routine that turns an entry into text, and the field width that
// follows from the entries.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "engine/rational.h"
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

// The characters of an integer written whole: its digits and a minus sign.
std::size_t textLength(const BigInt& value) {
    const auto& digits = value.digits();
    std::size_t length = 4 * (digits.size() - 1) + (value.isNegative() ? 1 : 0);
    unsigned top = digits.back();
    do {
        ++length;
        top /= 10;
    } while (top > 0);
    return length;
}

// The part before the first point, or the whole text when there is none.
std::size_t lengthBeforePoint(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? text.size() : point;
}

Complex asComplex(long double value) {
    return Complex{value, 0.0L};
}
Complex asComplex(const Complex& value) {
    return value;
}

// The entries of a real or complex matrix, to `use`.
template <class Use>
auto withCells(const MatrixData& data, Use use) {
    if (const auto* real = std::get_if<RealMatrix>(&data)) return use(real->cells);
    return use(std::get<ComplexMatrix>(data).cells);
}

// The largest `measure` of the entries' texts. Where the measure looks at
// nothing but a finite real part written with fixedPointText, it grows with the
// magnitude within each sign (the rounding to the decimals never lowers a
// larger magnitude), so only the largest magnitude written with a minus sign
// and the largest without one are written; every other entry is written on
// its own. Writing a million entries would take most of the time of making
// a large matrix.
template <class Cell, class TextOf, class Measure>
std::size_t widestMeasure(const std::vector<Cell>& cells, bool byRealPart, int decimals,
                          std::size_t widest, TextOf textOf, Measure measure) {
    long double largest = -1.0L;
    long double largestNegative = -1.0L;
    for (const Cell& cell : cells) {
        const Complex value = asComplex(cell);
        if (byRealPart && std::isfinite(value.re)) {
            if (std::signbit(value.re)) {
                largestNegative = std::max(largestNegative, -value.re);
            } else {
                largest = std::max(largest, value.re);
            }
            continue;
        }
        widest = std::max(widest, measure(textOf(value)));
    }
    if (largest >= 0.0L) widest = std::max(widest, measure(fixedPointText(largest, decimals)));
    if (largestNegative >= 0.0L)
        widest = std::max(widest, measure(fixedPointText(-largestNegative, decimals)));
    return widest;
}

}  // namespace

// Each part of a fraction is cut as a numerator would be, so that one huge
// entry cannot widen every column beyond reading.
std::string MatrixDocument::fractionText(std::int32_t row, std::int32_t col) const {
    const auto& integer = std::get<IntegerMatrix>(data_);
    const Fraction value = reduce({integer.at(row, col), integer.denominator}, StopCheck::never());
    const BigInt::TextFormat cut{.maxLength = kWidestExactField};
    std::string text = value.numerator.toText(cut);
    if (value.denominator != BigInt(1)) text += "/" + value.denominator.toText(cut);
    return text;
}

std::string MatrixDocument::rawEntryText(std::int32_t row, std::int32_t col) const {
    if (showsFractions() && row < Rows()) return fractionText(row, col);
    const std::int32_t width = displayWidth();
    if (const auto* integer = std::get_if<IntegerMatrix>(&data_)) {
        const BigInt& value = row == integer->rows ? integer->denominator : integer->at(row, col);
        return value.toText({.maxLength = width});
    }
    const Complex value = complexEntry(row, col);
    std::string text = kind_ == ElementKind::Complex ? complexText(value, decimals_)
                                                     : fixedPointText(value.re, decimals_);
    if (text.size() > static_cast<std::size_t>(width)) text.resize(static_cast<std::size_t>(width));
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
    displayWidthChanged();
    if (isInteger()) {
        fieldWidth_ = 8;
        return;
    }
    const bool complex = kind_ == ElementKind::Complex;
    const auto textOf = [&](Complex value) {
        return complex ? complexText(value, decimals_) : fixedPointText(value.re, decimals_);
    };
    // With decimals, the first point of a complex entry is its real part's.
    const std::size_t widest = withCells(data_, [&](const auto& cells) {
        return widestMeasure(cells, !complex || decimals_ > 0, decimals_, 1, textOf,
                             lengthBeforePoint);
    });
    const std::size_t width = kind_ == ElementKind::Complex
                                  ? 2 * widest + 2 * static_cast<std::size_t>(decimals_) + 7
                                  : widest + static_cast<std::size_t>(decimals_) + 2;
    fieldWidth_ = static_cast<std::int16_t>(std::min<std::size_t>(width, 32767));
}

std::int32_t MatrixDocument::displayWidth() const {
    if (!displayWidth_) displayWidth_ = widenedFieldWidth();
    return *displayWidth_;
}

// The width one entry asks the field for, as the full scan measures it.
std::int32_t MatrixDocument::widthFor(const BigInt& value) const {
    return static_cast<std::int32_t>(std::min<std::size_t>(textLength(value), kWidestExactField));
}

std::int32_t MatrixDocument::widthFor(const Complex& value) const {
    const bool complex = kind_ == ElementKind::Complex;
    const std::string text =
        complex ? complexText(value, decimals_) : fixedPointText(value.re, decimals_);
    return static_cast<std::int32_t>(
        std::min<std::size_t>(integerPartLength(text, decimals_, complex), 32767));
}

std::int32_t MatrixDocument::widthFor(long double value) const {
    return widthFor(Complex{value, 0.0L});
}

// Cutting an entry at the field width may drop decimals, but digits before the
// decimal point would make the number shown plainly wrong (123456789 shown
// as 12345678), so the field grows instead. So does the field of an exact
// matrix, whose "..." hides all the digits after it.
std::int32_t MatrixDocument::widenedFieldWidth() const {
    if (showsFractions()) {
        std::size_t widest = 1;
        for (std::int32_t row = 0; row < Rows(); ++row) {
            for (std::int32_t col = 0; col < Cols(); ++col)
                widest = std::max(widest, fractionText(row, col).size());
        }
        return static_cast<std::int32_t>(widest);
    }
    if (const auto* integer = std::get_if<IntegerMatrix>(&data_)) {
        std::size_t longest = textLength(integer->denominator);
        for (const BigInt& numerator : integer->numerators)
            longest = std::max(longest, textLength(numerator));
        return std::max<std::int32_t>(fieldWidth_, static_cast<std::int32_t>(std::min<std::size_t>(
                                                       longest, kWidestExactField)));
    }
    const bool complex = kind_ == ElementKind::Complex;
    const auto textOf = [&](Complex value) {
        return complex ? complexText(value, decimals_) : fixedPointText(value.re, decimals_);
    };
    const auto measure = [&](const std::string& text) {
        return integerPartLength(text, decimals_, complex);
    };
    // A complex entry's last point is in its imaginary part: every entry counts.
    const std::size_t needed = withCells(data_, [&](const auto& cells) {
        return widestMeasure(cells, !complex, decimals_, static_cast<std::size_t>(fieldWidth_),
                             textOf, measure);
    });
    return static_cast<std::int32_t>(std::min<std::size_t>(needed, 32767));
}

}  // namespace lorvex
