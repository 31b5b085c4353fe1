#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;
using Answer = Prompter::Answer;

// The matrices themselves are the engine's, and the command-line scripts pin
// the values that reach the workspace; here the fields and letters are read
// and checked, the result goes to its array and the notes are written.
class GeometryTest : public test::GeneratorTest {
  protected:
    GeometryOperations& geometry = operations.geometry();
};

TEST_F(GeometryTest, RotationsGoToTheRealArrayInEveryMode) {
    operations.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(geometry.Rotate2D(M, "90"), code::Ok);
    ASSERT_EQ(geometry.Rotate3D(0, B, "0", "0", "1", "90"), code::Ok);
    EXPECT_NE(real(M), nullptr);
    EXPECT_NE(real(B), nullptr);
    EXPECT_EQ(complex(M), nullptr);
    EXPECT_EQ(complex(B), nullptr);
}

TEST_F(GeometryTest, NumbersBeyondTheRangeOfALongDoubleAreOutOfRange) {
    const std::string huge = "1" + std::string(5000, '0');
    EXPECT_EQ(geometry.Rotate2D(M, huge), code::OutOfRange);
    EXPECT_EQ(geometry.Rotate3D(0, M, "0", "0", "1", "-" + huge), code::OutOfRange);
    EXPECT_EQ(geometry.Rotate3D(0, M, huge, "0", "1", "90"), code::OutOfRange);
    EXPECT_EQ(geometry.Rotate3D(0, M, "1e3000", "0", "0", "90"), code::OutOfRange)
        << "an axis whose length is too large";
    EXPECT_EQ(real(M), nullptr);
}

TEST_F(GeometryTest, SpaceRotationAboutTheAxisOfAMatrix) {
    ASSERT_EQ(geometry.Rotate3D(0, M, "0", "0", "1", "90"), code::Ok);
    place(A, realMatrix({{0}, {0}, {5}, {9}}));
    ASSERT_EQ(geometry.Rotate3D(A, B, "1", "0", "0", "90"), code::Ok)
        << "the first three entries, the texts unused";
    EXPECT_EQ(real(B)->matrixData(), real(M)->matrixData());

    operations.setMode(WorkspaceMode::Integer);
    place(K, integerMatrix({{0, 0, 1}}));
    EXPECT_EQ(geometry.Rotate3D(K, C, "1", "0", "0", "90"), code::MatrixNotFound)
        << "the axis comes from the real array";
}

TEST_F(GeometryTest, ExactRotationFromTextsOrMatrices) {
    operations.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(geometry.IntRotate3D(0, 0, M, "3", "6", "-2", "4", "3"), code::Ok);
    place(A, integerMatrix({{3}, {6}, {-2}, {1}}, 7));
    place(K, integerMatrix({{4, 3}}));
    ASSERT_EQ(geometry.IntRotate3D(A, K, B, "x", "y", "z", "r", "s"), code::Ok)
        << "numerators only; the texts are not read";
    EXPECT_EQ(integer(B)->matrixData(), integer(M)->matrixData());

    EXPECT_EQ(geometry.IntRotate3D(0, 0, C, "3", "6.0", "-2", "4", "3"), code::NotUnderstood);
    EXPECT_EQ(geometry.IntRotate3D(C, 0, C, "3", "6", "-2", "4", "3"), code::MatrixNotFound);
    EXPECT_EQ(geometry.IntRotate3D(0, C, C, "3", "6", "-2", "4", "3"), code::MatrixNotFound);
    constexpr std::int32_t D = 4;
    place(C, integerMatrix({{3, 6}}));
    place(D, integerMatrix({{4}}));
    EXPECT_EQ(geometry.IntRotate3D(C, 0, M, "", "", "", "4", "3"), code::InconsistentData);
    EXPECT_EQ(geometry.IntRotate3D(0, D, M, "3", "6", "-2", "", ""), code::InconsistentData);
    EXPECT_EQ(integer(M)->matrixData(), integer(B)->matrixData()) << "M keeps its rotation";
}

TEST_F(GeometryTest, TheAxisOfAProjectionIsARowOrAColumn) {
    place(C, realMatrix({{7}}));
    EXPECT_EQ(geometry.ProjectReflect(C, K, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    place(C, realMatrix({{0, 0}}));
    EXPECT_EQ(geometry.ProjectReflect(C, K, false), code::Singular);
    EXPECT_EQ(geometry.ProjectReflect(K, C, false), code::MatrixNotFound);
    // 1001 x 1001 would pass a million entries.
    prompter.expectOverwriteQuestion(Answer::Yes);
    place(C, ComplexMatrix(1, 1001));
    real(C)->setComplexCell(0, 0, ONE);
    EXPECT_EQ(geometry.ProjectReflect(C, K, true), code::OutOfRange);
    EXPECT_EQ(real(K), nullptr);
}

TEST_F(GeometryTest, ExactProjectionOfTheNumerators) {
    operations.setMode(WorkspaceMode::Integer);
    place(A, integerMatrix({{1}, {1}}, 3));
    ASSERT_EQ(geometry.IntProjectReflect(A, M, true), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(), MatrixData(integerMatrix({{1, -1}, {-1, 1}}, 2)));

    place(C, integerMatrix({{0}, {0}, {0}}));
    EXPECT_EQ(geometry.IntProjectReflect(C, K, true), code::Singular);
    EXPECT_EQ(geometry.IntProjectReflect(K, C, true), code::MatrixNotFound);
    EXPECT_EQ(integer(K), nullptr);
}

}  // namespace
}  // namespace lorvex
