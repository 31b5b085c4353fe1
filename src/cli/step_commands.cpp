// The step procedures: echelon form, linear programming, and row and column
// operations, each shown in its step document.

#include <string>

#include "cli/script_runner.h"
#include "engine/echelon.h"
#include "workspace/check_answer.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex::cli {
namespace {

// "rows" or "cols": whether the operation works on columns.
std::optional<bool> onColumns(std::string_view word) {
    if (sameWord(word, "rows")) return false;
    if (sameWord(word, "cols")) return true;
    return std::nullopt;
}

// An optional step count: every step when it is missing.
std::optional<std::int32_t> stepCount(const CommandWords& words, std::size_t index,
                                      std::int32_t all) {
    if (words.size() <= index) return all;
    const std::optional<std::int32_t> steps = wholeInteger(words[index]);
    if (!steps || *steps < 0) return std::nullopt;
    return steps;
}

}  // namespace

void ScriptRunner::showStep(StepDocument which, CommandResult& result,
                            std::optional<bool> finished) {
    const MatrixDocument& document = workspace_.stepDocument(which);
    result.matrices.push_back({&document, document.title()});
    if (finished) result.step = StepView{document.title(), *finished};
}

int ScriptRunner::echelon(const CommandWords& words, CommandResult& result) {
    if (words.size() != 2 && words.size() != 3) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    const std::optional<std::int32_t> steps = stepCount(words, 2, kAllEchelonActions);
    if (!letter || !steps) return code::NotUnderstood;
    const StepProgress progress = operations_.steps().echelon(*letter, *steps);
    if (progress.code != code::Ok) return progress.code;
    showStep(StepDocument::Echelon, result, progress.finished);
    return code::Ok;
}

int ScriptRunner::lp(const CommandWords& words, CommandResult& result) {
    if (words.size() != 5 && words.size() != 6) return code::NotUnderstood;
    std::optional<Goal> goal;
    if (sameWord(words[1], "max")) goal = Goal::Maximise;
    if (sameWord(words[1], "min")) goal = Goal::Minimise;
    const std::optional<std::int32_t> objective = letterNumber(words[2]);
    const std::optional<std::int32_t> constraints = letterNumber(words[3]);
    const std::optional<std::int32_t> rightSide = letterNumber(words[4]);
    const std::optional<std::int32_t> steps = stepCount(words, 5, kAllSimplexSteps);
    if (!goal || !objective || !constraints || !rightSide || !steps) return code::NotUnderstood;
    const StepProgress progress = operations_.steps().linearProgram(
        *objective, *constraints, *rightSide, *goal, *steps, stop_);
    if (progress.code != code::Ok) return progress.code;
    showStep(StepDocument::LinearProgramming, result, progress.finished);
    return code::Ok;
}

int ScriptRunner::oper(const CommandWords& words, CommandResult& result) {
    if (words.size() != 2) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    if (const int rc = operations_.steps().OperLoad(*letter); rc != code::Ok) return rc;
    showStep(StepDocument::Operations, result, std::nullopt);
    return code::Ok;
}

// "mul rows|cols INDEX FACTOR": the factor is the rest of the line.
int ScriptRunner::mul(const CommandWords& words, CommandResult& result) {
    if (words.size() < 4) return code::NotUnderstood;
    const std::optional<bool> columns = onColumns(words[1]);
    if (!columns) return code::NotUnderstood;
    if (const int rc = operations_.steps().OperMultiply(words[2], words.restFrom(3), *columns);
        rc != code::Ok) {
        return rc;
    }
    showStep(StepDocument::Operations, result, std::nullopt);
    return code::Ok;
}

// "add rows|cols FROM TO FACTOR": FACTOR times line FROM is added to line TO.
int ScriptRunner::add(const CommandWords& words, CommandResult& result) {
    if (words.size() < 5) return code::NotUnderstood;
    const std::optional<bool> columns = onColumns(words[1]);
    if (!columns) return code::NotUnderstood;
    if (const int rc = operations_.steps().OperAdd(words[2], words.restFrom(4), words[3], *columns);
        rc != code::Ok) {
        return rc;
    }
    showStep(StepDocument::Operations, result, std::nullopt);
    return code::Ok;
}

int ScriptRunner::swap(const CommandWords& words, CommandResult& result) {
    if (words.size() != 4) return code::NotUnderstood;
    const std::optional<bool> columns = onColumns(words[1]);
    if (!columns) return code::NotUnderstood;
    if (const int rc = operations_.steps().OperSwap(words[2], words[3], *columns); rc != code::Ok)
        return rc;
    showStep(StepDocument::Operations, result, std::nullopt);
    return code::Ok;
}

// The dialog's "desfazer" is disabled when there is nothing to undo; here
// that is "nada a fazer".
int ScriptRunner::undo(const CommandWords& words, CommandResult& result) {
    if (words.size() != 1) return code::NotUnderstood;
    if (!operations_.steps().OperUndo()) return code::NothingToDo;
    showStep(StepDocument::Operations, result, std::nullopt);
    return code::Ok;
}

// "check S": whether S, of the current mode, is the operations window's
// matrix after one elementary operation.
int ScriptRunner::check(const CommandWords& words, CommandResult& result) {
    if (words.size() != 2) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    ElementaryStep step;
    if (const int rc = operations_.steps().OperCheck(*letter, step, stop_); rc != code::Ok)
        return rc;
    CheckedStep checked;
    if (step.elementary) checked.operation = describeOperation(step.operation);
    checked.rowEquivalent = step.rowEquivalent;
    checked.answer = checkAnswerText(step);
    result.check = std::move(checked);
    return code::Ok;
}

// "exact on|off": whether the following echelon and oper commands work in
// exact fractions in integer mode, as the dialogs' "exato".
int ScriptRunner::exact(const CommandWords& words, CommandResult&) {
    if (words.size() != 2) return code::NotUnderstood;
    const bool on = sameWord(words[1], "on");
    if (!on && !sameWord(words[1], "off")) return code::NotUnderstood;
    operations_.steps().setExact(on);
    return code::Ok;
}

// The operations document has no "salvar como" of its own in the program;
// it is stored like the linear-programming one (the real array, the integer
// array for an exact run), with its title "operações" as the notes.
int ScriptRunner::stepsave(const CommandWords& words, CommandResult&) {
    if (words.size() != 3) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[2]);
    if (!letter) return code::NotUnderstood;
    if (sameWord(words[1], "lp")) return operations_.steps().LPSaveAs(*letter);
    if (sameWord(words[1], "echelon")) return operations_.steps().EchSaveAs(*letter);
    if (!sameWord(words[1], "oper")) return code::NotUnderstood;
    const MatrixDocument& shown = workspace_.stepDocument(StepDocument::Operations);
    const Workspace::Placement placement =
        workspace_.PlaceMatrix(shown.isInteger() ? ElementKind::Integer : ElementKind::Real, "",
                               *letter, shown.matrixData());
    if (placement.stored)
        placement.document->setNotes(std::string(strings::byId(strings::id::Operations)));
    return placement.code;
}

// "solution tex|text [--document] [FILE]": the last echelon or operations
// run written out, to FILE (the rest of the line) or shown; "--document"
// makes the LaTeX a complete document.
int ScriptRunner::solution(const CommandWords& words, CommandResult& result) {
    if (words.size() < 2) return code::NotUnderstood;
    const bool tex = sameWord(words[1], "tex");
    if (!tex && !sameWord(words[1], "text")) return code::NotUnderstood;
    const bool document = words.size() > 2 && sameWord(words[2], "--document");
    if (document && !tex) return code::NotUnderstood;
    WorkedSolution worked;
    if (const int rc = operations_.steps().workedSolution(worked, stop_); rc != code::Ok) return rc;
    const SolutionFormat format = !tex       ? SolutionFormat::PlainText
                                  : document ? SolutionFormat::TexDocument
                                             : SolutionFormat::TexFragment;
    const std::string_view file = words.restFrom(document ? 3 : 2);
    if (file.empty()) {
        result.text = solutionIn(worked, format);
        return code::Ok;
    }
    return writeSolution(std::string(file), worked, format);
}

}  // namespace lorvex::cli
