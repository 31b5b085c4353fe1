#pragma once

#include <string>

#include "workspace/matrix_document.h"

// A matrix handed on as text: a plain-TeX matrix and a plain-text table, both
// made of the entries exactly as the window shows them.
namespace lorvex {

enum class TexDelimiter { None = 0, Parentheses = 1, Brackets = 2, Bars = 3 };
enum class TexAlignment { Left = 0, Centred = 1, Right = 2 };

// The TeX text, every line ended by CR LF. An integer matrix whose
// denominator is not 1 is preceded by the fraction {1\over d}\, , unless it
// shows fractions: then each entry is \frac{p}{q} (-\frac{p}{q} when negative).
std::string texMatrix(const MatrixDocument& document, TexDelimiter delimiter,
                      TexAlignment alignment);

// The plain-text table: every entry right-aligned in displayWidth characters and
// followed by two blanks, rows ended by CR LF, no denominator. Returns
// code::Ok, or code::NoMoreRoom when (displayWidth + 2)(Rows + 1)Cols exceeds
// 64000 (the text is then left alone).
[[nodiscard]] int plainTextTable(const MatrixDocument& document, std::string& text);

}  // namespace lorvex
