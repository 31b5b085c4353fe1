#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "expr/pars_win.h"
#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

// A compiled formula in prefix form, "(* 2 X)". Constants show their value
// (re,im when complex).
std::string treeText(const ExprNode& node) {
    using namespace symbol;
    static const std::map<int, std::string> names{
        {POWER, "POWER"},       {COT, "COT"},     {CSCH, "CSCH"}, {LN, "LN"},
        {ITER, "ITER"},         {RAND, "RAND"},   {SUM, "SUM"},   {SUMTERM, "SUMTERM"},
        {SUMRANGE, "SUMRANGE"}, {JOINX, "JOINX"},
    };
    std::ostringstream out;
    if (node.code == CONST) {
        out << node.value.re;
        if (node.value.im != 0) out << "," << node.value.im;
        return out.str();
    }
    const auto name = names.find(node.code);
    const std::string symbol =
        name != names.end() ? name->second : std::string(1, static_cast<char>(node.code));
    if (!node.first && !node.second && !node.third) return symbol;
    out << "(" << symbol;
    for (const ExprNode* child : {node.first.get(), node.third.get(), node.second.get()}) {
        if (child) out << " " << treeText(*child);
    }
    out << ")";
    return out.str();
}

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

// The golden cases hold the codes of misplaced operators, brackets, commas and
// the series' and iterations' arguments.
TEST_F(ScalarCompiler, CodesOfTextThatIsNoFormula) {
    EXPECT_EQ(codeOf("x\t+1"), code::NotUnderstood) << "only spaces are blanks";
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
    // The deep formulas hold x and 4999 superscript twos, each one character.
    std::string squares = "x";
    for (int i = 0; i < 5000; ++i)
        squares += "\u00b2";
    EXPECT_EQ(codeOf(squares), code::NotUnderstood);
}

TEST_F(ScalarCompiler, SimplificationAfterASuccessfulTestEvaluation) {
    EXPECT_EQ(compiled("x^2"), "(POWER 2 X)");
    EXPECT_EQ(compiled("x^0.5"), "(^ X 0.5)");
    EXPECT_EQ(compiled("x^0"), "1");
    EXPECT_EQ(compiled("0*x"), "0");
    EXPECT_EQ(compiled("0-x"), "(- 0 X)");
    EXPECT_EQ(compiled("2*3+x"), "(+ 6 X)");
    EXPECT_EQ(compiled("sin(0)+x"), "X") << "bottom-up: the folded sine is a zero term";
    EXPECT_EQ(compiled("a/tan(x)"), "(* A (COT X))");
    EXPECT_EQ(compiled("1/sinh(x)"), "(CSCH X)");
    EXPECT_EQ(compiled("iter(2,1+1)"), "(ITER 2 (+ 1 1))");
    EXPECT_EQ(compiled("rand(1+1)"), "(RAND (+ 1 1))");
    EXPECT_EQ(compiled("sum(k,k,1+1,3)"), "(SUM (SUMTERM K K) (SUMRANGE (+ 1 1) 3))");
    EXPECT_EQ(compiled("joinx(1+1|0,2)"), "(JOINX (+ 1 1) 0 2)");
    EXPECT_EQ(compiled("x/0"), "(/ X 0)") << "no test evaluation succeeds: nothing changes";

    // In complex mode I becomes the imaginary unit even when the variable I
    // holds a row number from an earlier formula.
    parser_.setComplexMode(true);
    parser_.setVariable('I', Complex{3.0L, 0.0L});
    EXPECT_EQ(compiled("i*x"), "(* 0,1 X)");
    parser_.setVariable('I', Complex{3.0L, 0.0L});
    EXPECT_EQ(compiled("ln(i-3)"), "(LN (- I 3))") << "every test fails: I stays a variable";
}

TEST_F(ScalarCompiler, AStopEndsTheTestEvaluation) {
    parser_.setVariable('X', Complex{1.5L, 0.0L});
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 1000; });
    std::unique_ptr<ExprNode> tree;
    EXPECT_EQ(parser_.Compile("iter(2147483647,x+1)", tree, stop), code::UserStop)
        << "the largest count passes the range check";
    EXPECT_EQ(tree, nullptr);
    EXPECT_EQ(parser_.variable('X'), (Complex{1.5L, 0.0L}));
    EXPECT_EQ(parser_.Compile("sum(k,k,1,2000000000)", tree, stop), code::UserStop);
    EXPECT_EQ(parser_.Compile("binom(0.5,2000000000)", tree, stop), code::UserStop);
}

}  // namespace
}  // namespace lorvex
