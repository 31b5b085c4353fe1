// Arbitrary text as a scalar formula, compiled and evaluated in real and in
// complex mode: every input gives a tree or one of the compiler's codes, a
// tree evaluates or fails, compiling leaves the variables as they were, and
// long loops end at the stop check.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "engine/stop_check.h"
#include "expr/pars_win.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool isCompileCode(int rc) {
    using namespace lorvex::code;
    for (const int expected : {Ok, UserStop, NotUnderstood, OutOfMemory, InconsistentData,
                               NothingToDo, OutOfRange, CannotCalculate, MatrixNotFound}) {
        if (rc == expected) return true;
    }
    return false;
}

constexpr std::string_view kLetters = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::array<lorvex::Complex, 27> variablesOf(const lorvex::TParsWin& parser) {
    std::array<lorvex::Complex, 27> values;
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        values[i] = parser.variable(kLetters[i]);
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lorvex;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RandomGenerator random(1);
    for (const bool complexMode : {false, true}) {
        TParsWin parser(random);
        parser.setComplexMode(complexMode);
        parser.setVariable('X', Complex{1.5L, 0.0L});
        parser.setVariable('Z', Complex{-0.5L, 2.0L});
        parser.setVariable('J', Complex{3.0L, 0.0L});
        int polls = 0;
        const StopCheck stop([&] { return ++polls > 5000; });

        const auto before = variablesOf(parser);
        std::unique_ptr<ExprNode> tree;
        const int rc = parser.Compile(text, tree, stop);
        check(isCompileCode(rc));
        check((rc == code::Ok) == (tree != nullptr));
        check(variablesOf(parser) == before);
        if (rc == code::Ok) {
            const int evaluation = parser.Evaluate(tree.get(), stop);
            check(evaluation == code::Ok || evaluation == TParsWin::kEvaluationFailed ||
                  evaluation == code::UserStop);
            FreeExpr(std::move(tree));
        }
        long double value = 0;
        const int textCode = parser.EvaluateText(text, value, stop);
        check(isCompileCode(textCode) || textCode == TParsWin::kEvaluationFailed);
        check(textCode == code::Ok || value == 0);
        check(parser.complexMode() == complexMode);
    }
    return 0;
}
