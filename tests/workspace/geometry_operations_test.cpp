#include <gtest/gtest.h>

#include <cmath>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;
using Answer = Prompter::Answer;

// The matrices themselves are the engine's; here the fields and letters are
// read and checked, the result goes to its array and the notes are written.
class GeometryTest : public test::GeneratorTest {
  protected:
    void put(std::int32_t letter, const ComplexMatrix& m) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", letter, m).stored);
    }
    void put(std::int32_t letter, const IntegerMatrix& m) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Integer, "", letter, m).stored);
    }
    // The entries of the real matrix at the letter, row-major, within 10^-18.
    void expectNear(std::int32_t letter, std::initializer_list<long double> expected) {
        ASSERT_NE(real(letter), nullptr);
        const std::vector<Complex>& cells = real(letter)->Cells();
        ASSERT_EQ(cells.size(), expected.size());
        for (std::size_t k = 0; k < cells.size(); ++k)
            EXPECT_LE(size(cells[k] - Complex{expected.begin()[k], 0}), 1e-18L) << "entry " << k;
    }
};

TEST_F(GeometryTest, PlaneRotations) {
    operations.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(operations.Rotate2D(M, "90 graus"), code::Ok);
    expectNear(M, {0, -1, 1, 0});
    EXPECT_EQ(real(M)->notes(), "rotação 2D");
    EXPECT_EQ(complex(M), nullptr) << "the real array in every mode";
}

TEST_F(GeometryTest, SpaceRotationAboutTheAxisOfTextsOrAMatrix) {
    ASSERT_EQ(operations.Rotate3D(0, M, "0", "0", "1", "90"), code::Ok);
    expectNear(M, {0, -1, 0, 1, 0, 0, 0, 0, 1});
    EXPECT_EQ(real(M)->notes(), "rotação 3D");

    put(A, realMatrix({{0}, {0}, {5}, {9}}));
    ASSERT_EQ(operations.Rotate3D(A, B, "1", "0", "0", "90"), code::Ok)
        << "the first three entries, the texts unused";
    expectNear(B, {0, -1, 0, 1, 0, 0, 0, 0, 1});

    put(C, realMatrix({{1, 1}}));
    EXPECT_EQ(operations.Rotate3D(C, K, "1", "0", "0", "90"), code::InconsistentData);
    EXPECT_EQ(operations.Rotate3D(K, C, "1", "0", "0", "90"), code::MatrixNotFound);
    EXPECT_EQ(operations.Rotate3D(0, K, "0", "0", "0", "90"), code::Singular);
    EXPECT_EQ(real(K), nullptr);

    operations.setMode(WorkspaceMode::Integer);
    put(K, integerMatrix({{0, 0, 1}}));
    EXPECT_EQ(operations.Rotate3D(K, C, "1", "0", "0", "90"), code::MatrixNotFound)
        << "the axis comes from the real array";
}

TEST_F(GeometryTest, ExactRotationFromTextsOrMatrices) {
    operations.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(operations.IntRotate3D(0, 0, M, "3", "6", "-2", "4", "3"), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(),
              MatrixData(integerMatrix({{205, 60, 120}, {-24, 232, -75}, {-132, 51, 200}}, 245)));
    EXPECT_EQ(integer(M)->notes(), "rotação 3D");

    put(A, integerMatrix({{3}, {6}, {-2}, {1}}, 7));
    put(K, integerMatrix({{4, 3}}));
    ASSERT_EQ(operations.IntRotate3D(A, K, B, "x", "y", "z", "r", "s"), code::Ok)
        << "numerators only; the texts are not read";
    EXPECT_EQ(integer(B)->matrixData(), integer(M)->matrixData());
}

TEST_F(GeometryTest, ExactRotationChecks) {
    operations.setMode(WorkspaceMode::Integer);
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "3", "6.0", "-2", "4", "3"), code::NotUnderstood);
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "3", "6", "-2", "4", ""), code::NotUnderstood);
    EXPECT_EQ(operations.IntRotate3D(A, 0, M, "3", "6", "-2", "4", "3"), code::MatrixNotFound);
    EXPECT_EQ(operations.IntRotate3D(0, K, M, "3", "6", "-2", "4", "3"), code::MatrixNotFound);
    put(A, integerMatrix({{3, 6}}));
    put(K, integerMatrix({{4}}));
    EXPECT_EQ(operations.IntRotate3D(A, 0, M, "", "", "", "4", "3"), code::InconsistentData);
    EXPECT_EQ(operations.IntRotate3D(0, K, M, "3", "6", "-2", "", ""), code::InconsistentData);
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "1", "1", "1", "4", "3"), code::PythagoreanExpected);
    EXPECT_EQ(integer(M), nullptr);
}

TEST_F(GeometryTest, ProjectionAndReflectionAlongAVector) {
    put(A, realMatrix({{1}, {1}}));
    ASSERT_EQ(operations.ProjectReflect(A, M, true), code::Ok);
    expectNear(M, {0.5L, -0.5L, -0.5L, 0.5L});
    EXPECT_EQ(real(M)->notes(), "projeção");
    ASSERT_EQ(operations.ProjectReflect(A, B, false), code::Ok);
    expectNear(B, {0, -1, -1, 0});
    EXPECT_EQ(real(B)->notes(), "reflexão");

    put(C, realMatrix({{1, 2}, {3, 4}}));
    EXPECT_EQ(operations.ProjectReflect(C, K, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(C, realMatrix({{7}}));
    EXPECT_EQ(operations.ProjectReflect(C, K, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(C, realMatrix({{0, 0}}));
    EXPECT_EQ(operations.ProjectReflect(C, K, false), code::Singular);
    EXPECT_EQ(operations.ProjectReflect(K, C, false), code::MatrixNotFound);
    // 1001 x 1001 would pass a million entries.
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(C, ComplexMatrix(1, 1001));
    real(C)->setComplexCell(0, 0, ONE);
    EXPECT_EQ(operations.ProjectReflect(C, K, true), code::OutOfRange);
    EXPECT_EQ(real(K), nullptr);
}

TEST_F(GeometryTest, ExactProjectionAndReflectionOfTheNumerators) {
    operations.setMode(WorkspaceMode::Integer);
    put(A, integerMatrix({{1}, {1}}, 3));
    ASSERT_EQ(operations.IntProjectReflect(A, M, true), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(), MatrixData(integerMatrix({{1, -1}, {-1, 1}}, 2)));
    EXPECT_EQ(integer(M)->notes(), "projeção");
    ASSERT_EQ(operations.IntProjectReflect(A, B, false), code::Ok);
    EXPECT_EQ(integer(B)->matrixData(), MatrixData(integerMatrix({{0, -2}, {-2, 0}}, 2)));
    EXPECT_EQ(integer(B)->notes(), "reflexão");

    put(C, integerMatrix({{1, 2}, {3, 4}}));
    EXPECT_EQ(operations.IntProjectReflect(C, K, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(C, integerMatrix({{0}, {0}, {0}}));
    EXPECT_EQ(operations.IntProjectReflect(C, K, true), code::Singular);
    EXPECT_EQ(operations.IntProjectReflect(K, C, true), code::MatrixNotFound);
    EXPECT_EQ(integer(K), nullptr);
}

}  // namespace
}  // namespace lorvex
