// The new-matrix generators of the frame: zeros, random entries, a constant
// diagonal, probability rows and columns, a formula in i and j, a copied
// column and a random integer matrix of determinant 1.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/described_placement.h"
#include "workspace/frame_operations.h"
#include "workspace/matrix_limits.h"
#include "workspace/strings.h"
#include "workspace/text_numbers.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

// The generator's descriptions are cut to this many characters.
constexpr std::size_t kMaxDescription = 99;

// A random real in [lo, hi) on a grid of a million steps.
long double uniformReal(RandomGenerator& random, long double lo, long double hi) {
    return lo + static_cast<long double>(random.next() % 1000000U) * ((hi - lo) * 1e-6L);
}

// A random integer in [lo, hi]; the caller ensures lo <= hi.
std::int64_t uniformInteger(RandomGenerator& random, std::int64_t lo, std::int64_t hi) {
    const auto span = static_cast<std::uint64_t>(hi - lo + 1);
    return lo + static_cast<std::int64_t>(random.next() % span);
}

// "zeros", "aleatória (lo,hi)", "diagonal", ... with the bounds as typed.
std::string generatorDescription(NewMatrixKind kind, std::string_view lower,
                                 std::string_view upper) {
    std::string text(strings::byId(215 + static_cast<int>(kind)));
    if (kind == NewMatrixKind::Random) {
        text += " (";
        text += lower;
        text += ",";
        text += upper;
        text += ")";
    }
    return utf8Prefix(text, kMaxDescription);
}

// A probability row (column) is a row of random weights scaled by the
// reciprocal of its sum, so that it sums to one.
void scaleToUnitSums(ComplexMatrix& m, bool alongRows) {
    const std::int32_t lines = alongRows ? m.rows : m.cols;
    const std::int32_t length = alongRows ? m.cols : m.rows;
    auto entry = [&](std::int32_t line, std::int32_t k) -> Complex& {
        return alongRows ? m.at(line, k) : m.at(k, line);
    };
    for (std::int32_t line = 0; line < lines; ++line) {
        Complex sum = ZERO;
        for (std::int32_t k = 0; k < length; ++k)
            sum += entry(line, k);
        const Complex reciprocal = ONE / sum;
        for (std::int32_t k = 0; k < length; ++k)
            entry(line, k) = entry(line, k) * reciprocal;
    }
}

// An integer probability row (column) is a random composition of one common
// total T = (r mod 12 + 15) m into its m entries. For each line, m - 1
// distinct cuts are marked at random among the positions 0 ... T - 1 and the
// position T is always marked; walking the positions, each mark closes one
// entry, the gap since the previous mark (counted from 0). The entries are
// therefore non-negative and sum to T. T is at least 15 m, so the random
// choice of free positions rarely has to draw again.
void fillCompositions(IntegerMatrix& m, bool alongRows, RandomGenerator& random) {
    const std::int32_t lines = alongRows ? m.rows : m.cols;
    const std::int32_t length = alongRows ? m.cols : m.rows;
    const std::int64_t total = static_cast<std::int64_t>(random.next() % 12U + 15U) * length;
    std::vector<bool> marked(static_cast<std::size_t>(total) + 1);
    for (std::int32_t line = 0; line < lines; ++line) {
        std::fill(marked.begin(), marked.end(), false);
        marked.back() = true;
        for (std::int32_t cut = 1; cut < length; ++cut) {
            std::size_t position = 0;
            do {
                position = random.next() % static_cast<std::uint64_t>(total);
            } while (marked[position]);
            marked[position] = true;
        }
        std::int64_t previous = 0;
        std::int32_t k = 0;
        for (std::int64_t position = 0; position <= total; ++position) {
            if (!marked[static_cast<std::size_t>(position)]) continue;
            BigInt& entry = alongRows ? m.at(line, k) : m.at(k, line);
            entry = BigInt(position - previous);
            previous = position;
            ++k;
        }
    }
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

bool hasZeroEntry(const IntegerMatrix& m) {
    return std::any_of(m.numerators.begin(), m.numerators.end(),
                       [](const BigInt& x) { return x.isZero(); });
}

}  // namespace

NewMatrixDefaults newMatrixDefaults(WorkspaceMode mode) {
    if (mode == WorkspaceMode::Integer) return {"1", "10", "1"};
    return {"0.0", "1.0", "1.0"};
}

int FrameOperations::MakeMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                                std::string_view cols, std::string_view lower,
                                std::string_view upper, std::string_view diagonal) {
    // Integer mode has the exact generator.
    if (workspace_.Mode() == WorkspaceMode::Integer)
        return MakeIntMatrix(letter, kind, rows, cols, lower, upper, diagonal);
    return runGuarded([&] {
        const std::int32_t rowCount = leadingInteger(rows);
        std::int32_t colCount = leadingInteger(cols);
        const long double lo = leadingDecimal(lower);
        const long double hi = leadingDecimal(upper);

        int rc = code::Ok;
        Complex diagonalValue = ZERO;
        if (kind == NewMatrixKind::Diagonal)
            rc = EvalScalarText(diagonal, workspace_, diagonalValue);
        // Bounds beyond the range of a long double, or so far apart that their
        // distance is, would fill the matrix with infinities.
        if (kind == NewMatrixKind::Random && !std::isfinite(hi - lo)) rc = code::OutOfRange;
        rc = checkBoundsAndSize(kind, rc, hi < lo, rowCount, colCount);
        if (rc != code::Ok) return rc;

        const bool complexMode = workspace_.Mode() == WorkspaceMode::Complex;
        ComplexMatrix block(rowCount, colCount);
        switch (kind) {
            case NewMatrixKind::Zeros:
                break;
            case NewMatrixKind::Random:
                for (Complex& entry : block.cells) {
                    entry.re = uniformReal(random_, lo, hi);
                    if (complexMode) entry.im = uniformReal(random_, lo, hi);
                }
                break;
            case NewMatrixKind::Diagonal:
                for (std::int32_t i = 0; i < rowCount; ++i)
                    block.at(i, i) = diagonalValue;
                break;
            case NewMatrixKind::ProbabilityRows:
            case NewMatrixKind::ProbabilityColumns:
                for (Complex& entry : block.cells)
                    entry.re = uniformReal(random_, 0.0L, 1.0L);
                scaleToUnitSums(block, kind == NewMatrixKind::ProbabilityRows);
                break;
        }
        return placeDescribed(workspace_, elementKindOf(workspace_.Mode()), letter, block,
                              generatorDescription(kind, lower, upper));
    });
}

int FrameOperations::MakeIntMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                                   std::string_view cols, std::string_view lower,
                                   std::string_view upper, std::string_view diagonal) {
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

        IntegerMatrix block(rowCount, colCount);
        switch (kind) {
            case NewMatrixKind::Zeros:
                break;
            case NewMatrixKind::Random:
                for (BigInt& entry : block.numerators)
                    entry = BigInt(uniformInteger(random_, lo, hi));
                break;
            case NewMatrixKind::Diagonal:
                for (std::int32_t i = 0; i < rowCount; ++i)
                    block.at(i, i) = diagonalValue;
                break;
            case NewMatrixKind::ProbabilityRows:
            case NewMatrixKind::ProbabilityColumns:
                fillCompositions(block, kind == NewMatrixKind::ProbabilityRows, random_);
                break;
        }
        return placeDescribed(workspace_, ElementKind::Integer, letter, block,
                              generatorDescription(kind, lower, upper));
    });
}

int FrameOperations::Formula(std::int32_t letter, std::string_view rows, std::string_view cols,
                             std::string_view formula, const StopCheck& stop) {
    return runGuarded([&] {
        const std::int32_t rowCount = leadingInteger(rows);
        const std::int32_t colCount = leadingInteger(cols);
        if (sizeOutOfRange(rowCount, colCount)) return code::OutOfRange;
        ComplexMatrix block(rowCount, colCount);

        std::unique_ptr<ExprNode> tree;
        if (const int rc = parser_.Compile(formula, tree, stop); rc != code::Ok) return rc;
        // In complex mode the compiler has made every i of the formula the
        // imaginary unit, so setting I there only changes the variable.
        const bool complexMode = workspace_.Mode() == WorkspaceMode::Complex;
        for (std::int32_t i = 0; i < rowCount; ++i) {
            stop.poll();
            for (std::int32_t j = 0; j < colCount; ++j) {
                parser_.setVariable('I', Complex{static_cast<long double>(i + 1), 0.0L});
                parser_.setVariable('J', Complex{static_cast<long double>(j + 1), 0.0L});
                const int rc = parser_.Evaluate(tree.get(), stop);
                if (rc == code::UserStop) return rc;
                // A formula without a value at some entry makes no matrix.
                if (rc != code::Ok) return code::CannotCalculate;
                const Complex value = tree->value;
                block.at(i, j) = complexMode ? value : Complex{value.re, 0.0L};
            }
        }
        FreeExpr(std::move(tree));

        // Integer mode has no formula matrices; a dialog left open from an
        // earlier mode changes nothing.
        if (workspace_.Mode() == WorkspaceMode::Integer) return code::Ok;
        return placeDescribed(workspace_, elementKindOf(workspace_.Mode()), letter, block,
                              " " + std::string(formula));
    });
}

int FrameOperations::CopyColumn(std::int32_t source, std::int32_t result, std::string_view column) {
    return runGuarded([&] {
        const std::int32_t c = leadingInteger(column);
        if (c < 1) return code::OutOfRange;
        const MatrixDocument* document = workspace_.slot(source);
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
            copy.denominator = document->ICells().back();
            block = std::move(copy);
        } else {
            ComplexMatrix copy(rows, 1);
            for (std::int32_t i = 0; i < rows; ++i)
                copy.at(i, 0) = document->Cells()[at(i)];
            block = std::move(copy);
        }
        std::string description(strings::byId(225));
        description += " #";
        description += column;
        return placeDescribed(workspace_, elementKindOf(workspace_.Mode()), result, block,
                              std::move(description));
    });
}

// Random elementary row additions keep the determinant at 1, so the result
// has an integer inverse; they go on until no entry is zero.
int FrameOperations::UnitaryRandom(std::string_view rows, std::int32_t letter) {
    return runGuarded([&] {
        const std::int32_t n = leadingInteger(rows);
        if (n < 2 || n > 20) return code::OutOfRange;
        IntegerMatrix a = IntegerMatrix::identity(n);
        const auto order = static_cast<std::uint32_t>(n);
        do {
            const auto p = static_cast<std::int32_t>(random_.next() % order);
            std::int32_t q = p;
            while (q == p)
                q = static_cast<std::int32_t>(random_.next() % order);
            const bool add = random_.next() % 2U == 0U;
            for (std::int32_t j = 0; j < n; ++j) {
                if (add) {
                    a.at(q, j) += a.at(p, j);
                } else {
                    a.at(q, j) -= a.at(p, j);
                }
            }
        } while (hasZeroEntry(a));
        return placeDescribed(workspace_, ElementKind::Integer, letter, a,
                              std::string(strings::byId(233)));
    });
}

}  // namespace lorvex
