#include "workspace/matrix_export.h"

#include <cstdint>

#include "engine/rational.h"
#include "engine/result_codes.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::int64_t kPlainTextLimit = 64000;

// An entry of a matrix shown in fractions: \frac{p}{q} with the sign in front.
std::string texFraction(const MatrixDocument& document, std::int32_t row, std::int32_t col) {
    const auto index = static_cast<std::size_t>(row) * static_cast<std::size_t>(document.Cols()) +
                       static_cast<std::size_t>(col);
    const Fraction value =
        reduce({document.ICells()[index], document.Denominator()}, StopCheck::never());
    if (value.denominator == BigInt(1)) return value.numerator.toText();
    const bool negative = value.numerator.isNegative();
    return std::string(negative ? "-" : "") + "\\frac{" +
           (negative ? -value.numerator : value.numerator).toText() + "}{" +
           value.denominator.toText() + "}";
}

}  // namespace

std::string texMatrix(const MatrixDocument& document, TexDelimiter delimiter,
                      TexAlignment alignment) {
    static constexpr std::string_view kLeft[] = {"", "\\left(", "\\left[", "\\left|"};
    static constexpr std::string_view kRight[] = {"", "\\right)", "\\right]", "\\right|"};
    const auto which = static_cast<std::size_t>(delimiter);

    std::string text;
    const bool fractions = document.showsFractions();
    if (!fractions && document.isInteger() && document.Denominator() != BigInt(1)) {
        text += "{1\\over " + document.entryText(document.Rows(), 0) + "}\\,";
    }
    text += kLeft[which];
    text += "\\matrix{";
    text += kLineEnd;
    for (std::int32_t row = 0; row < document.Rows(); ++row) {
        for (std::int32_t col = 0; col < document.Cols(); ++col) {
            if (col > 0) text += '&';
            if (alignment == TexAlignment::Right) text += "\\hfill ";
            text += fractions ? texFraction(document, row, col) : document.entryText(row, col);
            if (alignment == TexAlignment::Left) text += "\\hfill";
        }
        text += "\\cr";
        text += kLineEnd;
    }
    text += '}';
    text += kRight[which];
    text += kLineEnd;
    return text;
}

int plainTextTable(const MatrixDocument& document, std::string& text) {
    const std::int64_t width = document.displayWidth();
    if ((width + 2) * (document.Rows() + 1) * static_cast<std::int64_t>(document.Cols()) >
        kPlainTextLimit) {
        return code::NoMoreRoom;
    }
    std::string table;
    for (std::int32_t row = 0; row < document.Rows(); ++row) {
        for (std::int32_t col = 0; col < document.Cols(); ++col) {
            const std::string entry = document.entryText(row, col);
            const std::size_t characters = utf8Length(entry);
            if (characters < static_cast<std::size_t>(width)) {
                table.append(static_cast<std::size_t>(width) - characters, ' ');
            }
            table += entry;
            table += "  ";
        }
        table += kLineEnd;
    }
    text = std::move(table);
    return code::Ok;
}

}  // namespace lorvex
