#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

#include "engine/elimination.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;
using Answer = Prompter::Answer;
using Kind = NewMatrixKind;

class NewMatrixTest : public test::GeneratorTest {
  protected:
    int make(Kind kind, std::string_view rows, std::string_view cols,
             std::string_view lower = "0.0", std::string_view upper = "1.0",
             std::string_view diagonal = "1.0") {
        return operations.MakeMatrix(M, kind, rows, cols, lower, upper, diagonal);
    }
    int makeInt(Kind kind, std::string_view rows, std::string_view cols,
                std::string_view lower = "1", std::string_view upper = "10",
                std::string_view diagonal = "1") {
        return operations.MakeIntMatrix(M, kind, rows, cols, lower, upper, diagonal);
    }
};

TEST_F(NewMatrixTest, SizesOutsideOneToAMillionEntriesAreRefused) {
    EXPECT_EQ(make(Kind::Zeros, "0", "3"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Zeros, "3", "-1"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Zeros, "1001", "1000"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Zeros, "rows", "3"), code::OutOfRange) << "no leading integer reads 0";
    EXPECT_EQ(makeInt(Kind::Zeros, "0", "3"), code::OutOfRange);
    EXPECT_EQ(makeInt(Kind::Random, "1001", "1000"), code::OutOfRange);
    EXPECT_EQ(operations.Formula(M, "1001", "1000", "i+j"), code::OutOfRange);
    EXPECT_TRUE(nothingStored());

    ASSERT_EQ(make(Kind::Zeros, "1000000", "1"), code::Ok) << "a million entries is the limit";
    EXPECT_EQ(real(M)->Rows(), 1000000);
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(make(Kind::Zeros, " 2 rows", "3.9"), code::Ok) << "the leading integer is read";
    EXPECT_EQ(real(M)->matrixData(), MatrixData(ComplexMatrix(2, 3)));
}

TEST_F(NewMatrixTest, LaterFailuresReplaceTheCodesOfEarlierOnes) {
    EXPECT_EQ(make(Kind::Random, "3", "3", "2", "1"), code::InconsistentData);
    EXPECT_EQ(make(Kind::Random, "0", "3", "2", "1"), code::OutOfRange);
    // "(2" has unbalanced parentheses: the calculation language's code.
    EXPECT_EQ(make(Kind::Diagonal, "3", "3", "0", "1", "(2"), code::MatrixNotFound);
    EXPECT_EQ(make(Kind::Diagonal, "3", "0", "0", "1", "(2"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Diagonal, "3", "3", "2", "1", "5"), code::Ok)
        << "the bounds are checked for random entries only";

    // Bounds that are, or lie, too far apart for a long double.
    const std::string huge = "1" + std::string(5000, '0');
    EXPECT_EQ(make(Kind::Random, "3", "3", "0", huge), code::OutOfRange);
    EXPECT_EQ(make(Kind::Random, "3", "3", "-" + huge, "0"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Random, "3", "3", "-1e4932", "1e4932"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Random, "3", "3", huge, "0"), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    EXPECT_EQ(make(Kind::Zeros, "2", "2", "0", huge), code::Ok)
        << "the bounds are checked for random entries only";
    EXPECT_EQ(real(M)->matrixData(), MatrixData(ComplexMatrix(2, 2)));

    EXPECT_EQ(makeInt(Kind::Diagonal, "3", "3", "1", "10", "1.5"), code::IntegerExpected);
    EXPECT_EQ(makeInt(Kind::Diagonal, "3", "3", "1", "10", ""), code::IntegerExpected);
    EXPECT_EQ(makeInt(Kind::Diagonal, "0", "3", "1", "10", "x"), code::OutOfRange);
    EXPECT_EQ(makeInt(Kind::Random, "3", "3", "10", "1"), code::InconsistentData);
    EXPECT_EQ(makeInt(Kind::Random, "3", "0", "10", "1"), code::OutOfRange);
    EXPECT_EQ(integer(M), nullptr);
}

TEST_F(NewMatrixTest, RandomEntriesLieBetweenTheBounds) {
    ASSERT_EQ(make(Kind::Random, "3", "4", "5", "5"), code::Ok);
    EXPECT_EQ(real(M)->matrixData(),
              MatrixData(realMatrix({{5, 5, 5, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}})));

    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(make(Kind::Random, "10", "10", "-2.5", "1.5e1"), code::Ok);
    for (const Complex& entry : real(M)->Cells()) {
        EXPECT_GE(entry.re, -2.5L);
        EXPECT_LT(entry.re, 15.0L);
        EXPECT_EQ(entry.im, 0.0L);
    }
    EXPECT_EQ(real(M)->notes(), "aleatória (-2.5,1.5e1)");

    ASSERT_EQ(makeInt(Kind::Random, "10", "10", "-3", "4"), code::Ok);
    for (const BigInt& entry : integer(M)->ICells()) {
        EXPECT_GE(entry, BigInt(-3));
        EXPECT_LE(entry, BigInt(4));
    }
    EXPECT_EQ(integer(M)->ICells().back(), BigInt(1));
    EXPECT_EQ(integer(M)->notes(), "aleatória (-3,4)");

    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(makeInt(Kind::Random, "2", "2", "5", "5"), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(), MatrixData(integerMatrix({{5, 5}, {5, 5}})));
}

TEST_F(NewMatrixTest, ComplexRandomEntriesDrawTheImaginaryPartRightAfterTheRealPart) {
    operations.setMode(WorkspaceMode::Complex);
    RandomGenerator twin{7};
    ASSERT_EQ(make(Kind::Random, "3", "3", "-1", "3"), code::Ok);
    const std::vector<Complex>& cells = complex(M)->Cells();
    ASSERT_EQ(cells.size(), 9U);
    for (const Complex& entry : cells) {
        // A million steps of 4e-6 from -1.
        const long double re = -1.0L + static_cast<long double>(twin.next() % 1000000U) * 4e-6L;
        const long double im = -1.0L + static_cast<long double>(twin.next() % 1000000U) * 4e-6L;
        EXPECT_NEAR(static_cast<double>(entry.re), static_cast<double>(re), 1e-15);
        EXPECT_NEAR(static_cast<double>(entry.im), static_cast<double>(im), 1e-15);
        EXPECT_GE(entry.im, -1.0L);
        EXPECT_LT(entry.im, 3.0L);
    }
    EXPECT_EQ(real(M), nullptr) << "complex mode fills the complex array";
}

TEST_F(NewMatrixTest, ADiagonalMatrixIsSquareWithTheValueOnItsDiagonal) {
    ASSERT_EQ(make(Kind::Diagonal, "4", "2", "0", "1", "2*3-1"), code::Ok);
    EXPECT_EQ(real(M)->matrixData(),
              MatrixData(realMatrix({{5, 0, 0, 0}, {0, 5, 0, 0}, {0, 0, 5, 0}, {0, 0, 0, 5}})));
    EXPECT_EQ(real(M)->notes(), "diagonal");

    operations.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(make(Kind::Diagonal, "2", "2", "0", "1", "2+3i"), code::Ok);
    ComplexMatrix expected(2, 2);
    expected.at(0, 0) = expected.at(1, 1) = Complex{2.0L, 3.0L};
    EXPECT_EQ(complex(M)->matrixData(), MatrixData(expected));

    operations.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(makeInt(Kind::Diagonal, "3", "1", "1", "10", " -12345678901234567890"), code::Ok);
    const BigInt value = test::big("-12345678901234567890");
    for (std::int32_t i = 0; i < 3; ++i)
        for (std::int32_t j = 0; j < 3; ++j)
            EXPECT_EQ(integer(M)->ICells()[static_cast<std::size_t>(3 * i + j)],
                      i == j ? value : BigInt(0));
    EXPECT_EQ(integer(M)->notes(), "diagonal");
}

TEST_F(NewMatrixTest, ADiagonalMatrixTooLargeAsASquareIsRefused) {
    // 1001 x 1 passes the size check of the fields, but the square holds
    // 1 002 001 entries.
    EXPECT_EQ(make(Kind::Diagonal, "1001", "1"), code::OutOfRange);
    EXPECT_EQ(makeInt(Kind::Diagonal, "1001", "1"), code::OutOfRange);
    EXPECT_TRUE(nothingStored());
}

TEST_F(NewMatrixTest, ProbabilityRowsAndColumnsSumToOne) {
    ASSERT_EQ(make(Kind::ProbabilityRows, "4", "6"), code::Ok);
    const MatrixDocument& rows = *real(M);
    for (std::int32_t i = 0; i < 4; ++i) {
        long double sum = 0.0L;
        for (std::int32_t j = 0; j < 6; ++j) {
            const Complex entry = rows.Cells()[static_cast<std::size_t>(6 * i + j)];
            EXPECT_GE(entry.re, 0.0L);
            EXPECT_LE(entry.re, 1.0L);
            EXPECT_EQ(entry.im, 0.0L);
            sum += entry.re;
        }
        EXPECT_NEAR(static_cast<double>(sum), 1.0, 1e-15);
    }
    EXPECT_EQ(rows.notes(), "probabilidade em linhas");

    operations.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(make(Kind::ProbabilityColumns, "5", "3"), code::Ok);
    const MatrixDocument& cols = *complex(M);
    for (std::int32_t j = 0; j < 3; ++j) {
        long double sum = 0.0L;
        for (std::int32_t i = 0; i < 5; ++i) {
            const Complex entry = cols.Cells()[static_cast<std::size_t>(3 * i + j)];
            EXPECT_GE(entry.re, 0.0L);
            EXPECT_EQ(entry.im, 0.0L);
            sum += entry.re;
        }
        EXPECT_NEAR(static_cast<double>(sum), 1.0, 1e-15);
    }
    EXPECT_EQ(cols.notes(), "probabilidade em colunas");
}

// Every row (column) holds non-negative integers summing to one total
// T = t m with 15 <= t <= 26, m the length of a row (column).
void expectCompositions(const MatrixDocument& document, bool alongRows) {
    const std::int32_t lines = alongRows ? document.Rows() : document.Cols();
    const std::int32_t length = alongRows ? document.Cols() : document.Rows();
    const auto entry = [&](std::int32_t line, std::int32_t k) {
        const std::int32_t i = alongRows ? line : k;
        const std::int32_t j = alongRows ? k : line;
        return document.ICells()[static_cast<std::size_t>(i * document.Cols() + j)];
    };
    std::optional<BigInt> total;
    for (std::int32_t line = 0; line < lines; ++line) {
        BigInt sum;
        for (std::int32_t k = 0; k < length; ++k) {
            EXPECT_GE(entry(line, k), BigInt(0));
            sum += entry(line, k);
        }
        if (!total) total = sum;
        EXPECT_EQ(sum, *total) << "line " << line;
    }
    const std::int32_t t = *total->toMachineInteger() / length;
    EXPECT_EQ(t * length, *total->toMachineInteger());
    EXPECT_GE(t, 15);
    EXPECT_LE(t, 26);
    EXPECT_EQ(document.ICells().back(), BigInt(1));
}

TEST_F(NewMatrixTest, IntegerProbabilityLinesAreCompositionsOfOneTotal) {
    operations.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(makeInt(Kind::ProbabilityRows, "6", "7"), code::Ok);
    expectCompositions(*integer(M), true);
    EXPECT_EQ(integer(M)->notes(), "probabilidade em linhas");

    ASSERT_EQ(operations.MakeIntMatrix(B, Kind::ProbabilityColumns, "8", "3", "1", "10", "1"),
              code::Ok);
    expectCompositions(*integer(B), false);
    EXPECT_EQ(integer(B)->notes(), "probabilidade em colunas");

    // One entry per line: the whole total, the same in every line.
    ASSERT_EQ(operations.MakeIntMatrix(C, Kind::ProbabilityRows, "4", "1", "1", "10", "1"),
              code::Ok);
    expectCompositions(*integer(C), true);

    // Long rows: 99 cuts among at least 1500 positions.
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(makeInt(Kind::ProbabilityRows, "3", "100"), code::Ok);
    expectCompositions(*integer(M), true);
}

TEST_F(NewMatrixTest, DescriptionsNameTheKindAndAreCutAt99Characters) {
    ASSERT_EQ(make(Kind::Zeros, "2", "2"), code::Ok);
    EXPECT_EQ(real(M)->notes(), "zeros");
    EXPECT_EQ(real(M)->matrixData(), MatrixData(ComplexMatrix(2, 2)));

    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(make(Kind::Random, "2", "2", "0.0", "1.0"), code::Ok);
    EXPECT_EQ(real(M)->notes(), "aleatória (0.0,1.0)");

    // "aleatória (" is 11 characters (the "ó" two bytes): 88 digits follow.
    const std::string ones(120, '1');
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(make(Kind::Random, "2", "2", ones, ones), code::Ok);
    EXPECT_EQ(real(M)->notes(), "aleatória (" + std::string(88, '1'));
    EXPECT_EQ(real(M)->Cells()[0].re, std::stold(ones)) << "equal bounds";
}

TEST_F(NewMatrixTest, ARefusedOverwriteKeepsTheMatrixAndItsNotes) {
    ASSERT_EQ(make(Kind::Diagonal, "2", "2", "0", "1", "7"), code::Ok);
    prompter.expectOverwriteQuestion(Answer::No);
    EXPECT_EQ(make(Kind::Zeros, "3", "3"), code::Ok);
    EXPECT_EQ(real(M)->matrixData(), MatrixData(realMatrix({{7, 0}, {0, 7}})));
    EXPECT_EQ(real(M)->notes(), "diagonal");

    prompter.expectOverwriteQuestion(Answer::Yes);
    EXPECT_EQ(make(Kind::Zeros, "3", "1"), code::Ok);
    EXPECT_EQ(real(M)->matrixData(), MatrixData(ComplexMatrix(3, 1)));
    EXPECT_EQ(real(M)->notes(), "zeros");
}

TEST_F(NewMatrixTest, IntegerModeLeadsTheGeneratorToTheExactOne) {
    operations.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(make(Kind::Diagonal, "2", "2", "1", "10", "3"), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(), MatrixData(integerMatrix({{3, 0}, {0, 3}})));
    EXPECT_EQ(real(M), nullptr);
}

class FormulaTest : public test::GeneratorTest {};

TEST_F(FormulaTest, TheDefaultFormulaAtThreeByThree) {
    ASSERT_EQ(operations.Formula(M, "3", "3", "sin(i*pi/(i+j))"), code::Ok);
    // sin(i pi / (i + j)): pi/2, pi/3, pi/4; 2pi/3, pi/2, 2pi/5; 3pi/4, 3pi/5, pi/2.
    const long double half3 = std::sqrt(3.0L) / 2.0L;
    const long double half2 = std::sqrt(2.0L) / 2.0L;
    const long double sin72 = std::sqrt(10.0L + 2.0L * std::sqrt(5.0L)) / 4.0L;
    const long double expected[] = {1, half3, half2, half3, 1, sin72, half2, sin72, 1};
    const MatrixDocument& m = *real(M);
    ASSERT_EQ(m.Rows(), 3);
    ASSERT_EQ(m.Cols(), 3);
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_NEAR(static_cast<double>(m.Cells()[k].re), static_cast<double>(expected[k]), 1e-15)
            << k;
        EXPECT_EQ(m.Cells()[k].im, 0.0L);
    }
    EXPECT_EQ(m.notes(), " sin(i*pi/(i+j))");
    // The variables keep the last position.
    EXPECT_EQ(operations.parser().variable('I'), (Complex{3.0L, 0.0L}));
    EXPECT_EQ(operations.parser().variable('J'), (Complex{3.0L, 0.0L}));
}

TEST_F(FormulaTest, RowsAndColumnsCountFromOneAndOnlyJFollowsThePositionInComplexMode) {
    ASSERT_EQ(operations.Formula(M, "2", "3", "10i+j"), code::Ok);
    EXPECT_EQ(real(M)->matrixData(), MatrixData(realMatrix({{11, 12, 13}, {21, 22, 23}})));

    operations.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(operations.Formula(M, "2", "2", "10i+j"), code::Ok);
    ComplexMatrix expected(2, 2);
    expected.at(0, 0) = expected.at(1, 0) = Complex{1.0L, 10.0L};
    expected.at(0, 1) = expected.at(1, 1) = Complex{2.0L, 10.0L};
    EXPECT_EQ(complex(M)->matrixData(), MatrixData(expected));
    EXPECT_EQ(operations.parser().variable('I'), (Complex{2.0L, 0.0L}))
        << "I is no longer the imaginary unit until complex mode is entered again";
}

TEST_F(FormulaTest, AFormulaThatFailsAtSomeEntryStoresNothing) {
    // 1/(i-j) has no value on the diagonal.
    EXPECT_EQ(operations.Formula(M, "3", "3", "1/(i-j)"), code::CannotCalculate);
    // Fails only at the last entry, (2, 3).
    EXPECT_EQ(operations.Formula(M, "2", "3", "1/(i*j-6)"), code::CannotCalculate);
    EXPECT_TRUE(nothingStored());

    ASSERT_EQ(operations.Formula(M, "1", "2", "i+j"), code::Ok);
    EXPECT_EQ(operations.Formula(M, "2", "2", "1/(i-j)"), code::CannotCalculate);
    EXPECT_EQ(real(M)->matrixData(), MatrixData(realMatrix({{2, 3}})))
        << "no overwrite question and the old matrix stays";
}

TEST_F(FormulaTest, AFormulaThatDoesNotCompileGivesTheCompilersCode) {
    EXPECT_EQ(operations.Formula(M, "3", "3", "sin(i*pi"), code::MatrixNotFound);
    EXPECT_EQ(operations.Formula(M, "3", "3", ""), code::NothingToDo);
    EXPECT_EQ(operations.Formula(M, "3", "3", "i€j"), code::NotUnderstood);
    EXPECT_EQ(operations.Formula(M, "0", "3", "sin(i*pi"), code::OutOfRange)
        << "the size is checked first";
    EXPECT_TRUE(nothingStored());
}

TEST_F(FormulaTest, AUserStopStoresNothing) {
    int polls = 0;
    const StopCheck stopAtSecondRow([&] { return ++polls > 1; });
    EXPECT_EQ(operations.Formula(M, "3", "3", "i+j", stopAtSecondRow), code::UserStop);
    EXPECT_TRUE(nothingStored());
    EXPECT_GE(polls, 2);
}

TEST_F(FormulaTest, IntegerModeStoresNoFormulaMatrix) {
    operations.setMode(WorkspaceMode::Integer);
    EXPECT_EQ(operations.Formula(M, "2", "2", "i+j"), code::Ok);
    EXPECT_TRUE(nothingStored());
}

class CopyColumnTest : public test::GeneratorTest {};

TEST_F(CopyColumnTest, CopiesOneColumnWithItsNumber) {
    ASSERT_TRUE(
        workspace
            .PlaceMatrix(ElementKind::Real, "", A, realMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}))
            .stored);
    ASSERT_EQ(operations.CopyColumn(A, C, "2"), code::Ok);
    EXPECT_EQ(real(C)->matrixData(), MatrixData(realMatrix({{2}, {5}, {8}})));
    EXPECT_EQ(real(C)->notes(), "coluna #2");

    EXPECT_EQ(operations.CopyColumn(A, C, "4"), code::NothingToShow);
    EXPECT_EQ(operations.CopyColumn(B, C, "1"), code::MatrixNotFound);
    EXPECT_EQ(operations.CopyColumn(A, C, "0"), code::OutOfRange);
    EXPECT_EQ(operations.CopyColumn(B, C, "x"), code::OutOfRange) << "checked before the letter";
    EXPECT_EQ(real(C)->matrixData(), MatrixData(realMatrix({{2}, {5}, {8}})));
}

TEST_F(CopyColumnTest, AnIntegerColumnKeepsTheDenominatorUnreduced) {
    operations.setMode(WorkspaceMode::Integer);
    ASSERT_TRUE(
        workspace.PlaceMatrix(ElementKind::Integer, "", A, integerMatrix({{2, 1}, {4, 1}}, 6))
            .stored);
    ASSERT_EQ(operations.CopyColumn(A, B, "1"), code::Ok);
    EXPECT_EQ(integer(B)->matrixData(), MatrixData(integerMatrix({{2}, {4}}, 6)));
    EXPECT_EQ(integer(B)->notes(), "coluna #1");
    EXPECT_EQ(operations.CopyColumn(C, B, "1"), code::MatrixNotFound)
        << "only the current mode's places count";
}

class UnitaryRandomTest : public test::GeneratorTest {
  protected:
    // The exact determinant of the integer matrix at the letter.
    Fraction determinant(std::int32_t letter) {
        IntegerMatrix inverse;
        Fraction value;
        EXPECT_EQ(invert(std::get<IntegerMatrix>(integer(letter)->matrixData()), inverse, value),
                  code::Ok);
        return value;
    }
};

TEST_F(UnitaryRandomTest, DeterminantOneAndNoZeroEntry) {
    EXPECT_EQ(operations.UnitaryRandom("1", M), code::OutOfRange);
    EXPECT_EQ(operations.UnitaryRandom("21", M), code::OutOfRange);
    EXPECT_TRUE(nothingStored());

    // Real mode: the integer array all the same.
    for (const auto& [order, letter] : {std::pair{"2", A}, {"5", B}, {"20", C}}) {
        ASSERT_EQ(operations.UnitaryRandom(order, letter), code::Ok);
        const MatrixDocument& m = *integer(letter);
        EXPECT_EQ(m.Rows(), std::stoi(order));
        EXPECT_EQ(m.Cols(), std::stoi(order));
        for (const BigInt& entry : m.ICells())
            EXPECT_FALSE(entry.isZero());
        EXPECT_EQ(m.ICells().back(), BigInt(1));
        EXPECT_EQ(determinant(letter), (Fraction{BigInt(1), BigInt(1)}));
        EXPECT_EQ(m.notes(), "unitária aleatória");
    }
    EXPECT_EQ(real(A), nullptr);
}

}  // namespace
}  // namespace lorvex
