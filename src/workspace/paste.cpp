#include "workspace/paste.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <optional>
#include <string>

#include "engine/result_codes.h"

namespace lorvex {
namespace {

bool isFieldCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// The length of the run of field characters that `text` begins with.
std::size_t leadingFieldLength(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isFieldCharacter(text[length]))
        ++length;
    return length;
}

// The number of rows of a text and the largest number of fields on a row.
struct FieldCounts {
    std::uint64_t rows = 0;
    std::uint64_t cols = 0;
};

// Walks the text once, calling onField(row, column, field) for every field.
template <class OnField>
FieldCounts scanFields(std::string_view text, OnField&& onField) {
    FieldCounts counts;
    std::uint64_t fieldsOnLine = 0;
    const auto endLine = [&] {
        if (fieldsOnLine > 0) ++counts.rows;
        counts.cols = std::max(counts.cols, fieldsOnLine);
        fieldsOnLine = 0;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (isFieldCharacter(c)) {
            const std::size_t length = leadingFieldLength(text.substr(i));
            onField(counts.rows, fieldsOnLine, text.substr(i, length));
            ++fieldsOnLine;
            i += length;
            continue;
        }
        if (c == '\n') endLine();
        ++i;
    }
    endLine();
    return counts;
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

constexpr int kMantissaBits = std::numeric_limits<long double>::digits;
constexpr std::uint64_t kExactIntegerLimit = kMantissaBits >= 64
                                                 ? std::numeric_limits<std::uint64_t>::max()
                                                 : (std::uint64_t{1} << kMantissaBits);

// The number of decimal digits every integer of which a long double holds
// exactly (19 for the x87 format).
constexpr int exactDecimalDigits() {
    int digits = 0;
    for (std::uint64_t power = 1; power <= kExactIntegerLimit / 10; power *= 10)
        ++digits;
    return digits;
}
// The largest k for which 10^k is exact: 5^k must fit the mantissa (27 for x87).
constexpr int exactPowersOfTen() {
    int k = 0;
    for (std::uint64_t power = 5; power <= kExactIntegerLimit / 5; power *= 5)
        ++k;
    return k + 1;
}
constexpr int kExactDigits = exactDecimalDigits();
constexpr int kExactPowers = exactPowersOfTen();
static_assert(kMantissaBits != 64 || (kExactDigits == 19 && kExactPowers == 27));

constexpr auto kPowersOfTen = [] {
    std::array<long double, kExactPowers + 1> powers{};
    powers[0] = 1.0L;
    for (std::size_t k = 1; k < powers.size(); ++k)
        powers[k] = powers[k - 1] * 10.0L;
    return powers;
}();

// The usual short number, such as 1234.5678, converted without the library:
// when its significant digits form an integer m held exactly and its decimals
// d give an exact 10^d, m / 10^d is one correctly rounded division, hence the
// nearest long double. Longer numbers give nothing and take the general path.
std::optional<long double> shortDecimal(std::string_view number) {
    std::size_t i = 0;
    const bool negative = !number.empty() && number[0] == '-';
    if (negative) ++i;
    std::uint64_t mantissa = 0;
    int significantDigits = 0;
    int decimals = 0;
    bool anyDigit = false;
    bool afterPoint = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        anyDigit = true;
        if (significantDigits > 0 || c != '0') {
            if (++significantDigits > kExactDigits) return std::nullopt;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        if (afterPoint) ++decimals;
    }
    if (!anyDigit) return 0.0L;
    if (decimals > kExactPowers) return std::nullopt;
    const long double value =
        static_cast<long double>(mantissa) / kPowersOfTen[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

}  // namespace

long double pastedFieldValue(std::string_view field) {
    const std::string_view characters = field.substr(0, leadingFieldLength(field));
    if (const auto value = shortDecimal(characters)) return *value;
    // The library's long double conversion may read its input as a C string,
    // so it gets a NUL-terminated copy.
    const std::string number(characters);
    long double value = 0.0L;
    const char* const end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (error == std::errc::invalid_argument) return 0.0L;
    if (error == std::errc::result_out_of_range) {
        const std::string_view converted(number.data(),
                                         static_cast<std::size_t>(stop - number.data()));
        const long double magnitude =
            hasNonZeroIntegerDigit(converted) ? std::numeric_limits<long double>::infinity() : 0.0L;
        return converted.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

int scanPastedText(std::string_view text, RealMatrix& block) {
    const auto [rows, cols] =
        scanFields(text, [](std::uint64_t, std::uint64_t, std::string_view) {});
    if (rows == 0) return code::NothingToDo;
    constexpr auto limit = static_cast<std::uint64_t>(kMaxMatrixEntries);
    if (rows > limit || cols > limit || rows * cols > limit) {
        return code::OutOfRange;
    }
    try {
        RealMatrix filled(static_cast<std::int32_t>(rows), static_cast<std::int32_t>(cols));
        bool allFinite = true;
        scanFields(text, [&](std::uint64_t row, std::uint64_t column, std::string_view field) {
            const long double value = pastedFieldValue(field);
            allFinite = allFinite && std::isfinite(value);
            filled.at(static_cast<std::int32_t>(row), static_cast<std::int32_t>(column)) = value;
        });
        // An infinity would poison every calculation with the matrix.
        if (!allFinite) return code::OutOfRange;
        block = std::move(filled);
        return code::Ok;
    } catch (const std::bad_alloc&) {
        return code::OutOfMemory;
    }
}

bool hasDecimalCommas(std::string_view text) {
    if (text.find(',') == std::string_view::npos || text.find('.') != std::string_view::npos)
        return false;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    bool commaInNumber = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ',') {
            if (i == 0 || i + 1 == text.size() || !isDigit(text[i - 1]) || !isDigit(text[i + 1]) ||
                commaInNumber) {
                return false;
            }
            commaInNumber = true;
        } else if (!isDigit(text[i])) {
            commaInNumber = false;
        }
    }
    return true;
}

std::string withDecimalPoints(std::string_view text) {
    std::string pointed(text);
    std::ranges::replace(pointed, ',', '.');
    return pointed;
}

}  // namespace lorvex
