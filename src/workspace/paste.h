#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/matrix_data.h"
#include "workspace/matrix_limits.h"

namespace lorvex {

// Turns text (the clipboard's) into the real block of a matrix. Every run of
// the characters "0"-"9", "." and "-" is a field and one entry; any other
// character ends a field ("+", "e", "/", blanks, tabs, carriage returns and
// letters too). A field is worth the longest leading part of it that forms a
// decimal number ("1.5.2" is 1.5, "3-4" is 3, a lone "-" or "." is 0). Lines
// end at line feeds; each line with at least one field is one row, its
// entries from the left; lines without a field make no row. The block has as
// many columns as the longest row, shorter rows end in zeros. The whole text
// is read.
//
// Returns code::Ok with the block in `block`; code::NothingToDo when the text
// has no field at all (the paste then does nothing and shows nothing);
// code::OutOfRange when the table has more than 1 000 000 entries or a number
// too large for a long double; code::OutOfMemory. On every code but Ok, `block` is as it was.
[[nodiscard]] int scanPastedText(std::string_view text, RealMatrix& block);

// The value of one field: the longest leading part that forms a decimal
// number, converted to the nearest long double; 0 when there is none. Only
// the leading digits, "." and "-" are looked at, so "inf" or "nan" give 0. A
// number too large for a long double gives an infinity, one too small a zero.
long double pastedFieldValue(std::string_view field);

// Whether a text seems to write its numbers with decimal commas, as
// spreadsheets in Portuguese do ("1,5\t2,25"): there is a comma, every comma
// stands between two digits, no number holds two of them, and there is no
// decimal point.
bool hasDecimalCommas(std::string_view text);

// The text with every comma turned into a decimal point.
std::string withDecimalPoints(std::string_view text);

}  // namespace lorvex
