#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::realEntries;
using test::realMatrix;
using Answer = Prompter::Answer;
using Kind = NewMatrixKind;

class NewMatrixTest : public test::GeneratorTest {
  protected:
    int make(Kind kind, std::string_view rows, std::string_view cols,
             std::string_view lower = "0.0", std::string_view upper = "1.0",
             std::string_view diagonal = "1.0") {
        return operations.generators().MakeMatrix(M, kind, rows, cols, lower, upper, diagonal);
    }
    int makeInt(Kind kind, std::string_view rows, std::string_view cols,
                std::string_view lower = "1", std::string_view upper = "10",
                std::string_view diagonal = "1") {
        return operations.generators().MakeIntMatrix(M, kind, rows, cols, lower, upper, diagonal);
    }
};

TEST_F(NewMatrixTest, SizesOutsideOneToAMillionEntriesAreRefused) {
    EXPECT_EQ(make(Kind::Zeros, "rows", "3"), code::OutOfRange) << "no leading integer reads 0";
    EXPECT_EQ(operations.generators().Formula(M, "1001", "1000", "i+j"), code::OutOfRange);
    // 1001 x 1 passes the check of the fields, but its square does not.
    EXPECT_EQ(make(Kind::Diagonal, "1001", "1"), code::OutOfRange);
    EXPECT_EQ(makeInt(Kind::Diagonal, "1001", "1"), code::OutOfRange);
    EXPECT_TRUE(nothingStored());

    ASSERT_EQ(make(Kind::Zeros, "1000000", "1"), code::Ok) << "a million entries is the limit";
    EXPECT_EQ(real(M)->Rows(), 1000000);
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(make(Kind::Zeros, " 2 rows", "3.9"), code::Ok) << "the leading integer is read";
    EXPECT_EQ(real(M)->matrixData(), MatrixData(RealMatrix(2, 3)));
    EXPECT_EQ(real(M)->notes(), "zeros");
}

TEST_F(NewMatrixTest, LaterFailuresReplaceTheCodesOfEarlierOnes) {
    EXPECT_EQ(make(Kind::Random, "3", "3", "2", "1"), code::InconsistentData);
    EXPECT_EQ(make(Kind::Random, "0", "3", "2", "1"), code::OutOfRange);
    // "(2" has unbalanced parentheses: the calculation language's code.
    EXPECT_EQ(make(Kind::Diagonal, "3", "3", "0", "1", "(2"), code::MatrixNotFound);
    EXPECT_EQ(make(Kind::Diagonal, "3", "0", "0", "1", "(2"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Diagonal, "3", "3", "2", "1", "5"), code::Ok)
        << "the bounds are checked for random entries only";
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(make(Kind::Diagonal, "1", "1", "0", "1", "2.5e3"), code::Ok);
    EXPECT_EQ(real(M)->RCells()[0], 2500) << "a typed number in scientific notation";

    // Bounds that are, or lie, too far apart for a long double.
    const std::string huge = "1" + std::string(5000, '0');
    EXPECT_EQ(make(Kind::Random, "3", "3", "0", huge), code::OutOfRange);
    EXPECT_EQ(make(Kind::Random, "3", "3", "-" + huge, "0"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Random, "3", "3", "-1e4932", "1e4932"), code::OutOfRange);
    EXPECT_EQ(make(Kind::Random, "3", "3", huge, "0"), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    EXPECT_EQ(make(Kind::Zeros, "2", "2", "0", huge), code::Ok)
        << "the bounds are checked for random entries only";
    EXPECT_EQ(real(M)->matrixData(), MatrixData(RealMatrix(2, 2)));

    EXPECT_EQ(makeInt(Kind::Diagonal, "3", "3", "1", "10", ""), code::IntegerExpected);
    EXPECT_EQ(makeInt(Kind::Diagonal, "0", "3", "1", "10", "x"), code::OutOfRange);
    EXPECT_EQ(makeInt(Kind::Random, "3", "3", "10", "1"), code::InconsistentData);
    EXPECT_EQ(makeInt(Kind::Random, "3", "0", "10", "1"), code::OutOfRange);
    EXPECT_EQ(integer(M), nullptr);
}

IntegerMatrix diagonal(std::int32_t n, const BigInt& value) {
    IntegerMatrix m(n, n);
    for (std::int32_t i = 0; i < n; ++i)
        m.at(i, i) = value;
    return m;
}

// The entries are the engine's; here the texts are read, the mode chooses the
// array and whether entries are complex, and a diagonal matrix is square.
TEST_F(NewMatrixTest, TheFieldsAndTheModeMakeTheMatrix) {
    const BigInt big = test::big("-12345678901234567890");
    const struct {
        WorkspaceMode mode;
        Kind kind;
        std::string_view rows, cols, lower, upper, diagonal;
        MatrixData expected;
        std::string_view notes;
    } cases[] = {
        {WorkspaceMode::Real, Kind::Random, "1", "2", "1.5e1", "15", "",
         test::realEntries({{15, 15}}), "aleatória (1.5e1,15)"},
        {WorkspaceMode::Complex, Kind::Diagonal, "2", "2", "0", "1", "2+3i",
         test::complexMatrix({{{2, 3}, {0, 0}}, {{0, 0}, {2, 3}}}), "diagonal"},
        {WorkspaceMode::Integer, Kind::Diagonal, "3", "1", "1", "10", " -12345678901234567890",
         diagonal(3, big), "diagonal"},
    };
    std::int32_t letter = 0;
    for (const auto& c : cases) {
        operations.setMode(c.mode);
        ASSERT_EQ(operations.generators().MakeMatrix(++letter, c.kind, c.rows, c.cols, c.lower,
                                                     c.upper, c.diagonal),
                  code::Ok);
        EXPECT_EQ(workspace.slot(c.mode, letter)->matrixData(), c.expected) << letter;
        EXPECT_EQ(workspace.slot(c.mode, letter)->notes(), c.notes);
    }
}

// The command-line scripts pin the other probability kinds: a row of a single
// entry would hold the whole total.
TEST_F(NewMatrixTest, IntegerProbabilityColumns) {
    ASSERT_EQ(makeInt(Kind::ProbabilityColumns, "2", "1"), code::Ok);
    EXPECT_NE(integer(M)->ICells()[0], integer(M)->ICells()[1]);
    EXPECT_EQ(integer(M)->notes(), "probabilidade em colunas");
}

TEST_F(NewMatrixTest, DescriptionsAreCutAt99Characters) {
    // "aleatória (" is 11 characters (the "ó" two bytes): 88 digits follow.
    const std::string ones(120, '1');
    ASSERT_EQ(make(Kind::Random, "2", "2", ones, ones), code::Ok);
    EXPECT_EQ(real(M)->notes(), "aleatória (" + std::string(88, '1'));
}

class FormulaTest : public test::GeneratorTest {};

// The command-line scripts pin real formulas; in complex mode i is the
// imaginary unit, and only j follows the position.
TEST_F(FormulaTest, OnlyJFollowsThePositionInComplexMode) {
    ASSERT_EQ(operations.generators().Formula(M, "2", "3", "10i+j"), code::Ok);
    EXPECT_EQ(operations.ParserHost().variable('J'), (Complex{3.0L, 0.0L})) << "the last position";

    operations.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(operations.generators().Formula(M, "2", "2", "10i+j"), code::Ok);
    EXPECT_EQ(complex(M)->matrixData(),
              MatrixData(test::complexMatrix({{{1, 10}, {2, 10}}, {{1, 10}, {2, 10}}})));
    EXPECT_EQ(operations.ParserHost().variable('I'), (Complex{2.0L, 0.0L}))
        << "I is no longer the imaginary unit until complex mode is entered again";
}

TEST_F(FormulaTest, AFormulaThatFailsAtSomeEntryStoresNothing) {
    // Fails only at the last entry, (2, 3).
    EXPECT_EQ(operations.generators().Formula(M, "2", "3", "1/(i*j-6)"), code::CannotCalculate);
    EXPECT_TRUE(nothingStored());

    ASSERT_EQ(operations.generators().Formula(M, "1", "2", "i+j"), code::Ok);
    EXPECT_EQ(operations.generators().Formula(M, "2", "2", "1/(i-j)"), code::CannotCalculate);
    EXPECT_EQ(real(M)->matrixData(), MatrixData(realEntries({{2, 3}})))
        << "no overwrite question and the old matrix stays";
}

TEST_F(FormulaTest, AFormulaThatDoesNotCompileGivesTheCompilersCodeAndStoresNothing) {
    EXPECT_EQ(operations.generators().Formula(M, "3", "3", ""), code::NothingToDo);
    EXPECT_EQ(operations.generators().Formula(M, "0", "3", "sin(i*pi"), code::OutOfRange)
        << "the size is checked first";
    operations.setMode(WorkspaceMode::Integer);
    EXPECT_EQ(operations.generators().Formula(M, "2", "2", "i+j"), code::Ok)
        << "integer mode stores no formula matrix";
    EXPECT_TRUE(nothingStored());
}

TEST_F(FormulaTest, AUserStopStoresNothing) {
    int polls = 0;
    const StopCheck stopAtSecondRow([&] { return ++polls > 1; });
    EXPECT_EQ(operations.generators().Formula(M, "3", "3", "i+j", stopAtSecondRow), code::UserStop);
    EXPECT_TRUE(nothingStored());
    EXPECT_GE(polls, 2);
}

// The command-line scripts pin copying and its refusals in both modes.
TEST_F(NewMatrixTest, TheColumnNumberIsReadBeforeTheLetters) {
    EXPECT_EQ(operations.generators().CopyColumn(B, C, "x"), code::OutOfRange);
    EXPECT_TRUE(nothingStored());
}

}  // namespace
}  // namespace lorvex
