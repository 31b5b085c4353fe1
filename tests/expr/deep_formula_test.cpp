// The deepest trees that formulas of 5000 characters can build are compiled,
// evaluated and released on a thread with a small stack: a recursion over
// their thousands of levels would overflow it.

#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <string>

#include "engine/matrix_builders.h"
#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "expr/fake_matrix_source.h"
#include "expr/formula_text.h"
#include "expr/pars_win.h"

namespace lorvex {
namespace {

constexpr std::size_t kSmallStack = 128 * 1024;

void* runWork(void* work) {
    (*static_cast<std::function<void()>*>(work))();
    return nullptr;
}

void onSmallStack(std::function<void()> work) {
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kSmallStack), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, runWork, &work), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

struct DeepFormula {
    std::string text;
    bool hasValue;
    long double value;
};

TEST(DeepFormulas, ScalarTreesThousandsOfLevelsDeep) {
    const std::vector<DeepFormula> formulas{
        // x^(2^(2^...)): 4999 levels of "^", far too large to have a value.
        {"x" + repeated("\u00b2", 4999), false, 0},
        {repeated("-", 4999) + "x", true, -3},
        {"x" + repeated("+1", 2499), true, 2502},
        {repeated("sin(", 999) + "x-3" + repeated(")", 999), true, 0},
        {repeated("(", 1249) + "x-2" + repeated(")!", 1249), true, 1},
        {repeated("sum(", 454) + "x" + repeated(",k,1,1)", 454), true, 3},
        {repeated("iter(1,", 624) + "x+1" + repeated(")", 624), true, 4},
    };
    onSmallStack([&] {
        RandomGenerator random(5);
        TParsWin parser(random);
        for (const DeepFormula& formula : formulas) {
            SCOPED_TRACE(formula.text.substr(0, 40));
            ASSERT_LE(formula.text.size(), 2 * kMaxFormulaLength) << "a superscript has 2 bytes";
            parser.setVariable('X', Complex{3.0L, 0.0L});
            std::unique_ptr<ExprNode> tree;
            ASSERT_EQ(parser.Compile(formula.text, tree), code::Ok);
            const int rc = parser.Evaluate(tree.get());
            if (!formula.hasValue) {
                EXPECT_EQ(rc, TParsWin::kEvaluationFailed);
            } else {
                ASSERT_EQ(rc, code::Ok);
                EXPECT_NEAR(static_cast<double>(tree->value.re), static_cast<double>(formula.value),
                            1e-12);
            }
            tree.reset();
        }
    });
}

TEST(DeepFormulas, CalculationTreesThousandsOfLevelsDeep) {
    test::FakeMatrixSource source;
    source.set('A', test::realMatrix({{1, 2}, {3, 4}}));
    onSmallStack([&] {
        for (const std::string& text : {repeated("-", 4999) + "A", "A" + repeated("+A", 2499),
                                        repeated("(", 1249) + "A" + repeated(")'", 1249)}) {
            SCOPED_TRACE(text.substr(0, 40));
            std::unique_ptr<CalcNode> tree;
            ASSERT_EQ(CompileCalc(text, false, tree), code::Ok);
            ASSERT_EQ(EvalCalc(tree.get(), source), code::Ok);
            ASSERT_TRUE(tree->isMatrix());
            FreeCalc(std::move(tree));
        }
        Complex value;
        EXPECT_EQ(ConstCalc(repeated("-", 4999) + "z", Complex{2.0L, 0.0L}, value), code::Ok);
        EXPECT_EQ(value, (Complex{-2.0L, 0.0L}));
    });
}

}  // namespace
}  // namespace lorvex
