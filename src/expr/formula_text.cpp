#include "expr/formula_text.h"

#include <charconv>
#include <cmath>
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

}  // namespace lorvex
