// The scalar formula language of the frame, with its variables.

#include <memory>

#include "cli/script_runner.h"

namespace lorvex::cli {
namespace {

// Compiles and evaluates a formula with the variables as they are.
[[nodiscard]] int evaluateFormula(TParsWin& parser, std::string_view text, const StopCheck& stop,
                                  Complex& value) {
    std::unique_ptr<ExprNode> tree;
    if (const int rc = parser.Compile(text, tree, stop); rc != code::Ok) return rc;
    if (const int rc = parser.Evaluate(tree.get(), stop); rc != code::Ok)
        return rc == code::UserStop ? rc : code::CannotCalculate;
    value = tree->value;
    return code::Ok;
}

}  // namespace

int ScriptRunner::eval(const CommandWords& words, CommandResult& result) {
    Complex value;
    if (const int rc = evaluateFormula(operations_.ParserHost(), words.restFrom(1), stop_, value);
        rc != code::Ok)
        return rc;
    result.value = value;
    result.complexValue = workspace_.Mode() == WorkspaceMode::Complex;
    return code::Ok;
}

// The variables are "@" and A ... Z, in either case.
int ScriptRunner::let(const CommandWords& words, CommandResult&) {
    const std::optional<Assignment> assignment = splitAssignment(words.restFrom(1));
    if (!assignment || assignment->name.size() != 1) return code::NotUnderstood;
    const char name = assignment->name[0];
    if (name != '@' && !letterNumber(assignment->name)) return code::NotUnderstood;
    Complex value;
    if (const int rc = evaluateFormula(operations_.ParserHost(), assignment->text, stop_, value);
        rc != code::Ok)
        return rc;
    operations_.ParserHost().setVariable(name, value);
    return code::Ok;
}

}  // namespace lorvex::cli
