#include "workspace/text_numbers.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace lorvex {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// Whether a number that from_chars found out of range is too large rather
// than too small: its first significant digit stands at a positive power of
// ten once the exponent is applied.
bool exceedsRange(std::string_view mantissa, std::int64_t exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const std::int64_t order = first < point ? static_cast<std::int64_t>(point - first)
                                             : -static_cast<std::int64_t>(first - point - 1);
    return order + exponent > 0;
}

}  // namespace

std::int32_t leadingInteger(std::string_view text) {
    std::size_t i = skipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit + 1) value = kLimit + 1;
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value > kLimit ? kLimit : value);
}

long double leadingDecimal(std::string_view text) {
    std::size_t i = skipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';

    // The longest prefix that is a number: digits, a point, digits, and an
    // exponent only when at least one digit follows its letter and sign.
    const std::size_t start = i;
    std::size_t end = skipDigits(text, start);
    std::size_t digits = end - start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        digits += fractionEnd - end - 1;
        end = fractionEnd;
    }
    if (digits == 0) return 0.0L;
    const std::size_t mantissaEnd = end;
    std::int64_t exponent = 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            negativeExponent = text[j++] == '-';
        const std::size_t exponentEnd = skipDigits(text, j);
        if (exponentEnd > j) {
            for (std::size_t k = j; k < exponentEnd && exponent < 100000; ++k)
                exponent = exponent * 10 + (text[k] - '0');
            if (negativeExponent) exponent = -exponent;
            end = exponentEnd;
        }
    }

    const std::string_view number = text.substr(start, end - start);
    long double value = 0.0L;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                               std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = exceedsRange(text.substr(start, mantissaEnd - start), exponent)
                    ? std::numeric_limits<long double>::infinity()
                    : 0.0L;
    } else if (error != std::errc{}) {
        value = 0.0L;
    }
    return negative ? -value : value;
}

}  // namespace lorvex
