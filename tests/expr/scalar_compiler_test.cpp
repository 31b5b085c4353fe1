#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "expr/pars_win.h"
#include "expr/symbol_codes.h"
#include "expr/tree_text.h"

namespace lorvex {
namespace {

using test::treeText;

class ScalarCompiler : public ::testing::Test {
  protected:
    // The tree of a formula that must compile, in prefix form.
    std::string compiled(const std::string& formula) {
        std::unique_ptr<ExprNode> tree;
        const int rc = parser_.Compile(formula, tree);
        EXPECT_EQ(rc, code::Ok) << formula;
        return tree ? treeText(*tree) : "";
    }
    int codeOf(const std::string& formula) {
        std::unique_ptr<ExprNode> tree;
        const int rc = parser_.Compile(formula, tree);
        EXPECT_EQ(tree == nullptr, rc != code::Ok) << formula;
        return rc;
    }

    RandomGenerator random_{7};
    TParsWin parser_{random_};
};

TEST_F(ScalarCompiler, RunsOfLettersSplitIntoVariablesAndNames) {
    EXPECT_EQ(compiled("2x"), "(* 2 X)");
    EXPECT_EQ(compiled("xx"), "(* X X)");
    EXPECT_EQ(compiled("xpi"), "(* X 3.14159)");
    EXPECT_EQ(compiled("pix"), "(* (* P I) X)");
    EXPECT_EQ(compiled("x2"), "(* X 2)");
    EXPECT_EQ(compiled("sin x"), "(* (* (* S I) N) X)") << "blanks go first: SINX is no name";
    EXPECT_EQ(compiled("xsin(x)"), "(* X (SIN X))");
    EXPECT_EQ(compiled("2sin(x)"), "(* 2 (SIN X))");
    EXPECT_EQ(compiled("(x)(y)"), "(* X Y)");
    EXPECT_EQ(compiled("2(x+1)"), "(* 2 (+ X 1))");
    EXPECT_EQ(compiled("1e3"), "(* E 3)") << "no exponents: 1 * E * 3, and 1 * E is E";
    EXPECT_EQ(compiled("@x"), "(* @ X)");
}

TEST_F(ScalarCompiler, NamesDependOnTheModeAndOnTheirArguments) {
    EXPECT_EQ(compiled("re(z)"), "(* (* R E) Z)");
    EXPECT_EQ(compiled("arg(z)"), "(* (* (* A R) G) Z)");
    EXPECT_EQ(compiled("arg(x,y)"), "(ARG2 X Y)");
    EXPECT_EQ(compiled("abs(x)"), "(ABS X)");
    EXPECT_EQ(compiled("abs(x,y,z)"), "(ABS2 (ABS2 X Y) Z)");
    EXPECT_EQ(compiled("abs(max(x,y))"), "(ABS (MAX X Y))") << "the comma is not at ABS's level";
    EXPECT_EQ(compiled("log(x)"), "(LOG X)");
    EXPECT_EQ(compiled("log(x,y)"), "(/ (LN Y) (LN X))");
    EXPECT_EQ(codeOf("lg(8)"), code::InconsistentData);
    parser_.setComplexMode(true);
    EXPECT_EQ(compiled("re(z)"), "(RE Z)");
    EXPECT_EQ(compiled("arg(z)"), "(ARG Z)");
}

TEST_F(ScalarCompiler, PrecedenceAndAssociativity) {
    EXPECT_EQ(compiled("a-b-c"), "(- (- A B) C)");
    EXPECT_EQ(compiled("a/b*c"), "(* (/ A B) C)");
    EXPECT_EQ(compiled("a+b*c"), "(+ A (* B C))");
    EXPECT_EQ(compiled("x^y^z"), "(^ X (^ Y Z))");
    EXPECT_EQ(compiled("-x^y"), "(* -1 (^ X Y))");
    EXPECT_EQ(compiled("2^-x"), "(^ 2 (* -1 X))");
    EXPECT_EQ(compiled("2^-1"), "0.5") << "the NEG of a constant folds into it";
    EXPECT_EQ(compiled("max(a+1,b)"), "(MAX (+ A 1) B)");
    EXPECT_EQ(compiled("max(a,b,c)"), "(MAX (MAX A B) C)");
    EXPECT_EQ(compiled("binom(x,y)"), "(BINOM X Y)");
    EXPECT_EQ(compiled("((x))"), "X");
}

TEST_F(ScalarCompiler, FactorialsAndBrackets) {
    EXPECT_EQ(compiled("x!"), "(FACT X)");
    EXPECT_EQ(compiled("(a+b)!"), "(FACT (+ A B))");
    EXPECT_EQ(compiled("2x!"), "(* 2 (FACT X))");
    EXPECT_EQ(compiled("(x!)!"), "(FACT (FACT X))");
    EXPECT_EQ(compiled("[x+1]*{x-1}"), "(* (+ X 1) (- X 1))");
    EXPECT_EQ(codeOf("x!!"), code::InconsistentData) << "FACT FACT (X) misses a parenthesis";
    EXPECT_EQ(codeOf("!5"), code::NotUnderstood);
    EXPECT_EQ(codeOf("(x+1))"), code::MatrixNotFound);
    EXPECT_EQ(codeOf("((x)"), code::MatrixNotFound);
    EXPECT_EQ(codeOf(")x("), code::MatrixNotFound);
}

TEST_F(ScalarCompiler, CommasBelongToFunctionsOfSeveralArguments) {
    EXPECT_EQ(codeOf("max(1)"), code::InconsistentData);
    EXPECT_EQ(codeOf("sin(1,2)"), code::NotUnderstood);
    EXPECT_EQ(codeOf("1,2"), code::NotUnderstood);
    EXPECT_EQ(codeOf("(1,2)"), code::NotUnderstood);
    EXPECT_EQ(codeOf("root(2,3,4)"), code::CannotCalculate);
    EXPECT_EQ(codeOf("iter(1,2,x)"), code::CannotCalculate);
    EXPECT_EQ(codeOf("mod(7,3,2)"), code::Ok);
    EXPECT_EQ(compiled("min(x,max(y,z))"), "(MIN X (MAX Y Z))");
}

TEST_F(ScalarCompiler, SeriesAndIterationsAreCheckedWhenCompiled) {
    EXPECT_EQ(compiled("sum(n,n,1,k)"), "(SUM (SUMTERM N N) (SUMRANGE 1 K))");
    EXPECT_EQ(compiled("prod(x,n,a,b)"), "(PROD (SUMTERM X N) (SUMRANGE A B))");
    EXPECT_EQ(codeOf("sum(n,n,1)"), code::NotUnderstood);
    EXPECT_EQ(codeOf("sum(n,nn,1,2)"), code::NotUnderstood);
    EXPECT_EQ(codeOf("sum n"), code::Ok) << "SUMN is no name";
    EXPECT_EQ(codeOf("sum(n)"), code::NotUnderstood);
    EXPECT_EQ(codeOf("sum(n,1,1,10)"), code::OutOfRange);
    EXPECT_EQ(codeOf("sum(n,pi,1,10)"), code::OutOfRange);
    EXPECT_EQ(codeOf("sum(n,@,1,10)"), code::OutOfRange);
    EXPECT_EQ(codeOf("sum(k,k,max(1,2),3)"), code::NotUnderstood)
        << "the lower bound may hold no comma";
    EXPECT_EQ(compiled("sum(k,k,sum(j,j,1,2),3)"),
              "(SUM (SUMTERM K K) (SUMRANGE (SUM (SUMTERM J J) (SUMRANGE 1 2)) 3))");
    EXPECT_EQ(codeOf("iter(0,x)"), code::OutOfRange);
    EXPECT_EQ(codeOf("iter(n,x)"), code::OutOfRange);
    EXPECT_EQ(codeOf("iter(2147483648,x)"), code::OutOfRange);
    std::unique_ptr<ExprNode> tree;
    int polls = 0;
    const StopCheck stopSoon([&] { return ++polls > 10; });
    EXPECT_EQ(parser_.Compile("iter(2147483647,1)", tree, stopSoon), code::UserStop)
        << "the largest count passes the check; its test evaluation is stopped";
    ASSERT_EQ(parser_.Compile("iter(2.6,x+1)", tree), code::Ok);
    EXPECT_EQ(tree->count, 3);
}

TEST_F(ScalarCompiler, JoinPiecesHoldFunctionBreakPointAndRest) {
    std::unique_ptr<ExprNode> tree;
    ASSERT_EQ(parser_.Compile("joinx(x+1|0,y|2,z)", tree), code::Ok);
    EXPECT_EQ(treeText(*tree), "(JOINX (+ X 1) 0 (JOINX Y 2 Z))");
    EXPECT_EQ(tree->third->value.re, 0.0L);
    EXPECT_EQ(tree->second->third->value.re, 2.0L);
    EXPECT_EQ(compiled("joinx(x,y)"), "(JOINX X Y)") << "a piece without a break point";
}

TEST_F(ScalarCompiler, TextThatIsNoFormula) {
    EXPECT_EQ(codeOf(""), code::NothingToDo);
    EXPECT_EQ(codeOf("    "), code::NothingToDo);
    EXPECT_EQ(codeOf("x#1"), code::NotUnderstood);
    EXPECT_EQ(codeOf("x=1"), code::NotUnderstood);
    EXPECT_EQ(codeOf("x\t+1"), code::NotUnderstood) << "only spaces are blanks";
    EXPECT_EQ(codeOf("sin"), code::InconsistentData);
    EXPECT_EQ(codeOf("sin()"), code::InconsistentData);
    EXPECT_EQ(codeOf("x+*2"), code::InconsistentData);
    EXPECT_EQ(codeOf("x-"), code::InconsistentData);
    EXPECT_EQ(codeOf(std::string(49, '9')), code::Ok);
    EXPECT_EQ(codeOf(std::string(50, '9')), code::NotUnderstood)
        << "numbers have 49 digits at most";
}

TEST_F(ScalarCompiler, OnlyAsciiAndTheSuperscriptTwoAreRead) {
    EXPECT_EQ(compiled("x\u00b2"), "(POWER 2 X)");
    EXPECT_EQ(compiled("x \u00b2+1"), "(+ (POWER 2 X) 1)");
    EXPECT_EQ(codeOf("x\u00b3"), code::NotUnderstood);
    EXPECT_EQ(codeOf("\u00e9"), code::NotUnderstood);
    // The bytes 128-255 are the compiler's codes: a lone 0xE3 is the code of
    // PI and 0x8C that of ARCSIN, and neither may reach the compiler.
    EXPECT_EQ(codeOf("\xe3"), code::NotUnderstood);
    EXPECT_EQ(codeOf("\x8c(1)"), code::NotUnderstood);
    EXPECT_EQ(codeOf("x\xc2"), code::NotUnderstood) << "a cut UTF-8 sequence";
    EXPECT_EQ(codeOf(std::string("x\0y", 3)), code::NotUnderstood);
}

TEST_F(ScalarCompiler, FormulasUpTo5000CharactersAfterTheBlanks) {
    EXPECT_EQ(codeOf(std::string(5000, 'x')), code::Ok);
    EXPECT_EQ(codeOf(std::string(5000, 'x') + "   "), code::Ok);
    EXPECT_EQ(codeOf(std::string(5001, 'x')), code::NotUnderstood);
    std::string squares = "x";
    for (int i = 0; i < 4999; ++i)
        squares += "\u00b2";
    EXPECT_EQ(codeOf(squares), code::Ok) << "a superscript two is one character";
    EXPECT_EQ(codeOf(squares + "\u00b2"), code::NotUnderstood);
}

TEST_F(ScalarCompiler, SimplificationAfterASuccessfulTestEvaluation) {
    EXPECT_EQ(compiled("x^2"), "(POWER 2 X)");
    EXPECT_EQ(compiled("x^-1"), "(POWER -1 X)");
    EXPECT_EQ(compiled("x^0.5"), "(^ X 0.5)");
    EXPECT_EQ(compiled("x^0"), "1");
    EXPECT_EQ(compiled("1^x"), "1");
    EXPECT_EQ(compiled("x^1"), "X");
    EXPECT_EQ(compiled("0*x"), "0");
    EXPECT_EQ(compiled("1*x"), "X");
    EXPECT_EQ(compiled("x*1"), "X");
    EXPECT_EQ(compiled("0+x"), "X");
    EXPECT_EQ(compiled("x-0"), "X");
    EXPECT_EQ(compiled("0-x"), "(- 0 X)");
    EXPECT_EQ(compiled("x/1"), "X");
    EXPECT_EQ(compiled("2*3+x"), "(+ 6 X)");
    EXPECT_EQ(compiled("sin(0)+x"), "X") << "bottom-up: the folded sine is a zero term";
    EXPECT_EQ(compiled("a/tan(x)"), "(* A (COT X))");
    EXPECT_EQ(compiled("a/cos(x)"), "(* A (SEC X))");
    EXPECT_EQ(compiled("1/sinh(x)"), "(CSCH X)");
    EXPECT_EQ(compiled("iter(2,1+1)"), "(ITER 2 (+ 1 1))");
    EXPECT_EQ(compiled("rand(1+1)"), "(RAND (+ 1 1))");
    EXPECT_EQ(compiled("sum(k,k,1+1,3)"), "(SUM (SUMTERM K K) (SUMRANGE (+ 1 1) 3))");
    EXPECT_EQ(compiled("joinx(1+1|0,2)"), "(JOINX (+ 1 1) 0 2)");
    EXPECT_EQ(compiled("x/0"), "(/ X 0)") << "no test evaluation succeeds: nothing changes";
}

TEST_F(ScalarCompiler, FoldedConstantsHoldTheirOwnValue) {
    // The reciprocal rule renames TAN to COT: the folded constant is cot(1),
    // not the tan(1) that the test evaluation left in the node.
    std::unique_ptr<ExprNode> tree;
    ASSERT_EQ(parser_.Compile("1/tan(1)", tree), code::Ok);
    EXPECT_EQ(tree->code, symbol::CONST);
    EXPECT_NEAR(static_cast<double>(tree->value.re), 1.0 / std::tan(1.0), 1e-15);

    // POW(n, z) is z^n: pow(3,1) is 1^3, not the 3 of dropping a second operand 1.
    ASSERT_EQ(parser_.Compile("pow(3,1)", tree), code::Ok);
    EXPECT_EQ(treeText(*tree), "1");
    EXPECT_EQ(compiled("power(1,x)"), "X");

    // In complex mode I becomes the imaginary unit even when the variable I
    // holds a row number from an earlier formula.
    parser_.setComplexMode(true);
    parser_.setVariable('I', Complex{3.0L, 0.0L});
    EXPECT_EQ(compiled("2*i"), "0,2");
    EXPECT_EQ(compiled("i*x"), "(* 0,1 X)");
    parser_.setVariable('I', Complex{3.0L, 0.0L});
    EXPECT_EQ(compiled("ln(i-3)"), "(LN (- I 3))") << "every test fails: I stays a variable";
}

TEST_F(ScalarCompiler, CompilingLeavesTheVariablesAsTheyWere) {
    for (const bool complexMode : {false, true}) {
        parser_.setComplexMode(complexMode);
        parser_.setVariable('X', Complex{7.0L, 0.5L});
        parser_.setVariable('Y', Complex{8.0L, 0.0L});
        parser_.setVariable('Z', Complex{9.0L, -1.0L});
        parser_.setVariable('K', Complex{4.0L, 0.0L});
        EXPECT_EQ(codeOf("x+y+z+sum(k,k,1,3)+iter(2,x+1)"), code::Ok);
        EXPECT_EQ(parser_.variable('X'), (Complex{7.0L, 0.5L}));
        EXPECT_EQ(parser_.variable('Y'), (Complex{8.0L, 0.0L}));
        EXPECT_EQ(parser_.variable('Z'), (Complex{9.0L, -1.0L}));
        EXPECT_EQ(parser_.variable('K'), (Complex{4.0L, 0.0L}));
    }
}

TEST_F(ScalarCompiler, AStopEndsTheTestEvaluation) {
    parser_.setVariable('X', Complex{1.5L, 0.0L});
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 1000; });
    std::unique_ptr<ExprNode> tree;
    EXPECT_EQ(parser_.Compile("iter(2000000000,x+1)", tree, stop), code::UserStop);
    EXPECT_EQ(tree, nullptr);
    EXPECT_EQ(parser_.variable('X'), (Complex{1.5L, 0.0L}));
    EXPECT_EQ(parser_.Compile("sum(k,k,1,2000000000)", tree, stop), code::UserStop);
    EXPECT_EQ(parser_.Compile("binom(0.5,2000000000)", tree, stop), code::UserStop);
}

}  // namespace
}  // namespace lorvex
