#include "expr/formula_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "engine/result_codes.h"

namespace lorvex {

int prepareFormulaText(std::string_view text, std::string& work) {
    if (text.empty()) return code::NothingToDo;
    work.clear();
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == ' ') continue;
        if (++characters > kMaxFormulaLength) return code::NotUnderstood;
        if (byte < 0x80) {
            work += (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 'a' + 'A')
                                                 : static_cast<char>(byte);
        } else if (byte == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) == 0xB2) {
            work += "^2";
            ++i;
        } else {
            return code::NotUnderstood;
        }
    }
    return code::Ok;
}

long double readDecimal(std::string_view run) {
    long double value = 0.0L;
    const auto [end, error] =
        std::from_chars(run.data(), run.data() + run.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Only a number with a non-zero digit before its point can be too large.
        const std::string_view whole = run.substr(0, run.find('.'));
        const bool large = whole.find_first_not_of('0') != std::string_view::npos;
        return large ? std::numeric_limits<long double>::infinity() : 0.0L;
    }
    return error == std::errc{} ? value : 0.0L;
}

namespace {

// Whether a number that from_chars found out of range is too large rather
// than too small: its first significant digit stands at a positive power of
// ten once the exponent is applied.
bool beyondLargest(std::string_view mantissa, std::int64_t exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const auto order = first < point ? static_cast<std::int64_t>(point - first)
                                     : -static_cast<std::int64_t>(first - point - 1);
    return order + exponent > 0;
}

}  // namespace

bool readTypedNumber(std::string_view text, long double& value) {
    const std::size_t mark = text.find_first_of("Ee");
    const std::string_view mantissa = text.substr(0, mark);
    const std::size_t digits = mantissa.find_first_of("0123456789");
    if (digits == std::string_view::npos ||
        mantissa.find_first_not_of("0123456789.") != std::string_view::npos ||
        std::ranges::count(mantissa, '.') > 1) {
        return false;
    }
    std::int64_t exponent = 0;
    if (mark != std::string_view::npos) {
        std::string_view power = text.substr(mark + 1);
        const bool negative = !power.empty() && power.front() == '-';
        if (!power.empty() && (power.front() == '-' || power.front() == '+'))
            power.remove_prefix(1);
        if (power.empty() || power.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        for (const char c : power)
            exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1000000);
        if (negative) exponent = -exponent;
    }
    long double read = 0.0L;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), read, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        read =
            beyondLargest(mantissa, exponent) ? std::numeric_limits<long double>::infinity() : 0.0L;
    } else if (error != std::errc{} || end != text.data() + text.size()) {
        return false;
    }
    value = read;
    return true;
}

}  // namespace lorvex
