#pragma once

#include <memory>
#include <string_view>

#include "engine/complex.h"
#include "engine/random_generator.h"
#include "engine/stop_check.h"
#include "expr/expr_node.h"
#include "expr/scalar_evaluator.h"

namespace lorvex {

// The scalar formula language: compiler, evaluator and the 27 formula
// variables ("@" and A-Z). The frame keeps one for the whole run; the
// formula-matrix generator compiles a formula in i and j once and evaluates
// it for every entry. The variables start at 0, except E = exp(1); I is the
// imaginary unit whenever complex mode is entered.
class TParsWin {
  public:
    // The generator is the program's one random source: RAND and the test
    // evaluation of Compile draw from it.
    explicit TParsWin(RandomGenerator& random);

    // Set on every change of the workspace mode: true exactly in complex
    // mode, where RE, IM, CONJ and ARG are names, x and y read the real and
    // imaginary parts of z, and the arithmetic is complex. Entering complex
    // mode sets I to 0 + 1i.
    void setComplexMode(bool complexMode);
    bool complexMode() const { return complexMode_; }

    // A variable by its letter, "@" or "A"-"Z" (either case).
    Complex variable(char letter) const;
    void setVariable(char letter, Complex value);

    // Compiles a formula (UTF-8; "²" is read as ^2). On code::Ok `tree`
    // holds the new formula, which belongs to the caller; on any other code
    // it is left empty. The formula is test-evaluated and simplified before
    // it is returned; the variables are left as they were. Codes:
    //   1 code::NotUnderstood  a character that is no symbol (any character
    //                          outside ASCII but "²"), more than 5000
    //                          characters, a number longer than 49 digits, a
    //                          misplaced "!", a comma outside the arguments of
    //                          a function of two or more arguments, a
    //                          malformed SUM or PROD, in complex mode a SUM
    //                          or PROD over I (the imaginary unit there)
    //   3 code::OutOfMemory
    //   6 code::InconsistentData  a symbol where it cannot stand
    //   9 code::NothingToDo    an empty formula
    //  17 code::OutOfRange     an ITER count that is not a constant 1 ...
    //                          2147483647, a SUM or PROD index that is no letter
    // 101 code::CannotCalculate  a function of two arguments given more
    // 108 code::MatrixNotFound   unbalanced brackets
    //  -1 code::UserStop       the stop check asked to stop the test evaluation
    [[nodiscard]] int Compile(std::string_view text, std::unique_ptr<ExprNode>& tree,
                              const StopCheck& stop = StopCheck::never());

    // Evaluates a compiled formula with the current variables; the value is
    // then in node->value. Returns code::Ok, kEvaluationFailed when the
    // formula has no value there (a failure says nothing more; the value
    // must not be used) or code::UserStop. A null node succeeds.
    [[nodiscard]] int Evaluate(ExprNode* node, const StopCheck& stop = StopCheck::never());
    static constexpr int kEvaluationFailed = 1;

    // Compiles and evaluates a formula in real arithmetic, whatever the mode,
    // and stores the real part of its value (0 when there is none). Returns
    // the code of Compile, or kEvaluationFailed, or code::UserStop.
    [[nodiscard]] int EvaluateText(std::string_view text, long double& value,
                                   const StopCheck& stop = StopCheck::never());

  private:
    [[nodiscard]] int compileSteps(std::string_view text, std::unique_ptr<ExprNode>& tree,
                                   const StopCheck& stop);

    RandomGenerator& random_;
    bool complexMode_ = false;
    FormulaVariables variables_{};
    ScalarEvaluator::Stacks stacks_;
};

}  // namespace lorvex
