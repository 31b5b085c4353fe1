#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/bigint.h"
#include "engine/matrix_data.h"

namespace lorvex::test {

inline ComplexMatrix realMatrix(std::initializer_list<std::initializer_list<long double>> rows) {
    ComplexMatrix m(static_cast<std::int32_t>(rows.size()),
                    static_cast<std::int32_t>(rows.begin()->size()));
    std::int32_t i = 0;
    for (const auto& row : rows) {
        std::int32_t j = 0;
        for (long double value : row)
            m.at(i, j++) = Complex{value, 0.0L};
        ++i;
    }
    return m;
}

// Real coefficients or values as complex numbers.
inline std::vector<Complex> reals(std::initializer_list<long double> values) {
    std::vector<Complex> c;
    for (long double v : values)
        c.push_back(Complex{v, 0.0L});
    return c;
}

inline BigInt big(const std::string& text) {
    BigInt value;
    BigInt::fromText(text, value);
    return value;
}

inline IntegerMatrix integerMatrix(std::initializer_list<std::initializer_list<long long>> rows,
                                   long long denominator = 1) {
    IntegerMatrix m(static_cast<std::int32_t>(rows.size()),
                    static_cast<std::int32_t>(rows.begin()->size()));
    std::int32_t i = 0;
    for (const auto& row : rows) {
        std::int32_t j = 0;
        for (long long value : row)
            m.at(i, j++) = BigInt(value);
        ++i;
    }
    m.denominator = BigInt(denominator);
    return m;
}

}  // namespace lorvex::test
