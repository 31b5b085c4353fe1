#include "workspace/polynomial_report.h"

#include <algorithm>
#include <cmath>

#include "engine/result_codes.h"
#include "workspace/language.h"
#include "workspace/number_text.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr long double kShownImaginary = 1e-13L;

std::string cut(std::string text, std::size_t length) {
    if (text.size() > length) text.resize(length);
    return text;
}

// The part that stands before the decimal point, or the whole text.
std::size_t integerPartLength(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? text.size() : point;
}

// "3: " right-aligned in the four characters of "grau".
std::string exponentLabel(std::size_t exponent) {
    std::string label = std::to_string(exponent) + ": ";
    if (label.size() > 4) return label.substr(0, 4);
    return std::string(4 - label.size(), ' ') + label;
}

}  // namespace

std::string polynomialReport(const std::vector<Complex>* coefficients,
                             const std::vector<PolynomialRoot>& roots, int decimals, int fieldWidth,
                             bool complexMode) {
    const std::string_view title = strings::byId(strings::id::CharacteristicPolynomial);
    std::string text(title);
    text += kLineEnd;
    text += "--" + std::string(utf8Length(title), '-');
    text += kLineEnd;
    if (coefficients == nullptr) return text + std::string(strings::message(code::CannotCalculate));

    text += localized("grau  coeficiente");
    text += kLineEnd;
    const auto limit = static_cast<std::size_t>(2 * fieldWidth);
    std::vector<std::string> written;
    std::size_t widestInteger = 0;
    for (const Complex& c : *coefficients) {
        written.push_back(
            cut(complexMode ? complexText(c, decimals) : fixedPointText(c.re, decimals), limit));
        widestInteger = std::max(widestInteger, integerPartLength(written.back()));
    }
    const std::size_t degree = coefficients->size() - 1;
    for (std::size_t i = 0; i < written.size(); ++i) {
        text += exponentLabel(degree - i) + "  ";
        text += std::string(widestInteger - integerPartLength(written[i]), ' ') + written[i];
        text += kLineEnd;
    }

    text += kLineEnd;
    text += localized("raizes");
    text += kLineEnd;
    const auto rootLimit =
        static_cast<std::size_t>(2 * (2 * (decimals + static_cast<int>(widestInteger)) + 7));
    for (const PolynomialRoot& root : roots) {
        const bool imaginary = std::fabs(root.value.im) > kShownImaginary;
        text += cut(
            imaginary ? complexText(root.value, decimals) : fixedPointText(root.value.re, decimals),
            rootLimit);
        if (root.multiplicity > 1) {
            text += std::string(localized(" (multiplicidade ")) +
                    std::to_string(root.multiplicity) + ")";
        }
        text += kLineEnd;
    }
    return text;
}

}  // namespace lorvex
