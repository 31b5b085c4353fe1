#include "engine/polynomial.h"

#include <utility>

#include "engine/tolerances.h"

namespace lorvex::polynomial {

Complex evaluate(const Coefficients& p, Complex z) {
    Complex value = p.front();
    for (std::size_t i = 1; i < p.size(); ++i)
        value = value * z + p[i];
    return value;
}

Coefficients derivative(const Coefficients& p) {
    const std::int32_t n = degree(p);
    if (n == 0) return Coefficients{ZERO};
    Coefficients result(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        const auto exponent = static_cast<long double>(n - i);
        result[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i)] * Complex{exponent};
    }
    return result;
}

std::optional<Division> divide(const Coefficients& dividend, const Coefficients& divisor) {
    const Complex leading = divisor.front();
    if (size(leading) < kZeroTolerance) return std::nullopt;
    const std::int32_t dividendDegree = degree(dividend);
    const std::int32_t divisorDegree = degree(divisor);
    if (dividendDegree < divisorDegree) return Division{Coefficients{ZERO}, dividend};

    Coefficients rest = dividend;
    Coefficients quotient(static_cast<std::size_t>(dividendDegree - divisorDegree) + 1);
    for (std::size_t i = 0; i < quotient.size(); ++i) {
        const Complex factor = rest[i] / leading;
        quotient[i] = factor;
        for (std::size_t j = 0; j < divisor.size(); ++j)
            rest[i + j] = rest[i + j] - divisor[j] * factor;
    }
    auto first = rest.begin() + static_cast<std::ptrdiff_t>(quotient.size());
    while (first != rest.end() && size(*first) <= kZeroTolerance)
        ++first;
    Coefficients remainder(first, rest.end());
    if (remainder.empty()) remainder.push_back(ZERO);
    return Division{std::move(quotient), std::move(remainder)};
}

Coefficients greatestCommonDivisor(const Coefficients& p, const Coefficients& q) {
    Coefficients a = p;
    Coefficients b = q;
    Coefficients result{ONE};
    const std::int32_t maximumDivisions = degree(p) + degree(q) + 1;
    for (std::int32_t count = 0; count < maximumDivisions; ++count) {
        std::optional<Division> division = divide(a, b);
        if (!division) break;
        Coefficients& remainder = division->remainder;
        if (size(remainder.front()) < kPolynomialTolerance) {
            result = std::move(b);
            break;
        }
        if (degree(remainder) < 1) break;
        a = std::move(b);
        b = std::move(remainder);
    }
    const Complex constant = result.back();
    if (constant.re * constant.re + constant.im * constant.im >= kZeroTolerance) {
        for (Complex& c : result)
            c = c / constant;
    }
    return result;
}

std::vector<std::int32_t> multiplicities(const Coefficients& p, const std::vector<Complex>& roots) {
    const std::int32_t n = degree(p);
    std::vector<std::int32_t> counts(roots.size(), 1);
    auto total = static_cast<std::int32_t>(roots.size());
    Coefficients derived = p;
    for (std::int32_t order = 1; order <= n && total < n; ++order) {
        derived = derivative(derived);
        for (std::size_t r = 0; r < roots.size() && total < n; ++r) {
            // A root where an earlier derivative did not vanish is simple
            // enough already; a later derivative that happens to vanish there
            // says nothing about it.
            if (counts[r] != order) continue;
            if (size(evaluate(derived, roots[r])) < kPolynomialTolerance) {
                ++counts[r];
                ++total;
            }
        }
    }
    return counts;
}

}  // namespace lorvex::polynomial
