// The operations behind the step procedures: linear programming by the
// simplex method, the reduction to echelon form, and row and column
// operations, each shown in its step document.

#include "workspace/step_operations.h"

#include <cassert>
#include <cstdio>
#include <type_traits>
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

// The step procedures work on complex matrices, or on integer ones for exact
// steps; a real matrix is made complex (asComplex) before it reaches them.
template <class Matrix, class Visitor>
decltype(auto) visitStepMatrix(Visitor&& visitor, Matrix& data) {
    assert(!std::holds_alternative<RealMatrix>(data));
    if (auto* complex = std::get_if<ComplexMatrix>(&data)) return visitor(*complex);
    return visitor(std::get<IntegerMatrix>(data));
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

// The reduction cut after `limit` actions, real or exact.
int reduceCut(const ComplexMatrix& m, std::int32_t limit, EchelonSteps& result,
              const StopCheck& stop) {
    return reduceToEchelon(m, limit, result, stop);
}

int reduceCut(const IntegerMatrix& m, std::int32_t limit, ExactEchelonSteps& result,
              const StopCheck& stop) {
    return reduceToEchelonExactly(m, limit, result, stop);
}

template <class Matrix>
using StepsOf = BasicEchelonSteps<std::decay_t<Matrix>>;

void applyOne(ComplexMatrix& m, const RowColumnOperation& op, const StopCheck&) {
    applyOperation(m, op);
}

void applyOne(IntegerMatrix& m, const RowColumnOperation& op, const StopCheck& stop) {
    applyOperation(m, op, stop);
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
        MatrixData start =
            exactInUse() ? document->matrixData() : MatrixData{asComplex(document->matrixData())};
        const int reduced = visitStepMatrix(
            [&](const auto& matrix) {
                StepsOf<decltype(matrix)> result;
                if (const int rc = reduceCut(matrix, steps, result, stop); rc != code::Ok)
                    return rc;
                const bool highlighted = result.hasHighlight();
                context_.workspace.showStep(
                    StepDocument::Echelon, result.matrix,
                    letterOf(letter) + " --> " +
                        std::string(strings::byId(strings::id::EchelonForm)),
                    highlighted ? result.stepRow : -1, highlighted ? result.stepCol : -1);
                progress.finished = result.actions < steps;
                lastRun_ = LastRun::Echelon;
                echelonActions_ = std::move(result.performed);
                return code::Ok;
            },
            start);
        if (reduced == code::Ok) echelonStart_ = std::move(start);
        return reduced;
    });
    return progress;
}

// The real echelon form goes to the real array in integer mode, where it
// cannot be stored exactly; an exact one goes to the integer array.
int StepOperations::EchSaveAs(std::int32_t letter) {
    return runGuarded([&] {
        const MatrixDocument& document = context_.workspace.stepDocument(StepDocument::Echelon);
        const MatrixData shown = document.matrixData();
        ElementKind kind = context_.workspace.Mode() == WorkspaceMode::Complex
                               ? ElementKind::Complex
                               : ElementKind::Real;
        if (document.isInteger()) kind = ElementKind::Integer;
        return placeDescribed(context_.workspace, kind, letter, shown,
                              std::string(strings::byId(strings::id::EchelonForm)));
    });
}

bool StepOperations::exactAvailable() const {
    return context_.workspace.Mode() == WorkspaceMode::Integer;
}

int StepOperations::OperLoad(std::int32_t letter) {
    const MatrixDocument* document = context_.workspace.slot(
        exactInUse() ? WorkspaceMode::Integer : WorkspaceMode::Real, letter);
    if (document == nullptr) return code::MatrixNotFound;
    MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
    return runGuarded([&] {
        // The copy is made before anything changes: complex, or the integer
        // matrix itself for exact steps.
        MatrixData start =
            exactInUse() ? document->matrixData() : MatrixData{asComplex(document->matrixData())};
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
        MatrixData matrix = shown.matrixData();
        const std::size_t recorded = operations_.records().size();
        std::optional<MatrixData> before;
        if (!operationsStart_) before = matrix;
        if (const int rc =
                visitStepMatrix([&](auto& m) { return operations_.apply(m, operation); }, matrix);
            rc != code::Ok) {
            return rc;
        }
        try {
            context_.workspace.showStep(StepDocument::Operations, matrix, shown.title(), -1, -1);
        } catch (const std::bad_alloc&) {
            // The record goes too, so that undo matches what is shown.
            if (operations_.records().size() > recorded) operations_.dropNewest();
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

int StepOperations::factorOf(std::string_view text, Complex& value,
                             std::optional<Fraction>& exact) {
    const std::string_view factor = field(text, kFactorLength);
    if (!context_.workspace.stepDocument(StepDocument::Operations).isInteger())
        return EvalScalarText(factor, context_.workspace, value);
    return runGuarded([&] {
        Fraction fraction;
        if (const int rc = EvalExactScalarText(factor, context_.workspace, fraction);
            rc != code::Ok) {
            return rc;
        }
        value = Complex{approximate(fraction), 0.0L};
        exact = std::move(fraction);
        return code::Ok;
    });
}

int StepOperations::OperMultiply(std::string_view index, std::string_view factor, bool columns) {
    const std::int32_t k = leadingInteger(field(index, kIndexLength));
    if (k < 1 || k > operationLimit(columns)) return code::OutOfRange;
    Complex value;
    std::optional<Fraction> exact;
    if (const int rc = factorOf(factor, value, exact); rc != code::Ok) return rc;
    return applyOperation({columns ? OperationKind::ScaleColumn : OperationKind::ScaleRow, k - 1,
                           k - 1, value, std::move(exact)});
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
    std::optional<Fraction> exact;
    if (rc = factorOf(factor, value, exact); rc != code::Ok) return rc;
    return applyOperation(
        {columns ? OperationKind::AddColumnMultiple : OperationKind::AddRowMultiple, i - 1, j - 1,
         value, std::move(exact)});
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
        if (shown.isInteger() && document->isInteger()) {
            return findElementaryStep(std::get<IntegerMatrix>(shown.matrixData()),
                                      std::get<IntegerMatrix>(document->matrixData()), result,
                                      stop);
        }
        return findElementaryStep(asComplex(shown.matrixData()), asComplex(document->matrixData()),
                                  shown.ZeroTol(), result, stop);
    });
}

int StepOperations::OperTake(const RowColumnOperation& operation) {
    return applyOperation(operation);
}

bool StepOperations::OperUndo() {
    const int rc = runGuarded([&] {
        MatrixDocument& shown = context_.workspace.stepDocument(StepDocument::Operations);
        MatrixData matrix = shown.matrixData();
        if (!operations_.canUndo()) return code::NothingToDo;
        RowColumnOperation newest = operations_.records().back();
        if (!visitStepMatrix([&](auto& m) { return operations_.undo(m); }, matrix))
            return code::NothingToDo;
        try {
            context_.workspace.showStep(StepDocument::Operations, matrix, shown.title(), -1, -1);
        } catch (const std::bad_alloc&) {
            operations_.reinstate(std::move(newest));
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

std::optional<StepDocument> StepOperations::lastRunDocument() const {
    switch (lastRun_) {
        case LastRun::Echelon:
            return StepDocument::Echelon;
        case LastRun::Operations:
            return StepDocument::Operations;
        case LastRun::LinearProgram:
            return StepDocument::LinearProgramming;
        case LastRun::None:
            break;
    }
    return std::nullopt;
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
int StepOperations::tableauAfter(std::int32_t pivots, MatrixData& tableau,
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
        const MatrixData& start = lastRun_ == LastRun::Echelon ? echelonStart_ : *operationsStart_;
        WorkedSolution written{start, {}, lastDecimals()};
        const int rc = visitStepMatrix(
            [&](const auto& first) {
                auto matrix = first;
                std::int32_t count = 0;
                for (const StepRecord& step : lastSteps()) {
                    SolutionStep shown{step, {}, -1, -1};
                    if (const auto* op = std::get_if<RowColumnOperation>(&step)) {
                        applyOne(matrix, *op, stop);
                        shown.after = matrix;
                    } else {
                        StepsOf<decltype(first)> cut;
                        if (const int cutCode = reduceCut(first, ++count, cut, stop);
                            cutCode != code::Ok) {
                            return cutCode;
                        }
                        if (cut.hasHighlight()) {
                            shown.pivotRow = cut.stepRow;
                            shown.pivotCol = cut.stepCol;
                        }
                        shown.after = std::move(cut.matrix);
                    }
                    written.steps.push_back(std::move(shown));
                }
                return static_cast<int>(code::Ok);
            },
            start);
        if (rc != code::Ok) return rc;
        solution = std::move(written);
        return code::Ok;
    });
}

}  // namespace lorvex
