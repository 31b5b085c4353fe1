#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/complex.h"
#include "expr/expr_node.h"

// The passes of the scalar formula compiler, in the order Compile runs them.
// Each returns a result code; the first non-zero one ends the compilation.
namespace lorvex::scalar_compiler {

// One symbol of the formula between the text passes and the tree.
struct ExprToken {
    Complex value;
    int code = 0;
    // For a function of two or more arguments: the commas seen at the top
    // level of its argument list.
    int count = 0;
};

// "[" and "{" become "(", "]" and "}" become ")"; code::MatrixNotFound when
// the nesting ever falls below zero or does not end at zero.
[[nodiscard]] int convertBrackets(std::string& work);
// Maximal runs of letters become the code of their name, or a variable
// followed by "*" and the rest of the run scanned again ("XPI" is X * PI).
void replaceNames(std::string& work, bool complexMode);
// SUM(f,v,a,b) becomes ((f SUMTERM v) SUM (a SUMRANGE b)), PROD likewise;
// code::NotUnderstood when the form is not kept, and in complex mode when
// the index v is I, the imaginary unit there.
[[nodiscard]] int rewriteSumsAndProducts(std::string& work, bool complexMode);
// A "-" where no operand ends before it becomes NEG.
void markUnaryMinus(std::string& work);

// One token per byte; code::NotUnderstood for a byte that is no valid
// symbol, code::NothingToDo for an empty text.
[[nodiscard]] int makeTokens(const std::string& work, std::vector<ExprToken>& tokens);
// PI, PHI, NINF, PINF and DEG become constants.
void replaceNamedConstants(std::vector<ExprToken>& tokens);
// Runs of digits and points become one constant; code::NotUnderstood for a
// run longer than 49 characters.
[[nodiscard]] int readNumbers(std::vector<ExprToken>& tokens);
// "x!" becomes FACT(x), "(...)!" FACT(...); code::NotUnderstood for a "!"
// with nothing before it.
[[nodiscard]] int rewriteFactorials(std::vector<ExprToken>& tokens);
// The commas of a function of two or more arguments become that function's
// code used as an infix operator, and the function token goes; codes
// code::NotUnderstood and code::CannotCalculate.
[[nodiscard]] int convertCommas(std::vector<ExprToken>& tokens);
// "(x)" alone loses its parentheses.
void dropOuterParentheses(std::vector<ExprToken>& tokens);

// Builds the tree by precedence levels (code::InconsistentData when the
// tokens do not form one).
[[nodiscard]] int buildTree(std::vector<ExprToken>& tokens, std::unique_ptr<ExprNode>& root);
// NEG of a constant folds into the constant, any other NEG is a product by -1.
void rewriteNegations(ExprNode& root);
// ITER counts must be constants 1 ... 2147483647 and the index of SUM and
// PROD a letter A-Z; code::OutOfRange otherwise.
[[nodiscard]] int checkCountsAndIndices(ExprNode& root);
// JOIN nodes take the function and the break point of their piece.
void attachJoinPieces(ExprNode& root);
// LG(b, x) becomes LN(x) / LN(b).
void rewriteLogarithms(ExprNode& root);

}  // namespace lorvex::scalar_compiler
