// The operations behind the step procedures: linear programming by the
// simplex method, the reduction to echelon form, and row and column
// operations, each shown in its step document.

#include "workspace/step_operations.h"

#include <cstdio>
#include <variant>

#include "engine/echelon.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/described_placement.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"
#include "workspace/text_numbers.h"

namespace lorvex {
namespace {

// The field texts are read up to these lengths.
constexpr std::size_t kIndexLength = 9;
constexpr std::size_t kFactorLength = 99;

std::string letterOf(std::int32_t letter) {
    return std::string(1, static_cast<char>('A' + letter - 1));
}

// "B*X <= C ]" or "B*X >= C ]".
std::string constraintPart(std::int32_t constraints, std::int32_t rightSide, Goal goal) {
    return letterOf(constraints) + "*X " + (goal == Goal::Maximise ? "<= " : ">= ") +
           letterOf(rightSide) + " ]";
}

std::string goalText(Goal goal) {
    return std::string(
        strings::byId(goal == Goal::Maximise ? strings::id::Maximise : strings::id::Minimise));
}

std::string valueText(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%8.6Lf", value);
    return text;
}

// A complex copy of a matrix: a real one's entries with zero imaginary parts,
// an integer one's each its numerator over the common denominator.
ComplexMatrix asComplex(const MatrixData& data) {
    if (const auto* m = std::get_if<ComplexMatrix>(&data)) return *m;
    if (const auto* m = std::get_if<RealMatrix>(&data)) return complexMatrixOf(*m);
    const auto& exact = std::get<IntegerMatrix>(data);
    ComplexMatrix m(exact.rows, exact.cols);
    const long double denominator = exact.denominator.toLongDouble();
    for (std::size_t i = 0; i < m.cells.size(); ++i) {
        m.cells[i] = Complex{exact.numerators[i].toLongDouble() / denominator, 0.0L};
    }
    return m;
}

std::string_view field(std::string_view text, std::size_t length) {
    return text.substr(0, length);
}

}  // namespace

StepProgress StepOperations::linearProgram(std::int32_t objective, std::int32_t constraints,
                                           std::int32_t rightSide, Goal goal,
                                           std::int32_t stepLimit, const StopCheck& stop) {
    StepProgress progress;
    progress.code = runGuarded([&] {
        progress = runLinearProgram(objective, constraints, rightSide, goal, stepLimit, stop);
        return progress.code;
    });
    return progress;
}

StepProgress StepOperations::runLinearProgram(std::int32_t objective, std::int32_t constraints,
                                              std::int32_t rightSide, Goal goal,
                                              std::int32_t stepLimit, const StopCheck& stop) {
    const Workspace& workspace = context_.workspace;
    const MatrixDocument* f = workspace.slot(WorkspaceMode::Real, objective);
    const MatrixDocument* b = workspace.slot(WorkspaceMode::Real, constraints);
    const MatrixDocument* c = workspace.slot(WorkspaceMode::Real, rightSide);
    if (f == nullptr || b == nullptr || c == nullptr) return {code::MatrixNotFound};
    const auto fm = asComplex(f->matrixData());
    const auto bm = asComplex(b->matrixData());
    const auto cm = asComplex(c->matrixData());
    if (const int rc = checkLinearProgram(fm, bm, cm); rc != code::Ok) return {rc};

    lastRun_ = LastRun::None;
    SimplexRun run;
    // A failing run has ended too.
    if (const int rc = runSimplex(fm, bm, cm, goal, stepLimit, run, stop); rc != code::Ok)
        return {rc, true};
    lastRun_ = LastRun::LinearProgram;
    lastProblem_ = {fm, bm, cm, goal};
    simplexPivots_ = std::move(run.performed);
    const std::string constraintsText = constraintPart(constraints, rightSide, goal);
    if (run.ended()) {
        LPShow(run.solutions,
               letterOf(objective) + "*X = " + valueText(run.value) + " [ " + goalText(goal) +
                   "; " + constraintsText,
               -1, -1);
    } else {
        LPShow(run.tableau, goalText(goal) + " " + letterOf(objective) + "*X [ " + constraintsText,
               run.pivotRow, run.pivotColumn);
    }
    return {code::Ok, run.ended()};
}

void StepOperations::LPShow(const ComplexMatrix& entries, std::string title,
                            std::int32_t highlightRow, std::int32_t highlightCol) {
    context_.workspace.showStep(StepDocument::LinearProgramming, entries, std::move(title),
                                highlightRow, highlightCol);
}

void StepOperations::EchShow(const ComplexMatrix& entries, std::string title,
                             std::int32_t highlightRow, std::int32_t highlightCol) {
    context_.workspace.showStep(StepDocument::Echelon, entries, std::move(title), highlightRow,
                                highlightCol);
}

int StepOperations::LPSaveAs(std::int32_t letter) {
    return runGuarded([&] {
        const MatrixData shown =
            context_.workspace.stepDocument(StepDocument::LinearProgramming).matrixData();
        return placeDescribed(context_.workspace, ElementKind::Real, letter, shown,
                              std::string(strings::byId(strings::id::LinearProgrammingData)));
    });
}

StepProgress StepOperations::echelon(std::int32_t letter, std::int32_t steps,
                                     const StopCheck& stop) {
    const MatrixDocument* document = context_.workspace.slot(letter);
    if (document == nullptr) return {code::MatrixNotFound};
    StepProgress progress;
    progress.code = runGuarded([&] {
        EchelonSteps result;
        ComplexMatrix start = asComplex(document->matrixData());
        if (const int rc = reduceToEchelon(start, steps, result, stop); rc != code::Ok) return rc;
        const bool highlighted = result.hasHighlight();
        EchShow(result.matrix,
                letterOf(letter) + " --> " + std::string(strings::byId(strings::id::EchelonForm)),
                highlighted ? result.stepRow : -1, highlighted ? result.stepCol : -1);
        progress.finished = result.actions < steps;
        lastRun_ = LastRun::Echelon;
        echelonStart_ = std::move(start);
        echelonActions_ = std::move(result.performed);
        return code::Ok;
    });
    return progress;
}

// The echelon form is real: in integer mode, where it cannot be stored
// exactly, it goes to the real array.
int StepOperations::EchSaveAs(std::int32_t letter) {
    return runGuarded([&] {
        const MatrixData shown =
            context_.workspace.stepDocument(StepDocument::Echelon).matrixData();
        const ElementKind kind = context_.workspace.Mode() == WorkspaceMode::Complex
                                     ? ElementKind::Complex
                                     : ElementKind::Real;
        return placeDescribed(context_.workspace, kind, letter, shown,
                              std::string(strings::byId(strings::id::EchelonForm)));
    });
}

int StepOperations::OperLoad(std::int32_t letter) {
    const MatrixDocument* document = context_.workspace.slot(WorkspaceMode::Real, letter);
    if (document == nullptr) return code::MatrixNotFound;
    MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
    return runGuarded([&] {
        // The complex copy is made before anything changes.
        ComplexMatrix start = asComplex(document->matrixData());
        context_.workspace.showStep(StepDocument::Operations, start, shown.title(), -1, -1);
        // Operations recorded on another matrix can no longer be undone.
        operations_.clear();
        lastRun_ = LastRun::Operations;
        operationsStart_ = std::move(start);
        return code::Ok;
    });
}

int StepOperations::applyOperation(const RowColumnOperation& operation) {
    return runGuarded([&] {
        MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
        auto matrix = std::get<ComplexMatrix>(shown.matrixData());
        const std::size_t recorded = operations_.records().size();
        std::optional<ComplexMatrix> before;
        if (!operationsStart_) before = matrix;
        if (const int rc = operations_.apply(matrix, operation); rc != code::Ok) return rc;
        try {
            context_.workspace.showStep(StepDocument::Operations, matrix, shown.title(), -1, -1);
        } catch (const std::bad_alloc&) {
            // The record goes too, so that undo matches what is shown.
            if (operations_.records().size() > recorded) operations_.undo(matrix);
            throw;
        }
        if (before) operationsStart_ = std::move(before);
        lastRun_ = LastRun::Operations;
        return code::Ok;
    });
}

std::int32_t StepOperations::operationLimit(bool columns) {
    const MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
    return columns ? shown.Cols() : shown.Rows();
}

int StepOperations::OperMultiply(std::string_view index, std::string_view factor, bool columns) {
    const std::int32_t k = leadingInteger(field(index, kIndexLength));
    if (k < 1 || k > operationLimit(columns)) return code::OutOfRange;
    Complex value;
    if (const int rc = EvalScalarText(field(factor, kFactorLength), context_.workspace, value);
        rc != code::Ok) {
        return rc;
    }
    return applyOperation(
        {columns ? OperationKind::ScaleColumn : OperationKind::ScaleRow, k - 1, k - 1, value});
}

int StepOperations::OperAdd(std::string_view index, std::string_view factor,
                            std::string_view target, bool columns) {
    const std::int32_t i = leadingInteger(field(index, kIndexLength));
    const std::int32_t j = leadingInteger(field(target, kIndexLength));
    const std::int32_t limit = operationLimit(columns);
    int rc = i == j ? code::NothingToDo : code::Ok;
    if (i < 1 || i > limit || j < 1 || j > limit) rc = code::OutOfRange;
    if (rc != code::Ok) return rc;
    Complex value;
    if (rc = EvalScalarText(field(factor, kFactorLength), context_.workspace, value);
        rc != code::Ok) {
        return rc;
    }
    return applyOperation(
        {columns ? OperationKind::AddColumnMultiple : OperationKind::AddRowMultiple, i - 1, j - 1,
         value});
}

int StepOperations::OperSwap(std::string_view first, std::string_view second, bool columns) {
    const std::int32_t i = leadingInteger(field(first, kIndexLength));
    const std::int32_t j = leadingInteger(field(second, kIndexLength));
    const std::int32_t limit = operationLimit(columns);
    int rc = i == j ? code::NothingToDo : code::Ok;
    if (i < 1 || i > limit || j < 1 || j > limit) rc = code::OutOfRange;
    if (rc != code::Ok) return rc;
    return applyOperation({columns ? OperationKind::ExchangeColumns : OperationKind::ExchangeRows,
                           i - 1, j - 1, ONE});
}

int StepOperations::OperCheck(std::int32_t letter, ElementaryStep& result, const StopCheck& stop) {
    const MatrixDocument* document = context_.workspace.slot(letter);
    if (document == nullptr) return code::MatrixNotFound;
    const MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
    return runGuarded([&] {
        return findElementaryStep(std::get<ComplexMatrix>(shown.matrixData()),
                                  asComplex(document->matrixData()), shown.ZeroTol(), result, stop);
    });
}

int StepOperations::OperTake(const RowColumnOperation& operation) {
    return applyOperation(operation);
}

bool StepOperations::OperUndo() {
    const int rc = runGuarded([&] {
        MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
        auto matrix = std::get<ComplexMatrix>(shown.matrixData());
        if (!operations_.canUndo()) return code::NothingToDo;
        const RowColumnOperation newest = operations_.records().back();
        if (!operations_.undo(matrix)) return code::NothingToDo;
        try {
            context_.workspace.showStep(StepDocument::Operations, matrix, shown.title(), -1, -1);
        } catch (const std::bad_alloc&) {
            // Back on the stack, in the room it just left, so this cannot fail.
            static_cast<void>(operations_.apply(matrix, newest));
            throw;
        }
        lastRun_ = LastRun::Operations;
        return code::Ok;
    });
    return rc == code::Ok;
}

std::vector<StepRecord> StepOperations::lastSteps() const {
    if (lastRun_ == LastRun::Echelon) return {echelonActions_.begin(), echelonActions_.end()};
    if (lastRun_ == LastRun::Operations)
        return {operations_.records().begin(), operations_.records().end()};
    if (lastRun_ == LastRun::LinearProgram) return {simplexPivots_.begin(), simplexPivots_.end()};
    return {};
}

int StepOperations::lastDecimals() const {
    StepDocument shown = StepDocument::Operations;
    if (lastRun_ == LastRun::Echelon) shown = StepDocument::Echelon;
    if (lastRun_ == LastRun::LinearProgram) shown = StepDocument::LinearProgramming;
    return context_.workspace.stepDocument(shown).Decimals();
}

std::vector<std::string> StepOperations::stepDescriptions() const {
    std::vector<std::string> descriptions;
    for (const StepRecord& step : lastSteps())
        descriptions.push_back(describeStep(step, lastDecimals(), StepNotation::Text));
    return descriptions;
}

// The tableau after `pivots` pivots, from a run cut after them.
int StepOperations::tableauAfter(std::int32_t pivots, ComplexMatrix& tableau,
                                 const StopCheck& stop) const {
    const LinearProblem& p = lastProblem_;
    SimplexRun run;
    if (const int rc =
            runSimplex(p.objective, p.constraints, p.rightSide, p.goal, 2 * pivots, run, stop);
        rc != code::Ok) {
        return rc;
    }
    tableau = std::move(run.tableau);
    return code::Ok;
}

// The echelon matrices come from the reduction cut after each action, and
// the tableaux from the simplex method cut after each pivot, as the step
// window showed them; the operations are applied again in turn.
int StepOperations::workedSolution(WorkedSolution& solution, const StopCheck& stop) const {
    if (lastRun_ == LastRun::None) return code::NothingToDo;
    return runGuarded([&] {
        if (lastRun_ == LastRun::LinearProgram) {
            WorkedSolution written{{}, {}, lastDecimals()};
            if (const int rc = tableauAfter(0, written.start, stop); rc != code::Ok) return rc;
            std::int32_t count = 0;
            for (const SimplexPivot& pivot : simplexPivots_) {
                SolutionStep shown{pivot, {}, pivot.row, pivot.column};
                if (const int rc = tableauAfter(++count, shown.after, stop); rc != code::Ok)
                    return rc;
                written.steps.push_back(std::move(shown));
            }
            solution = std::move(written);
            return code::Ok;
        }
        const ComplexMatrix& start =
            lastRun_ == LastRun::Echelon ? echelonStart_ : *operationsStart_;
        WorkedSolution written{start, {}, lastDecimals()};
        ComplexMatrix matrix = start;
        std::int32_t count = 0;
        for (const StepRecord& step : lastSteps()) {
            SolutionStep shown{step, {}, -1, -1};
            if (const auto* op = std::get_if<RowColumnOperation>(&step)) {
                lorvex::applyOperation(matrix, *op);
                shown.after = matrix;
            } else {
                EchelonSteps cut;
                if (const int rc = reduceToEchelon(start, ++count, cut, stop); rc != code::Ok)
                    return rc;
                if (cut.hasHighlight()) {
                    shown.pivotRow = cut.stepRow;
                    shown.pivotCol = cut.stepCol;
                }
                shown.after = std::move(cut.matrix);
            }
            written.steps.push_back(std::move(shown));
        }
        solution = std::move(written);
        return code::Ok;
    });
}

}  // namespace lorvex
