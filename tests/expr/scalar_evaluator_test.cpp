#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "expr/pars_win.h"
#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

class ScalarEvaluator : public ::testing::Test {
  protected:
    // Compiles a formula that must compile.
    std::unique_ptr<ExprNode> compile(const std::string& formula) {
        std::unique_ptr<ExprNode> tree;
        EXPECT_EQ(parser_.Compile(formula, tree), code::Ok) << formula;
        return tree;
    }
    // The value of a formula that must have one.
    Complex valueOf(const std::string& formula) {
        const std::unique_ptr<ExprNode> tree = compile(formula);
        if (!tree) return Complex{};
        EXPECT_EQ(parser_.Evaluate(tree.get()), code::Ok) << formula;
        return tree->value;
    }
    bool fails(const std::string& formula) {
        const std::unique_ptr<ExprNode> tree = compile(formula);
        return tree && parser_.Evaluate(tree.get()) == TParsWin::kEvaluationFailed;
    }

    RandomGenerator random_{11};
    TParsWin parser_{random_};
};

TEST_F(ScalarEvaluator, VariablesStartAtZeroAndIOnEnteringComplexMode) {
    EXPECT_EQ(parser_.variable('I'), ZERO);
    parser_.setComplexMode(true);
    EXPECT_EQ(parser_.variable('I'), (Complex{0.0L, 1.0L}));
    parser_.setVariable('i', Complex{2.0L, 0.0L});
    parser_.setComplexMode(false);
    EXPECT_EQ(parser_.variable('I'), (Complex{2.0L, 0.0L})) << "leaving complex mode keeps I";
    parser_.setComplexMode(true);
    EXPECT_EQ(parser_.variable('I'), (Complex{0.0L, 1.0L}));
    // Real arithmetic divides by the real part 0 of that I and must fail,
    // not give an infinity.
    parser_.setComplexMode(false);
    EXPECT_TRUE(fails("1/i"));
}

TEST_F(ScalarEvaluator, AStoppedIterationPutsItsVariableBack) {
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 100; });
    parser_.setVariable('X', Complex{0.5L, 0.0L});
    const std::unique_ptr<ExprNode> tree = compile("iter(100000,x+1)");
    EXPECT_EQ(parser_.Evaluate(tree.get(), stop), code::UserStop);
    EXPECT_EQ(parser_.variable('X'), (Complex{0.5L, 0.0L})) << "a stop puts x back too";
    ASSERT_EQ(parser_.Evaluate(tree.get()), code::Ok);
    EXPECT_EQ(tree->value.re, 100000.5L);
}

// The compiler gives a series only a letter as its index; a tree made
// otherwise must fail rather than write outside the 27 variables.
TEST_F(ScalarEvaluator, ASeriesOverNoVariableFails) {
    using namespace symbol;
    auto node = [](int code, Complex value, std::unique_ptr<ExprNode> first,
                   std::unique_ptr<ExprNode> second) {
        auto made = std::make_unique<ExprNode>(code, value);
        made->first = std::move(first);
        made->second = std::move(second);
        return made;
    };
    auto constant = [&](Complex value) { return node(CONST, value, nullptr, nullptr); };
    for (const int series : {SUM, PROD}) {
        for (const int index : {CONST, AT - 1, 'Z' + 1, int{'a'}}) {
            auto term = node(SUMTERM, ZERO, constant(ONE), node(index, ZERO, nullptr, nullptr));
            auto range = node(SUMRANGE, ZERO, constant(ONE), constant(Complex{2.0L, 0.0L}));
            auto tree = node(series, ZERO, std::move(term), std::move(range));
            EXPECT_EQ(parser_.Evaluate(tree.get()), TParsWin::kEvaluationFailed)
                << series << " over " << index;
        }
    }
    EXPECT_EQ(parser_.variable('@'), ZERO);
}

TEST_F(ScalarEvaluator, RandomValuesComeFromTheProgramsGenerator) {
    RandomGenerator first(99);
    RandomGenerator second(99);
    TParsWin a(first);
    TParsWin b(second);
    std::unique_ptr<ExprNode> treeA;
    std::unique_ptr<ExprNode> treeB;
    ASSERT_EQ(a.Compile("rand(10)", treeA), code::Ok);
    ASSERT_EQ(b.Compile("rand(10)", treeB), code::Ok);
    for (int k = 0; k < 20; ++k) {
        ASSERT_EQ(a.Evaluate(treeA.get()), code::Ok);
        ASSERT_EQ(b.Evaluate(treeB.get()), code::Ok);
        EXPECT_EQ(treeA->value, treeB->value);
        const long double v = treeA->value.re;
        EXPECT_GE(v, -10.0L);
        EXPECT_LT(v, 10.0L);
        // 10 (2u - 1) with u in steps of 10^-6: 10^5 (v + 10) is a whole number.
        const long double steps = (v + 10.0L) * 1e5L;
        EXPECT_NEAR(static_cast<double>(steps - std::round(steps)), 0.0, 1e-6);
    }
}

TEST_F(ScalarEvaluator, EvaluateTextWorksInRealArithmetic) {
    parser_.setComplexMode(true);
    long double value = 7;
    EXPECT_EQ(parser_.EvaluateText("2+3*4", value), code::Ok);
    EXPECT_EQ(value, 14.0L);
    EXPECT_EQ(parser_.EvaluateText("sqrt(-1)", value), TParsWin::kEvaluationFailed);
    EXPECT_EQ(value, 0.0L);
    EXPECT_TRUE(parser_.complexMode());
    EXPECT_EQ(valueOf("sqrt(-4)").im, 2.0L) << "complex arithmetic is back";
}

}  // namespace
}  // namespace lorvex
