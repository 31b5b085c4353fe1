#include "engine/row_operations.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::realMatrix;
using Kind = OperationKind;

TEST(RowOperations, EachKindAndItsUndo) {
    const ComplexMatrix start = realMatrix({{1, 2, 3}, {4, 5, 6}});
    const struct {
        RowColumnOperation op;
        ComplexMatrix expected;
    } cases[] = {
        {{Kind::ExchangeRows, 0, 1, ONE}, realMatrix({{4, 5, 6}, {1, 2, 3}})},
        {{Kind::ExchangeColumns, 0, 2, ONE}, realMatrix({{3, 2, 1}, {6, 5, 4}})},
        {{Kind::ScaleRow, 1, 0, Complex{2, 0}}, realMatrix({{1, 2, 3}, {8, 10, 12}})},
        {{Kind::ScaleColumn, 1, 0, Complex{-4, 0}}, realMatrix({{1, -8, 3}, {4, -20, 6}})},
        // Row 1 := row 1 + 3 row 0; column 0 := column 0 - column 2.
        {{Kind::AddRowMultiple, 0, 1, Complex{3, 0}}, realMatrix({{1, 2, 3}, {7, 11, 15}})},
        {{Kind::AddColumnMultiple, 2, 0, Complex{-1, 0}}, realMatrix({{-2, 2, 3}, {-2, 5, 6}})},
    };
    for (const auto& c : cases) {
        ComplexMatrix m = start;
        OperationStack stack;
        ASSERT_EQ(stack.apply(m, c.op), code::Ok);
        EXPECT_EQ(m, c.expected) << static_cast<int>(c.op.kind);
        ASSERT_TRUE(stack.undo(m));
        EXPECT_EQ(m, start) << static_cast<int>(c.op.kind);
        EXPECT_FALSE(stack.undo(m));
    }
    // A complex factor is undone by its reciprocal: 1 / (2i) = -i/2.
    EXPECT_EQ(inverseOf({Kind::ScaleRow, 0, 0, Complex{0, 2}}).a, (Complex{0, -0.5L}));
}

TEST(RowOperations, UndoGoesBackInReverseOrder) {
    const ComplexMatrix start = realMatrix({{1, 2}, {3, 4}, {5, 6}});
    ComplexMatrix m = start;
    OperationStack stack;
    ASSERT_EQ(stack.apply(m, {Kind::AddRowMultiple, 0, 1, Complex{3, 0}}), code::Ok);
    ASSERT_EQ(stack.apply(m, {Kind::ExchangeColumns, 0, 1, ONE}), code::Ok);
    ASSERT_EQ(stack.apply(m, {Kind::ScaleRow, 2, 0, Complex{2, 0}}), code::Ok);
    ASSERT_EQ(stack.apply(m, {Kind::AddColumnMultiple, 1, 0, Complex{0, 1}}), code::Ok);
    ASSERT_TRUE(stack.undo(m));
    ASSERT_TRUE(stack.undo(m));
    EXPECT_EQ(m, realMatrix({{2, 1}, {10, 6}, {6, 5}}));
    ASSERT_TRUE(stack.undo(m));
    ASSERT_TRUE(stack.undo(m));
    EXPECT_EQ(m, start);
    EXPECT_FALSE(stack.canUndo());
}

TEST(RowOperations, RefusedOperationsChangeAndRecordNothing) {
    const ComplexMatrix start = realMatrix({{1, 2, 3}, {4, 5, 6}});
    ComplexMatrix m = start;
    OperationStack stack;
    // Scalings below 10^-18 are ignored without a failure.
    EXPECT_EQ(stack.apply(m, {Kind::ScaleRow, 0, 0, ZERO}), code::Ok);
    EXPECT_EQ(stack.apply(m, {Kind::ScaleColumn, 1, 0, Complex{5e-19L, 4e-19L}}), code::Ok);
    // Indices outside the matrix: two rows, three columns.
    EXPECT_EQ(stack.apply(m, {Kind::ScaleRow, 2, 0, ONE}), code::OutOfRange);
    EXPECT_EQ(stack.apply(m, {Kind::AddRowMultiple, 0, 2, ONE}), code::OutOfRange);
    EXPECT_EQ(stack.apply(m, {Kind::ExchangeColumns, -1, 2, ONE}), code::OutOfRange);
    // A line added to itself could not be undone by subtracting it.
    EXPECT_EQ(stack.apply(m, {Kind::AddColumnMultiple, 1, 1, ONE}), code::NothingToDo);
    EXPECT_EQ(m, start);
    EXPECT_FALSE(stack.canUndo());

    // A record that does not fit the matrix any more is not undone.
    ASSERT_EQ(stack.apply(m, {Kind::ExchangeColumns, 0, 2, ONE}), code::Ok);
    ComplexMatrix smaller = realMatrix({{1, 2}});
    EXPECT_FALSE(stack.undo(smaller));
    EXPECT_EQ(smaller, realMatrix({{1, 2}}));
}

}  // namespace
}  // namespace lorvex
