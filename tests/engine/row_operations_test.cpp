#include "engine/row_operations.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::realMatrix;
using Kind = OperationKind;

// The command-line scripts pin scaling rows and columns, adding a row multiple
// and exchanging columns, each undone in reverse order.
TEST(RowOperations, EachKindAndItsUndo) {
    const ComplexMatrix start = realMatrix({{1, 2, 3}, {4, 5, 6}});
    const struct {
        RowColumnOperation op;
        ComplexMatrix expected;
    } cases[] = {
        {{Kind::ExchangeRows, 0, 1, ONE}, realMatrix({{4, 5, 6}, {1, 2, 3}})},
        // Column 0 := column 0 - column 2.
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

TEST(RowOperations, RefusedOperationsChangeAndRecordNothing) {
    const ComplexMatrix start = realMatrix({{1, 2, 3}, {4, 5, 6}});
    ComplexMatrix m = start;
    OperationStack stack;
    // The step-operation tests have a zero factor, rows past the end and a
    // line added to itself; these are the edges.
    EXPECT_EQ(stack.apply(m, {Kind::ScaleColumn, 1, 0, Complex{5e-19L, 4e-19L}}), code::Ok);
    EXPECT_EQ(stack.apply(m, {Kind::ExchangeColumns, -1, 2, ONE}), code::OutOfRange);
    EXPECT_EQ(stack.apply(m, {Kind::AddRowMultiple, 0, 2, ONE}), code::OutOfRange);
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
