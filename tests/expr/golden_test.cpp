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

long double number(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

// "RE" or "RE,IM".
Complex complexNumber(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return Complex{number(text), 0.0L};
    return Complex{number(text.substr(0, comma)), number(text.substr(comma + 1))};
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

// The expected part of a line: a code, a failure, or a value with options.
struct Expectation {
    std::optional<int> code;
    bool fails = false;
    std::string value;
    long double tolerance = 1e-15L;
    std::vector<std::string> after;  // VAR=VALUE
};

Expectation expectation(const std::string& text) {
    const std::vector<std::string> parts = words(text);
    Expectation e;
    std::size_t i = 0;
    if (parts.at(0) == "code") {
        e.code = std::stoi(parts.at(1));
        return e;
    }
    if (parts.at(0) == "fails") {
        e.fails = true;
    } else if (parts.at(0) == "scalar") {
        e.value = parts.at(++i);
    } else {
        // Matrix rows run up to the options.
        while (i < parts.size() && parts[i] != "tol" && parts[i] != "after")
            e.value += (e.value.empty() ? "" : " ") + parts[i++];
        --i;
    }
    for (++i; i < parts.size(); ++i) {
        if (parts[i] == "tol") {
            e.tolerance = number(parts.at(++i));
        } else if (parts[i] != "after") {
            e.after.push_back(parts[i]);
        }
    }
    return e;
}

struct Line {
    std::string head;
    std::string input;
    std::string expected;
};

// HEAD :: INPUT => EXPECTED, or KEYWORD INPUT => EXPECTED when separator is " ".
Line split(const std::string& line, const std::string& separator) {
    const std::size_t headEnd = line.find(separator);
    const std::size_t arrow = line.rfind(" => ");
    const std::size_t inputStart = headEnd + separator.size();
    return Line{line.substr(0, headEnd), line.substr(inputStart, arrow - inputStart),
                line.substr(arrow + 4)};
}

class GoldenScalarCases : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenScalarCases, FormulaHasItsValueOrCode) {
    const std::string& text = GetParam().text;
    const Line line = split(text, " :: ");
    const std::vector<std::string> head = words(line.head);
    RandomGenerator random(20240601);
    TParsWin parser(random);
    parser.setComplexMode(head.at(0) == "complex");
    for (std::size_t i = 1; i < head.size(); ++i)
        parser.setVariable(head[i][0], complexNumber(head[i].substr(2)));

    const Expectation expected = expectation(line.expected);
    std::unique_ptr<ExprNode> tree;
    const int rc = parser.Compile(line.input, tree);
    if (expected.code) {
        EXPECT_EQ(rc, *expected.code);
        return;
    }
    ASSERT_EQ(rc, code::Ok);
    const int evaluation = parser.Evaluate(tree.get());
    if (expected.fails) {
        EXPECT_EQ(evaluation, TParsWin::kEvaluationFailed);
    } else {
        ASSERT_EQ(evaluation, code::Ok);
        const Complex value = complexNumber(expected.value);
        EXPECT_TRUE(near(tree->value, value, expected.tolerance)) << "got " << show(tree->value);
    }
    for (const std::string& variable : expected.after) {
        EXPECT_TRUE(near(parser.variable(variable[0]), complexNumber(variable.substr(2)), 0))
            << variable;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, GoldenScalarCases,
                         ::testing::ValuesIn(readCases("scalar_cases.txt")), caseName);

// Calculation cases: one section per mode with its lettered matrices.
class CalcCases {
  public:
    void run(const std::string& text) {
        const std::string keyword = text.substr(0, text.find(' '));
        if (keyword == "mode") {
            mode_ = text.substr(5);
            source_.clear();
        } else if (keyword == "let") {
            source_.set(text[4], matrix(text.substr(8)));
        } else if (keyword == "calc") {
            checkCalculation(split(text, " "));
        } else if (keyword == "scalar") {
            checkScalarText(split(text, " "));
        } else {
            checkCell(text);
        }
    }

  private:
    bool integerMode() const { return mode_ == "integer"; }

    static std::vector<std::vector<std::string>> rows(const std::string& text) {
        std::vector<std::vector<std::string>> result;
        std::istringstream in(text);
        for (std::string row; std::getline(in, row, ';');)
            result.push_back(words(row));
        return result;
    }

    static BigInt big(const std::string& text) {
        BigInt value;
        EXPECT_EQ(BigInt::fromText(text, value), code::Ok) << text;
        return value;
    }

    // "N" or "N/D".
    static std::pair<BigInt, BigInt> fraction(const std::string& text) {
        const std::size_t slash = text.find('/');
        if (slash == std::string::npos) return {big(text), BigInt(1)};
        return {big(text.substr(0, slash)), big(text.substr(slash + 1))};
    }

    MatrixData matrix(const std::string& text) const {
        const auto elements = rows(text);
        const auto r = static_cast<std::int32_t>(elements.size());
        const auto c = static_cast<std::int32_t>(elements.front().size());
        if (!integerMode()) {
            ComplexMatrix m(r, c);
            for (std::int32_t i = 0; i < r; ++i) {
                for (std::int32_t j = 0; j < c; ++j)
                    m.at(i, j) = complexNumber(elements[i][j]);
            }
            return m;
        }
        // Over the product of the denominators; the matrices of the cases are small.
        IntegerMatrix m(r, c);
        BigInt common(1);
        for (const auto& row : elements) {
            for (const std::string& element : row)
                common *= fraction(element).second;
        }
        for (std::int32_t i = 0; i < r; ++i) {
            for (std::int32_t j = 0; j < c; ++j) {
                const auto [numerator, denominator] = fraction(elements[i][j]);
                m.at(i, j) =
                    BigInt::divideExactly(numerator * common, denominator, StopCheck::never());
            }
        }
        m.denominator = common;
        return m;
    }

    static bool sameFraction(const BigInt& n1, const BigInt& d1, const BigInt& n2,
                             const BigInt& d2) {
        return n1 * d2 == n2 * d1;
    }

    void checkMatrix(const CalcNode& root, const Expectation& expected) const {
        ASSERT_TRUE(root.isMatrix());
        const auto elements = rows(expected.value);
        if (integerMode()) {
            const auto& m = std::get<IntegerMatrix>(*root.matrix);
            ASSERT_EQ(m.rows, static_cast<std::int32_t>(elements.size()));
            ASSERT_EQ(m.cols, static_cast<std::int32_t>(elements.front().size()));
            EXPECT_GT(m.denominator.sign(), 0);
            for (std::int32_t i = 0; i < m.rows; ++i) {
                for (std::int32_t j = 0; j < m.cols; ++j) {
                    const auto [n, d] = fraction(elements[i][j]);
                    EXPECT_TRUE(sameFraction(m.at(i, j), m.denominator, n, d))
                        << "(" << i << "," << j << ") " << m.at(i, j).toText() << "/"
                        << m.denominator.toText();
                }
            }
            return;
        }
        const auto& m = std::get<ComplexMatrix>(*root.matrix);
        ASSERT_EQ(m.rows, static_cast<std::int32_t>(elements.size()));
        ASSERT_EQ(m.cols, static_cast<std::int32_t>(elements.front().size()));
        long double largest = 0;
        for (const auto& row : elements) {
            for (const std::string& element : row)
                largest = std::max(largest, size(complexNumber(element)));
        }
        for (std::int32_t i = 0; i < m.rows; ++i) {
            for (std::int32_t j = 0; j < m.cols; ++j) {
                const Complex expectedValue = complexNumber(elements[i][j]);
                EXPECT_LE(size(m.at(i, j) - expectedValue), expected.tolerance * largest)
                    << "(" << i << "," << j << ") got " << show(m.at(i, j));
            }
        }
    }

    void checkCalculation(const Line& line) const {
        const Expectation expected = expectation(line.expected);
        std::unique_ptr<CalcNode> tree;
        int rc = CompileCalc(line.input, integerMode(), tree);
        if (rc == code::Ok) rc = EvalCalc(tree.get(), source_);
        if (expected.code) {
            EXPECT_EQ(rc, *expected.code);
            return;
        }
        ASSERT_EQ(rc, code::Ok);
        if (line.expected.rfind("scalar", 0) != 0) {
            checkMatrix(*tree, expected);
            return;
        }
        ASSERT_FALSE(tree->isMatrix());
        if (integerMode()) {
            const auto [n, d] = fraction(expected.value);
            EXPECT_TRUE(sameFraction(tree->exact.numerator, tree->exact.denominator, n, d))
                << tree->exact.numerator.toText() << "/" << tree->exact.denominator.toText();
        } else {
            EXPECT_TRUE(near(tree->value, complexNumber(expected.value), expected.tolerance));
        }
    }

    void checkValue(int rc, Complex value, const std::string& expectedText) const {
        const Expectation expected = expectation(expectedText);
        if (expected.code) {
            EXPECT_EQ(rc, *expected.code);
            return;
        }
        ASSERT_EQ(rc, code::Ok);
        const Complex wanted = complexNumber(words(expectedText).at(0));
        EXPECT_TRUE(near(value, wanted, expected.tolerance)) << "got " << show(value);
    }

    void checkScalarText(const Line& line) const {
        Complex value;
        checkValue(EvalScalarText(line.input, source_, value), value, line.expected);
    }

    void checkCell(std::string text) const {
        Complex z;
        text = text.substr(5);
        if (text.rfind("z=", 0) == 0) {
            z = complexNumber(text.substr(2, text.find(' ') - 2));
            text = text.substr(text.find(' ') + 1);
        }
        const std::size_t arrow = text.rfind(" => ");
        Complex value;
        checkValue(ConstCalc(text.substr(0, arrow), z, value), value, text.substr(arrow + 4));
    }

    std::string mode_;
    test::FakeMatrixSource source_;
};

class GoldenCalcCases : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenCalcCases, CalculationHasItsResultOrCode) {
    CalcCases cases;
    for (const std::string& text : GetParam().setup)
        cases.run(text);
    cases.run(GetParam().text);
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
