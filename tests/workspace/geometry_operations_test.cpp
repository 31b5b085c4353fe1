#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "engine/elimination.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::big;
using test::integerMatrix;
using test::realMatrix;
using Answer = Prompter::Answer;

class GeometryTest : public test::GeneratorTest {
  protected:
    void put(std::int32_t letter, const ComplexMatrix& m) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", letter, m).stored);
    }
    void put(std::int32_t letter, const IntegerMatrix& m) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Integer, "", letter, m).stored);
    }
    // The real entries of the matrix at the letter compared, row-major.
    void expectNear(std::int32_t letter, std::initializer_list<long double> expected,
                    long double tolerance = 1e-18L) {
        const MatrixDocument* m = real(letter);
        ASSERT_NE(m, nullptr);
        ASSERT_EQ(m->Cells().size(), expected.size());
        std::size_t k = 0;
        for (long double value : expected) {
            EXPECT_LE(std::fabs(m->Cells()[k].re - value), tolerance)
                << "entry " << k << ": " << static_cast<double>(m->Cells()[k].re) << " vs "
                << static_cast<double>(value);
            EXPECT_EQ(m->Cells()[k].im, 0.0L);
            ++k;
        }
    }
    Fraction determinant(const MatrixDocument& m) {
        IntegerMatrix inverse;
        Fraction value;
        EXPECT_EQ(invert(std::get<IntegerMatrix>(m.matrixData()), inverse, value), code::Ok);
        return value;
    }
};

TEST_F(GeometryTest, PlaneRotations) {
    ASSERT_EQ(operations.Rotate2D(M, "90"), code::Ok);
    expectNear(M, {0, -1, 1, 0});
    EXPECT_EQ(real(M)->notes(), "rotação 2D");

    operations.setMode(WorkspaceMode::Complex);
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(operations.Rotate2D(M, "60.0"), code::Ok) << "the real array in every mode";
    const long double s = std::sqrt(3.0L) / 2.0L;
    expectNear(M, {0.5L, -s, s, 0.5L});
    EXPECT_EQ(complex(M), nullptr);

    ASSERT_EQ(operations.Rotate2D(A, "degrees"), code::Ok) << "no number reads 0";
    expectNear(A, {1, 0, 0, 1});
    ASSERT_EQ(operations.Rotate2D(B, "-1.8e2"), code::Ok);
    expectNear(B, {-1, 0, 0, -1});
}

TEST_F(GeometryTest, NumbersBeyondTheRangeOfALongDoubleAreOutOfRange) {
    const std::string huge = "1" + std::string(5000, '0');
    EXPECT_EQ(operations.Rotate2D(M, huge), code::OutOfRange);
    EXPECT_EQ(operations.Rotate3D(0, M, "0", "0", "1", "-" + huge), code::OutOfRange);
    EXPECT_EQ(operations.Rotate3D(0, M, huge, "0", "1", "90"), code::OutOfRange);
    EXPECT_EQ(operations.Rotate3D(0, M, "1e3000", "0", "0", "90"), code::OutOfRange)
        << "an axis whose length is too large";
    EXPECT_EQ(real(M), nullptr);
}

TEST_F(GeometryTest, SpaceRotationFollowsTheRightHandRule) {
    ASSERT_EQ(operations.Rotate3D(0, M, "0", "0", "1", "90"), code::Ok);
    // The columns are the images of the unit vectors: x goes to y, y to -x.
    expectNear(M, {0, -1, 0, 1, 0, 0, 0, 0, 1});
    EXPECT_EQ(real(M)->notes(), "rotação 3D");

    // The dialog's initial data: the unit axis (2, 1, 2) / 3 by 60 degrees,
    // cos 1/2, sin √3/2, 1 - cos 1/2.
    ASSERT_EQ(operations.Rotate3D(0, A, "2.0", "1.0", "2.0", "60.0"), code::Ok);
    const long double r3 = std::sqrt(3.0L);
    expectNear(A,
               {13.0L / 18, 1.0L / 9 - r3 / 3, r3 / 6 + 2.0L / 9,  //
                r3 / 3 + 1.0L / 9, 5.0L / 9, 1.0L / 9 - r3 / 3,    //
                2.0L / 9 - r3 / 6, r3 / 3 + 1.0L / 9, 13.0L / 18},
               1e-17L);

    ASSERT_EQ(operations.Rotate3D(0, B, "4", "2", "4", "60"), code::Ok);
    EXPECT_EQ(real(B)->matrixData(), real(A)->matrixData()) << "only the axis' direction counts";
}

TEST_F(GeometryTest, SpaceRotationAboutTheAxisOfAMatrix) {
    put(A, realMatrix({{0}, {0}, {5}, {9}}));
    ASSERT_EQ(operations.Rotate3D(A, M, "1", "0", "0", "90"), code::Ok)
        << "the first three entries, the texts unused";
    expectNear(M, {0, -1, 0, 1, 0, 0, 0, 0, 1});

    put(B, realMatrix({{1, 1}}));
    EXPECT_EQ(operations.Rotate3D(B, C, "1", "0", "0", "90"), code::InconsistentData);
    EXPECT_EQ(operations.Rotate3D(K, C, "1", "0", "0", "90"), code::MatrixNotFound);
    EXPECT_EQ(operations.Rotate3D(0, C, "0", "0", "0", "90"), code::Singular);
    EXPECT_EQ(operations.Rotate3D(0, C, "1e-10", "0", "0", "90"), code::Singular)
        << "a squared length below 10^-18";
    EXPECT_EQ(real(C), nullptr);

    operations.setMode(WorkspaceMode::Integer);
    put(K, integerMatrix({{0, 0, 1}}));
    EXPECT_EQ(operations.Rotate3D(K, C, "1", "0", "0", "90"), code::MatrixNotFound)
        << "the axis comes from the real array";
}

TEST_F(GeometryTest, ExactRotationFromTheInitialData) {
    operations.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(operations.IntRotate3D(0, 0, M, "3", "6", "-2", "4", "3"), code::Ok);
    // N = 49, n = 7, M = 25, r = 5, d = r - p = 1, e = q n = 21.
    const MatrixDocument& m = *integer(M);
    EXPECT_EQ(m.matrixData(), MatrixData(integerMatrix({{205, 60, 120},    //
                                                        {-24, 232, -75},   //
                                                        {-132, 51, 200}},  //
                                                       245)));
    // Each column has length 1: 205² + 24² + 132² = 60² + 232² + 51² =
    // 120² + 75² + 200² = 60025 = 245².
    for (std::int32_t j = 0; j < 3; ++j) {
        BigInt sum;
        for (std::int32_t i = 0; i < 3; ++i) {
            const BigInt& x = m.ICells()[static_cast<std::size_t>(3 * i + j)];
            sum += x * x;
        }
        EXPECT_EQ(sum, BigInt(245 * 245));
    }
    EXPECT_EQ(determinant(m), (Fraction{BigInt(1), BigInt(1)}));
    EXPECT_EQ(m.notes(), "rotação 3D");
}

TEST_F(GeometryTest, ExactRotationFromMatricesAndLargeData) {
    operations.setMode(WorkspaceMode::Integer);
    put(A, integerMatrix({{3}, {6}, {-2}, {1}}, 7));
    put(K, integerMatrix({{4, 3}}));
    ASSERT_EQ(operations.IntRotate3D(A, K, M, "x", "y", "z", "r", "s"), code::Ok)
        << "numerators only; the texts are not read";
    EXPECT_EQ(integer(M)->ICells().back(), BigInt(245));
    EXPECT_EQ(integer(M)->ICells()[0], BigInt(205));

    // The axis (2, 3, 6) 10^30 and the angle (3, 4): n = 7 10^30, r = 5, the
    // denominator 5 · 49 · 10^60; the rotation is exact all the same.
    const std::string tens(30, '0');
    ASSERT_EQ(operations.IntRotate3D(0, 0, B, "2" + tens, "3" + tens, "6" + tens, "3", "4"),
              code::Ok);
    EXPECT_EQ(integer(B)->ICells().back(), big("245" + tens + tens));
    EXPECT_EQ(determinant(*integer(B)), (Fraction{BigInt(1), BigInt(1)}));
    // The axis is left in place: R (2, 3, 6) = (2, 3, 6), i.e. the first row
    // gives 2 · 245 10^60 against the numerators.
    BigInt image;
    const std::array<BigInt, 3> axis{BigInt(2), BigInt(3), BigInt(6)};
    for (std::size_t k = 0; k < 3; ++k)
        image += integer(B)->ICells()[k] * axis[k];
    EXPECT_EQ(image, big("490" + tens + tens));
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
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "0", "0", "0", "4", "3"), code::Singular);
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "1", "1", "1", "0", "0"), code::Singular)
        << "zero data come before data that are not Pythagorean";
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "1", "1", "1", "4", "3"), code::PythagoreanExpected);
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "3", "6", "-2", "1", "1"), code::PythagoreanExpected);
    const std::string tens(30, '0');
    EXPECT_EQ(operations.IntRotate3D(0, 0, M, "1" + tens, "1" + tens, "1" + tens, "4", "3"),
              code::PythagoreanExpected);
    EXPECT_EQ(integer(M), nullptr);

    // A right angle: (p, q) = (0, 2), r = 2; about the axis (0, 0, 1).
    ASSERT_EQ(operations.IntRotate3D(0, 0, M, "0", "0", "-3", "0", "2"), code::Ok);
    // N = 9, n = 3, d = 2, e = 6: a clockwise quarter turn about z.
    EXPECT_EQ(integer(M)->matrixData(),
              MatrixData(integerMatrix({{0, 18, 0}, {-18, 0, 0}, {0, 0, 18}}, 18)));
}

TEST_F(GeometryTest, ProjectionAndReflectionAlongAVector) {
    put(A, realMatrix({{1}, {1}}));
    ASSERT_EQ(operations.ProjectReflect(A, M, true), code::Ok);
    expectNear(M, {0.5L, -0.5L, -0.5L, 0.5L});
    EXPECT_EQ(real(M)->notes(), "projeção");
    ASSERT_EQ(operations.ProjectReflect(A, B, false), code::Ok);
    expectNear(B, {0, -1, -1, 0});
    EXPECT_EQ(real(B)->notes(), "reflexão");

    // v = (1, 2, 2), vᵀv = 9: P = I - v vᵀ / 9.
    put(C, realMatrix({{1, 2, 2}}));
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(operations.ProjectReflect(C, M, true), code::Ok);
    expectNear(M,
               {8.0L / 9, -2.0L / 9, -2.0L / 9, -2.0L / 9, 5.0L / 9, -4.0L / 9, -2.0L / 9,
                -4.0L / 9, 5.0L / 9},
               1e-18L);

    put(K, realMatrix({{1, 2}, {3, 4}}));
    EXPECT_EQ(operations.ProjectReflect(K, C, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(K, realMatrix({{7}}));
    EXPECT_EQ(operations.ProjectReflect(K, C, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(K, realMatrix({{0, 1e-10L}}));
    EXPECT_EQ(operations.ProjectReflect(K, C, false), code::Singular);
    EXPECT_EQ(operations.ProjectReflect(11 + 1, C, false), code::MatrixNotFound);
    EXPECT_EQ(real(C)->Rows(), 1) << "C keeps its vector";

    // 1001 x 1001 would pass a million entries.
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(K, ComplexMatrix(1, 1001));
    real(K)->setComplexCell(0, 0, ONE);
    EXPECT_EQ(operations.ProjectReflect(K, C, true), code::OutOfRange);
    EXPECT_EQ(real(C)->Rows(), 1);
}

TEST_F(GeometryTest, ExactProjectionAndReflectionAreNotReduced) {
    operations.setMode(WorkspaceMode::Integer);
    put(A, integerMatrix({{1}, {1}}));
    ASSERT_EQ(operations.IntProjectReflect(A, M, true), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(), MatrixData(integerMatrix({{1, -1}, {-1, 1}}, 2)));
    EXPECT_EQ(integer(M)->notes(), "projeção");
    ASSERT_EQ(operations.IntProjectReflect(A, B, false), code::Ok);
    EXPECT_EQ(integer(B)->matrixData(), MatrixData(integerMatrix({{0, -2}, {-2, 0}}, 2)));
    EXPECT_EQ(integer(B)->notes(), "reflexão");

    // Numerators only: (2, 4, 4) / 2 is the vector (2, 4, 4), N = 36.
    put(C, integerMatrix({{2, 4, 4}}, 2));
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(operations.IntProjectReflect(C, M, true), code::Ok);
    EXPECT_EQ(integer(M)->matrixData(),
              MatrixData(integerMatrix({{32, -8, -8}, {-8, 20, -16}, {-8, -16, 20}}, 36)));

    put(K, integerMatrix({{1, 2}, {3, 4}}));
    EXPECT_EQ(operations.IntProjectReflect(K, C, true), code::InconsistentData);
    prompter.expectOverwriteQuestion(Answer::Yes);
    put(K, integerMatrix({{0}, {0}, {0}}));
    EXPECT_EQ(operations.IntProjectReflect(K, C, true), code::Singular);
    EXPECT_EQ(operations.IntProjectReflect(B + 10, C, true), code::MatrixNotFound);
    EXPECT_EQ(integer(C)->Rows(), 1) << "C keeps its vector";
}

}  // namespace
}  // namespace lorvex
