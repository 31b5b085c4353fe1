#include "engine/elementary_step.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::realMatrix;
using Kind = OperationKind;

// det M = 1(16 - 12) - 2(12 - 0) = -20: M reduces to the identity.
TEST(ElementaryStep, EachKindTheRefusalsAndRowEquivalence) {
    const ComplexMatrix m = realMatrix({{1, 2, 0}, {3, 4, 6}, {0, 2, 4}});
    const struct {
        ComplexMatrix next;
        bool elementary;
        RowColumnOperation op;
        bool rowEquivalent;
    } cases[] = {
        {realMatrix({{0, 2, 4}, {3, 4, 6}, {1, 2, 0}}),
         true,
         {Kind::ExchangeRows, 0, 2, ONE},
         true},
        // L2 <- (-1/3) L2, -4/3 typed to eight decimals.
        {realMatrix({{1, 2, 0}, {-1, -1.33333333L, -2}, {0, 2, 4}}),
         true,
         {Kind::ScaleRow, 1, 1, {-1.0L / 3, 0}},
         true},
        // L1 <- L1 + (1/2) L3.
        {realMatrix({{1, 3, 2}, {3, 4, 6}, {0, 2, 4}}),
         true,
         {Kind::AddRowMultiple, 2, 0, {0.5L, 0}},
         true},
        {realMatrix({{2, 1, 0}, {4, 3, 6}, {2, 0, 4}}),
         true,
         {Kind::ExchangeColumns, 0, 1, ONE},
         true},
        {realMatrix({{1, 2, 0}, {3, 4, 12}, {0, 2, 8}}),
         true,
         {Kind::ScaleColumn, 2, 2, {2, 0}},
         true},
        // C2 <- C2 - 2 C1.
        {realMatrix({{1, 0, 0}, {3, -2, 6}, {0, 2, 4}}),
         true,
         {Kind::AddColumnMultiple, 0, 1, {-2, 0}},
         true},
        // L1 <-> L2 and L3 <- (1/2) L3 at once: still invertible.
        {realMatrix({{3, 4, 6}, {1, 2, 0}, {0, 1, 2}}), false, {}, true},
        // L3 <- 0 L3 is no operation, and the rank falls to 2.
        {realMatrix({{1, 2, 0}, {3, 4, 6}, {0, 0, 0}}), false, {}, false},
        {m, false, {}, true},
        {realMatrix({{1, 2}, {3, 4}}), false, {}, false},
    };
    for (const auto& c : cases) {
        ElementaryStep step;
        ASSERT_EQ(findElementaryStep(m, c.next, 1e-7L, step), code::Ok);
        EXPECT_EQ(step.elementary, c.elementary) << c.next.rows << "x" << c.next.cols;
        EXPECT_EQ(step.rowEquivalent, c.rowEquivalent);
        if (!c.elementary || !step.elementary) continue;
        EXPECT_EQ(step.operation.kind, c.op.kind);
        EXPECT_EQ(step.operation.i, c.op.i);
        EXPECT_EQ(step.operation.j, c.op.j);
        EXPECT_NEAR(static_cast<double>(step.operation.a.re), static_cast<double>(c.op.a.re), 1e-9);
        EXPECT_EQ(step.operation.a.im, 0.0L);
    }
}

}  // namespace
}  // namespace lorvex
