// The golden cases of both expression languages: every line of
// data/scalar_cases.txt and data/calc_cases.txt is one input with its mode,
// its variables or matrices, and the value or code worked out independently
// (see the generate_*.py scripts beside them).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/bigint.h"
#include "engine/complex.h"
#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "expr/fake_matrix_source.h"
#include "expr/pars_win.h"

namespace lorvex {
namespace {

// One golden line with the mode and matrices in force where it stands.
struct GoldenCase {
    std::string file;
    int line;
    std::string text;
    std::vector<std::string> setup;
};

std::vector<GoldenCase> readCases(const std::string& file) {
    std::ifstream in(std::string(LORVEX_EXPR_DATA_DIR) + "/" + file);
    std::vector<GoldenCase> cases;
    std::vector<std::string> setup;
    int number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        if (text.empty() || text.front() == '#') continue;
        if (text.rfind("mode ", 0) == 0) setup.clear();
        if (text.rfind("mode ", 0) == 0 || text.rfind("let ", 0) == 0) {
            setup.push_back(text);
        } else {
            cases.push_back(GoldenCase{file, number, text, setup});
        }
    }
    return cases;
}

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.text;
}

// "scalar_cases_txt_line_42": the file and line a failing case stands on.
std::string caseName(const ::testing::TestParamInfo<GoldenCase>& info) {
    std::string name = info.param.file + "_line_" + std::to_string(info.param.line);
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// "RE" or "RE,IM".
Complex complexNumber(const std::string& text) {
    const std::size_t comma = text.find(',');
    const long double re = std::strtold(text.c_str(), nullptr);
    if (comma == std::string::npos) return Complex{re, 0.0L};
    return Complex{re, std::strtold(text.c_str() + comma + 1, nullptr)};
}

bool near(Complex got, Complex expected, long double tolerance) {
    return size(got - expected) <= tolerance * size(expected);
}

std::string show(Complex z) {
    std::ostringstream out;
    out.precision(21);
    out << z.re << "," << z.im;
    return out.str();
}

// A golden line "INPUT => EXPECTED", where EXPECTED is "code N" or a value
// ("fails", a number, "scalar N" or matrix rows) with options "tol T" and
// "after VAR=VALUE...".
struct Line {
    std::string input;
    std::optional<int> code;
    std::string value;
    long double tolerance = 1e-15L;
    std::vector<std::string> after;
};

Line parse(const std::string& text) {
    const std::size_t arrow = text.rfind(" => ");
    Line line;
    line.input = text.substr(0, arrow);
    const std::vector<std::string> parts = words(text.substr(arrow + 4));
    if (parts.at(0) == "code") {
        line.code = std::stoi(parts.at(1));
        return line;
    }
    std::size_t i = 0;
    for (; i < parts.size() && parts[i] != "tol" && parts[i] != "after"; ++i)
        line.value += (line.value.empty() ? "" : " ") + parts[i];
    for (; i < parts.size(); ++i) {
        if (parts[i] == "tol") line.tolerance = std::strtold(parts.at(++i).c_str(), nullptr);
        if (parts[i].find('=') != std::string::npos) line.after.push_back(parts[i]);
    }
    return line;
}

// The code, or Ok and the value, of a scalar result.
void checkScalar(int rc, Complex value, const Line& expected) {
    if (expected.code) {
        EXPECT_EQ(rc, *expected.code);
        return;
    }
    ASSERT_EQ(rc, code::Ok);
    EXPECT_TRUE(near(value, complexNumber(expected.value), expected.tolerance))
        << "got " << show(value);
}

class GoldenScalarCases : public ::testing::TestWithParam<GoldenCase> {};

// "MODE VAR=VALUE... :: FORMULA => EXPECTED"
TEST_P(GoldenScalarCases, FormulaHasItsValueOrCode) {
    Line line = parse(GetParam().text);
    const std::size_t colons = line.input.find(" :: ");
    const std::vector<std::string> head = words(line.input.substr(0, colons));
    RandomGenerator random(20240601);
    TParsWin parser(random);
    parser.setComplexMode(head.at(0) == "complex");
    for (std::size_t i = 1; i < head.size(); ++i)
        parser.setVariable(head[i][0], complexNumber(head[i].substr(2)));

    // Compile and Evaluate share the code 1, so each is checked on its own.
    std::unique_ptr<ExprNode> tree;
    const int rc = parser.Compile(line.input.substr(colons + 4), tree);
    if (line.code) {
        EXPECT_EQ(rc, *line.code);
        return;
    }
    ASSERT_EQ(rc, code::Ok);
    const int evaluation = parser.Evaluate(tree.get());
    if (line.value == "fails") {
        EXPECT_EQ(evaluation, TParsWin::kEvaluationFailed);
    } else {
        checkScalar(evaluation, tree->value, line);
    }
    for (const std::string& variable : line.after) {
        EXPECT_TRUE(near(parser.variable(variable[0]), complexNumber(variable.substr(2)), 0))
            << variable;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, GoldenScalarCases,
                         ::testing::ValuesIn(readCases("scalar_cases.txt")), caseName);

std::vector<std::vector<std::string>> rows(const std::string& text) {
    std::vector<std::vector<std::string>> result;
    std::istringstream in(text);
    for (std::string row; std::getline(in, row, ';');)
        result.push_back(words(row));
    return result;
}

// "N" or "N/D".
Fraction fraction(const std::string& text) {
    const std::size_t slash = text.find('/');
    Fraction f{BigInt(1), BigInt(1)};
    EXPECT_EQ(BigInt::fromText(text.substr(0, slash), f.numerator), code::Ok) << text;
    if (slash != std::string::npos) {
        EXPECT_EQ(BigInt::fromText(text.substr(slash + 1), f.denominator), code::Ok) << text;
    }
    return f;
}

bool sameFraction(const Fraction& a, const Fraction& b) {
    return a.numerator * b.denominator == b.numerator * a.denominator;
}

// Exact results are stored reduced, over a positive denominator.
void expectReduced(const std::vector<BigInt>& numerators, const BigInt& denominator) {
    EXPECT_GT(denominator.sign(), 0);
    BigInt common = denominator;
    for (const BigInt& numerator : numerators)
        common = BigInt::gcd(common, numerator, StopCheck::never());
    EXPECT_TRUE(common.isOne()) << "common factor " << common.toText();
}

// Calculation cases: one section per mode with its lettered matrices, then
// "calc FORMULA", "scalar FORMULA" or "cell [z=VALUE] FORMULA" => EXPECTED.
class GoldenCalcCases : public ::testing::TestWithParam<GoldenCase> {
  protected:
    MatrixData matrix(const std::string& text) const {
        const auto elements = rows(text);
        const auto r = static_cast<std::int32_t>(elements.size());
        const auto c = static_cast<std::int32_t>(elements.front().size());
        if (!integer_) {
            ComplexMatrix m(r, c);
            for (std::int32_t k = 0; k < r * c; ++k)
                m.at(k / c, k % c) = complexNumber(elements[k / c][k % c]);
            return m;
        }
        // Over the product of the denominators; the matrices of the cases are small.
        IntegerMatrix m(r, c);
        m.denominator = BigInt(1);
        for (std::int32_t k = 0; k < r * c; ++k)
            m.denominator *= fraction(elements[k / c][k % c]).denominator;
        for (std::int32_t k = 0; k < r * c; ++k) {
            const Fraction f = fraction(elements[k / c][k % c]);
            m.at(k / c, k % c) = BigInt::divideExactly(f.numerator * m.denominator, f.denominator,
                                                       StopCheck::never());
        }
        return m;
    }

    void checkMatrix(const CalcNode& root, const Line& expected) const {
        ASSERT_TRUE(root.isMatrix());
        const auto elements = rows(expected.value);
        const auto r = static_cast<std::int32_t>(elements.size());
        const auto c = static_cast<std::int32_t>(elements.front().size());
        const auto shape = [](const auto& m) { return std::pair(m.rows, m.cols); };
        ASSERT_EQ(std::visit(shape, *root.matrix), std::pair(r, c));
        if (integer_) {
            const auto& m = std::get<IntegerMatrix>(*root.matrix);
            expectReduced(m.numerators, m.denominator);
            for (std::int32_t k = 0; k < r * c; ++k) {
                EXPECT_TRUE(sameFraction({m.numerators[k], m.denominator},
                                         fraction(elements[k / c][k % c])))
                    << "(" << k / c << "," << k % c << ") " << m.numerators[k].toText() << "/"
                    << m.denominator.toText();
            }
            return;
        }
        const auto& m = std::get<ComplexMatrix>(*root.matrix);
        long double largest = 0;
        for (std::int32_t k = 0; k < r * c; ++k)
            largest = std::max(largest, size(complexNumber(elements[k / c][k % c])));
        for (std::int32_t k = 0; k < r * c; ++k) {
            EXPECT_LE(size(m.cells[k] - complexNumber(elements[k / c][k % c])),
                      expected.tolerance * largest)
                << "(" << k / c << "," << k % c << ") got " << show(m.cells[k]);
        }
    }

    void checkCalculation(const Line& line) const {
        std::unique_ptr<CalcNode> tree;
        int rc = CompileCalc(line.input, integer_, tree);
        if (rc == code::Ok) rc = EvalCalc(tree.get(), source_);
        if (line.code) {
            EXPECT_EQ(rc, *line.code);
            return;
        }
        ASSERT_EQ(rc, code::Ok);
        if (line.value.rfind("scalar ", 0) != 0) {
            checkMatrix(*tree, line);
            return;
        }
        ASSERT_FALSE(tree->isMatrix());
        Line scalar = line;
        scalar.value.erase(0, 7);
        if (!integer_) {
            checkScalar(rc, tree->value, scalar);
            return;
        }
        EXPECT_TRUE(sameFraction(tree->exact, fraction(scalar.value)))
            << tree->exact.numerator.toText() << "/" << tree->exact.denominator.toText();
        expectReduced({tree->exact.numerator}, tree->exact.denominator);
    }

    bool integer_ = false;
    test::FakeMatrixSource source_;
};

TEST_P(GoldenCalcCases, CalculationHasItsResultOrCode) {
    for (const std::string& text : GetParam().setup) {
        if (text.rfind("mode ", 0) == 0) integer_ = text == "mode integer";
        if (text.rfind("let ", 0) == 0) source_.set(text[4], matrix(text.substr(8)));
    }
    const std::string& text = GetParam().text;
    const std::string keyword = text.substr(0, text.find(' '));
    Line line = parse(text.substr(keyword.size() + 1));
    Complex value;
    if (keyword == "calc") {
        checkCalculation(line);
    } else if (keyword == "scalar") {
        checkScalar(EvalScalarText(line.input, source_, value), value, line);
    } else {
        Complex z;
        if (line.input.rfind("z=", 0) == 0) {
            const std::size_t space = line.input.find(' ');
            z = complexNumber(line.input.substr(2, space - 2));
            line.input.erase(0, space + 1);
        }
        checkScalar(ConstCalc(line.input, z, value), value, line);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, GoldenCalcCases, ::testing::ValuesIn(readCases("calc_cases.txt")),
                         caseName);

// A file cut short or not found would leave its cases untested.
TEST(GoldenFiles, HoldAllTheirCases) {
    EXPECT_GE(readCases("scalar_cases.txt").size(), 150u);
    EXPECT_GE(readCases("calc_cases.txt").size(), 80u);
}

}  // namespace
}  // namespace lorvex
