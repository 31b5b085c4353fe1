// Calculations, linear systems and the one-matrix report.

#include "cli/script_runner.h"

namespace lorvex::cli {

int ScriptRunner::calc(const CommandWords& words, CommandResult&) {
    const std::optional<Assignment> assignment = splitAssignment(words.restFrom(1));
    if (!assignment) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(assignment->name);
    if (!letter) return code::NotUnderstood;
    return operations_.calculations().CalcExpression(*letter, assignment->text, stop_);
}

// "solve M B X K", with B "0" for the homogeneous system. The operation
// stores X and, when the rank is below the number of columns, a basis.
int ScriptRunner::solve(const CommandWords& words, CommandResult& result) {
    if (words.size() != 5) return code::NotUnderstood;
    const bool homogeneous = words[2] == "0";
    const std::optional<std::int32_t> m = letterNumber(words[1]);
    const std::optional<std::int32_t> b = homogeneous ? 0 : letterNumber(words[2]);
    const std::optional<std::int32_t> x = letterNumber(words[3]);
    const std::optional<std::int32_t> k = letterNumber(words[4]);
    if (!m || !b || !x || !k) return code::NotUnderstood;
    const Outcome<std::int32_t> solved =
        operations_.calculations().Solve(*m, *b, *x, *k, homogeneous, stop_);
    if (solved.code != code::Ok) return solved.code;
    result.matrixList = true;
    result.rank = solved.value;
    return code::Ok;
}

int ScriptRunner::report(const CommandWords& words, CommandResult& result) {
    if (words.size() != 2) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    Outcome<OneMatrixReport> report = operations_.calculations().oneMatrixReport(*letter, stop_);
    if (report.code != code::Ok) return report.code;
    result.report = std::move(report.value);
    return code::Ok;
}

}  // namespace lorvex::cli
