#include "workspace/paste.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <new>

#include "engine/result_codes.h"

namespace lorvex {
namespace {

bool isFieldCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// Walks the text once, calling onField(row, column, field) for every field,
// and returns the number of rows and the largest number of fields on a row.
template <class OnField>
void scanFields(std::string_view text, std::uint64_t& rows, std::uint64_t& cols,
                OnField&& onField) {
    rows = 0;
    cols = 0;
    std::uint64_t fieldsOnLine = 0;
    const auto endLine = [&] {
        if (fieldsOnLine > 0) ++rows;
        cols = std::max(cols, fieldsOnLine);
        fieldsOnLine = 0;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (isFieldCharacter(c)) {
            const std::size_t start = i;
            while (i < text.size() && isFieldCharacter(text[i]))
                ++i;
            onField(rows, fieldsOnLine, text.substr(start, i - start));
            ++fieldsOnLine;
            continue;
        }
        if (c == '\n') endLine();
        ++i;
    }
    endLine();
}

// A decimal number whose conversion is out of range overflowed when a
// non-zero digit stands before the decimal point, and underflowed otherwise.
bool hasNonZeroIntegerDigit(std::string_view number) {
    for (const char c : number) {
        if (c == '.') return false;
        if (c >= '1' && c <= '9') return true;
    }
    return false;
}

}  // namespace

long double pastedFieldValue(std::string_view field) {
    long double value = 0.0L;
    const char* const end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value, std::chars_format::fixed);
    if (error == std::errc::invalid_argument) return 0.0L;
    if (error == std::errc::result_out_of_range) {
        const std::string_view number =
            field.substr(0, static_cast<std::size_t>(stop - field.data()));
        const bool negative = number.front() == '-';
        const long double magnitude =
            hasNonZeroIntegerDigit(number) ? std::numeric_limits<long double>::infinity() : 0.0L;
        return negative ? -magnitude : magnitude;
    }
    return value;
}

int scanPastedText(std::string_view text, ComplexMatrix& block) {
    std::uint64_t rows = 0;
    std::uint64_t cols = 0;
    scanFields(text, rows, cols, [](std::uint64_t, std::uint64_t, std::string_view) {});
    if (rows == 0) return code::NothingToDo;
    if (rows > kMaxPastedEntries || cols > kMaxPastedEntries || rows * cols > kMaxPastedEntries) {
        return code::OutOfRange;
    }
    try {
        ComplexMatrix filled(static_cast<std::int32_t>(rows), static_cast<std::int32_t>(cols));
        scanFields(
            text, rows, cols, [&](std::uint64_t row, std::uint64_t column, std::string_view field) {
                filled.at(static_cast<std::int32_t>(row), static_cast<std::int32_t>(column)).re =
                    pastedFieldValue(field);
            });
        block = std::move(filled);
        return code::Ok;
    } catch (const std::bad_alloc&) {
        return code::OutOfMemory;
    }
}

}  // namespace lorvex
