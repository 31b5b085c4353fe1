#include "expr/calc_language.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "expr/fake_matrix_source.h"

namespace lorvex {
namespace {

using test::big;
using test::integerMatrix;
using test::realMatrix;

class CalcLanguage : public ::testing::Test {
  protected:
    CalcLanguage() {
        real_.set('A', realMatrix({{1, 2}, {3, 4}}));
        exact_.set('A', integerMatrix({{1, 2}, {3, 4}}));
    }

    int compileCode(const std::string& text, bool integerMode = false) {
        std::unique_ptr<CalcNode> tree;
        const int rc = CompileCalc(text, integerMode, tree);
        EXPECT_EQ(tree == nullptr, rc != code::Ok) << text;
        return rc;
    }
    // The code of a calculation that compiles.
    int evalCode(const std::string& text, const test::FakeMatrixSource& source,
                 bool integerMode = false) {
        std::unique_ptr<CalcNode> tree;
        EXPECT_EQ(CompileCalc(text, integerMode, tree), code::Ok) << text;
        return tree ? EvalCalc(tree.get(), source) : -99;
    }

    test::FakeMatrixSource real_;
    test::FakeMatrixSource exact_;
};

// The codes the golden cases cannot state; a failed compilation also leaves
// no tree behind.
TEST_F(CalcLanguage, CompilerCodes) {
    // 0xE2 is the code of TRANSPOSE and 0x92 that of NEG: never from the user.
    EXPECT_EQ(compileCode("\xe2(A)"), code::NotUnderstood);
    EXPECT_EQ(compileCode(std::string{'\x92', 'A'}), code::NotUnderstood);
    EXPECT_EQ(compileCode(std::string(5000, 'A')), code::Ok);
    EXPECT_EQ(compileCode(std::string(5001, 'A')), code::NotUnderstood);
}

// The codes of the golden cases aside: matrices of the other kind, and what
// CalcMatrix adds (the command-line scripts pin a scalar result refused).
TEST_F(CalcLanguage, EvaluationCodes) {
    EXPECT_EQ(evalCode("A", exact_), code::Incompatible) << "an integer matrix in real mode";
    EXPECT_EQ(evalCode("A", real_, true), code::Incompatible);

    MatrixData result = realMatrix({{9}});
    EXPECT_EQ(CalcMatrix("(A", false, real_, result), code::MatrixNotFound);
    EXPECT_EQ(result, MatrixData(realMatrix({{9}}))) << "nothing is stored on failure";
    test::FakeMatrixSource exhausted;
    exhausted.failAllocations();
    EXPECT_EQ(CalcMatrix("A+B", false, exhausted, result), code::OutOfMemory);
}

TEST_F(CalcLanguage, AStopEndsALongExactCalculation) {
    // An entry of 4000 digits: every product of it polls the stop check often.
    IntegerMatrix h(1, 1);
    h.at(0, 0) = big(std::string(4000, '9'));
    test::FakeMatrixSource huge;
    huge.set('H', h);
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 3; });
    MatrixData result = realMatrix({{9}});
    EXPECT_EQ(CalcMatrix("HHH", true, huge, result, stop), code::UserStop);
    polls = 0;
    EXPECT_EQ(CalcMatrix("H^3", true, huge, result, stop), code::UserStop)
        << "inside the exact power too";
    EXPECT_EQ(result, MatrixData(realMatrix({{9}})));
}

TEST_F(CalcLanguage, AStopEndsARealPower) {
    RealMatrix twice(30, 30);
    for (std::int32_t i = 0; i < 30; ++i)
        twice.at(i, i) = 2.0L;
    test::FakeMatrixSource source;
    source.set('R', twice);
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 3; });
    MatrixData result = realMatrix({{9}});
    for (const char* calculation : {"R^(-1)", "R^100000"}) {
        polls = 0;
        EXPECT_EQ(CalcMatrix(calculation, false, source, result, stop), code::UserStop)
            << calculation << ": the inverse polls per pivot column, the power per product";
        EXPECT_EQ(result, MatrixData(realMatrix({{9}})));
    }
}

}  // namespace
}  // namespace lorvex
