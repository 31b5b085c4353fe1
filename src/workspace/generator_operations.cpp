// The new-matrix generators of the frame: zeros, random entries, a constant
// diagonal, probability rows and columns, a formula in i and j, a copied
// column and a random integer matrix of determinant 1. The fields are read
// and checked here; the random and patterned matrices come from the engine.

#include "workspace/generator_operations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/generators.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/described_placement.h"
#include "workspace/matrix_limits.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"
#include "workspace/text_numbers.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

// The generator's descriptions are cut to this many characters.
constexpr std::size_t kMaxDescription = 99;

// "zeros", "aleatória (lo,hi)", "diagonal", ... with the bounds as typed.
std::string generatorDescription(NewMatrixKind kind, std::string_view lower,
                                 std::string_view upper) {
    std::string text(strings::byId(strings::id::FirstNewMatrixKind + static_cast<int>(kind)));
    if (kind == NewMatrixKind::Random) {
        text += " (";
        text += lower;
        text += ",";
        text += upper;
        text += ")";
    }
    return utf8Prefix(text, kMaxDescription);
}

// The checks of a new matrix after its diagonal value's (whose code is
// `diagonalCode`): each later failure replaces the code of an earlier one.
// A diagonal matrix is then made square; the hidden columns field has had its
// say, and the square must fit the entry limit as well.
int checkBoundsAndSize(NewMatrixKind kind, int diagonalCode, bool boundsReversed,
                       std::int32_t rowCount, std::int32_t& colCount) {
    int rc = diagonalCode;
    if (kind == NewMatrixKind::Random && boundsReversed) rc = code::InconsistentData;
    if (sizeOutOfRange(rowCount, colCount)) rc = code::OutOfRange;
    if (rc != code::Ok) return rc;
    if (kind == NewMatrixKind::Diagonal) colCount = rowCount;
    if (sizeOutOfRange(rowCount, colCount)) return code::OutOfRange;
    return code::Ok;
}

UnitSums unitSums(NewMatrixKind kind) {
    return kind == NewMatrixKind::ProbabilityRows ? UnitSums::Rows : UnitSums::Columns;
}

}  // namespace

NewMatrixDefaults newMatrixDefaults(WorkspaceMode mode) {
    if (mode == WorkspaceMode::Integer) return {"1", "10", "1"};
    return {"0.0", "1.0", "1.0"};
}

int GeneratorOperations::MakeMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                                    std::string_view cols, std::string_view lower,
                                    std::string_view upper, std::string_view diagonal) {
    // Integer mode has the exact generator.
    if (context_.workspace.Mode() == WorkspaceMode::Integer)
        return MakeIntMatrix(letter, kind, rows, cols, lower, upper, diagonal);
    return runGuarded([&] {
        const std::int32_t rowCount = leadingInteger(rows);
        std::int32_t colCount = leadingInteger(cols);
        const long double lo = leadingDecimal(lower);
        const long double hi = leadingDecimal(upper);

        int rc = code::Ok;
        Complex diagonalValue = ZERO;
        if (kind == NewMatrixKind::Diagonal)
            rc = EvalScalarText(diagonal, context_.workspace, diagonalValue);
        // Bounds beyond the range of a long double, or so far apart that their
        // distance is, would fill the matrix with infinities.
        if (kind == NewMatrixKind::Random && !std::isfinite(hi - lo)) rc = code::OutOfRange;
        rc = checkBoundsAndSize(kind, rc, hi < lo, rowCount, colCount);
        if (rc != code::Ok) return rc;

        const ElementKind elementKind = elementKindOf(context_.workspace.Mode());
        // The large ones are made as the mode holds them; the others are
        // complex, and a real place takes their real parts.
        MatrixData block;
        ComplexMatrix complexBlock;
        switch (kind) {
            case NewMatrixKind::Zeros:
                block = zeroMatrix(elementKind, rowCount, colCount);
                break;
            case NewMatrixKind::Random:
                if (elementKind == ElementKind::Real) {
                    RealMatrix realBlock;
                    rc = randomMatrix(rowCount, colCount, lo, hi, context_.random, realBlock);
                    block = std::move(realBlock);
                } else {
                    rc = randomMatrix(rowCount, colCount, lo, hi, context_.random, complexBlock);
                    block = std::move(complexBlock);
                }
                break;
            case NewMatrixKind::Diagonal:
                rc = diagonalMatrix(rowCount, diagonalValue, complexBlock);
                block = std::move(complexBlock);
                break;
            case NewMatrixKind::ProbabilityRows:
            case NewMatrixKind::ProbabilityColumns:
                rc = probabilityMatrix(rowCount, colCount, unitSums(kind), context_.random,
                                       complexBlock);
                block = std::move(complexBlock);
                break;
        }
        if (rc != code::Ok) return rc;
        return placeDescribed(context_.workspace, elementKind, letter, block,
                              generatorDescription(kind, lower, upper));
    });
}

int GeneratorOperations::MakeIntMatrix(std::int32_t letter, NewMatrixKind kind,
                                       std::string_view rows, std::string_view cols,
                                       std::string_view lower, std::string_view upper,
                                       std::string_view diagonal) {
    return runGuarded([&] {
        const std::int32_t rowCount = leadingInteger(rows);
        std::int32_t colCount = leadingInteger(cols);
        const std::int64_t lo = leadingInteger(lower);
        const std::int64_t hi = leadingInteger(upper);

        int rc = code::Ok;
        BigInt diagonalValue;
        if (kind == NewMatrixKind::Diagonal &&
            BigInt::fromText(diagonal, diagonalValue) != code::Ok)
            rc = code::IntegerExpected;
        rc = checkBoundsAndSize(kind, rc, hi < lo, rowCount, colCount);
        if (rc != code::Ok) return rc;

        IntegerMatrix block;
        switch (kind) {
            case NewMatrixKind::Zeros:
                block = IntegerMatrix(rowCount, colCount);
                break;
            case NewMatrixKind::Random:
                rc = randomIntegerMatrix(rowCount, colCount, lo, hi, context_.random, block);
                break;
            case NewMatrixKind::Diagonal:
                rc = diagonalMatrix(rowCount, diagonalValue, block);
                break;
            case NewMatrixKind::ProbabilityRows:
            case NewMatrixKind::ProbabilityColumns:
                rc = integerProbabilityMatrix(rowCount, colCount, unitSums(kind), context_.random,
                                              block);
                break;
        }
        if (rc != code::Ok) return rc;
        return placeDescribed(context_.workspace, ElementKind::Integer, letter, block,
                              generatorDescription(kind, lower, upper));
    });
}

int GeneratorOperations::Formula(std::int32_t letter, std::string_view rows, std::string_view cols,
                                 std::string_view formula, const StopCheck& stop) {
    return runGuarded([&] {
        const std::int32_t rowCount = leadingInteger(rows);
        const std::int32_t colCount = leadingInteger(cols);
        if (sizeOutOfRange(rowCount, colCount)) return code::OutOfRange;
        const bool complexMode = context_.workspace.Mode() == WorkspaceMode::Complex;
        MatrixData block = complexMode ? MatrixData(ComplexMatrix(rowCount, colCount))
                                       : MatrixData(RealMatrix(rowCount, colCount));
        auto* realBlock = std::get_if<RealMatrix>(&block);

        std::unique_ptr<ExprNode> tree;
        if (const int rc = context_.ParserHost.Compile(formula, tree, stop); rc != code::Ok)
            return rc;
        // In complex mode the compiler has made every i of the formula the
        // imaginary unit, so setting I there only changes the variable.
        for (std::int32_t i = 0; i < rowCount; ++i) {
            stop.poll();
            for (std::int32_t j = 0; j < colCount; ++j) {
                context_.ParserHost.setVariable('I',
                                                Complex{static_cast<long double>(i + 1), 0.0L});
                context_.ParserHost.setVariable('J',
                                                Complex{static_cast<long double>(j + 1), 0.0L});
                const int rc = context_.ParserHost.Evaluate(tree.get(), stop);
                if (rc == code::UserStop) return rc;
                // A formula without a value at some entry makes no matrix.
                if (rc != code::Ok) return code::CannotCalculate;
                if (realBlock != nullptr) {
                    realBlock->at(i, j) = tree->value.re;
                } else {
                    std::get<ComplexMatrix>(block).at(i, j) = tree->value;
                }
            }
        }
        FreeExpr(std::move(tree));

        // Integer mode has no formula matrices; a dialog left open from an
        // earlier mode changes nothing.
        if (context_.workspace.Mode() == WorkspaceMode::Integer) return code::Ok;
        return placeDescribed(context_.workspace, elementKindOf(context_.workspace.Mode()), letter,
                              block, " " + std::string(formula));
    });
}

int GeneratorOperations::CopyColumn(std::int32_t source, std::int32_t result,
                                    std::string_view column) {
    return runGuarded([&] {
        const std::int32_t c = leadingInteger(column);
        if (c < 1) return code::OutOfRange;
        const MatrixDocument* document = context_.workspace.slot(source);
        if (document == nullptr) return code::MatrixNotFound;
        if (c > document->Cols()) return code::NothingToShow;

        const std::int32_t rows = document->Rows();
        const auto at = [&](std::int32_t i) {
            return static_cast<std::size_t>(i) * static_cast<std::size_t>(document->Cols()) +
                   static_cast<std::size_t>(c - 1);
        };
        MatrixData block;
        if (document->isInteger()) {
            // The source's denominator comes along unchanged, not normalised
            // against the column's numerators.
            IntegerMatrix copy(rows, 1);
            for (std::int32_t i = 0; i < rows; ++i)
                copy.at(i, 0) = document->ICells()[at(i)];
            copy.denominator = document->Denominator();
            block = std::move(copy);
        } else {
            ComplexMatrix copy(rows, 1);
            for (std::int32_t i = 0; i < rows; ++i)
                copy.at(i, 0) = document->complexEntry(i, c - 1);
            block = std::move(copy);
        }
        std::string description(strings::byId(strings::id::Column));
        description += " #";
        description += column;
        return placeDescribed(context_.workspace, elementKindOf(context_.workspace.Mode()), result,
                              block, std::move(description));
    });
}

int GeneratorOperations::UnitaryRandom(std::string_view rows, std::int32_t letter) {
    return runGuarded([&] {
        const std::int32_t n = leadingInteger(rows);
        if (n < 2 || n > 20) return code::OutOfRange;
        IntegerMatrix a;
        if (const int rc = unitaryRandomMatrix(n, context_.random, a); rc != code::Ok) return rc;
        return placeDescribed(context_.workspace, ElementKind::Integer, letter, a,
                              std::string(strings::byId(strings::id::RandomUnitary)));
    });
}

}  // namespace lorvex
