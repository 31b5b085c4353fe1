#include "engine/geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/elimination.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::big;
using test::expectNear;
using test::integerMatrix;
using test::realMatrix;

// The command-line scripts pin the plane rotation, the rotations about
// (0, 0, 1), (2, 1, 2) and, exactly, (3, 6, -2), projections and reflections
// through (1, 1) in both modes and the codes of a zero axis; these are the big
// numbers and edges.
TEST(Geometry, SpaceRotationRefusesATinyAxis) {
    ComplexMatrix rotation = realMatrix({{7}});
    EXPECT_EQ(spaceRotation({1e-10L, 0, 0}, 90, rotation), code::Singular)
        << "a squared length below 10^-18";
    EXPECT_EQ(rotation, realMatrix({{7}})) << "unchanged on failure";
}

template <class... Values>
std::array<BigInt, sizeof...(Values)> bigs(Values... values) {
    return {BigInt(values)...};
}

TEST(Geometry, ExactRotationsOfBigDataAreRotations) {
    // The axis (2, 3, 6) 10^30 with (3, 4): n = 7 10^30, r = 5.
    const std::string tens(30, '0');
    IntegerMatrix m;
    ASSERT_EQ(
        exactSpaceRotation({big("2" + tens), big("3" + tens), big("6" + tens)}, bigs(3, 4), m),
        code::Ok);
    EXPECT_EQ(m.denominator, big("245" + tens + tens));
    // Each column of length one and the determinant 1.
    for (std::int32_t j = 0; j < 3; ++j) {
        BigInt sum;
        for (std::int32_t i = 0; i < 3; ++i)
            sum += m.at(i, j) * m.at(i, j);
        EXPECT_EQ(sum, m.denominator * m.denominator) << "column " << j;
    }
    const Outcome<Fraction> value = IntegerElimination(m).determinant();
    ASSERT_EQ(value.code, code::Ok);
    EXPECT_EQ(value.value, (Fraction{BigInt(1), BigInt(1)}));
}

TEST(Geometry, ExactRotationsNeedNonZeroPythagoreanData) {
    IntegerMatrix rotation = integerMatrix({{7}});
    EXPECT_EQ(exactSpaceRotation(bigs(0, 0, 0), bigs(4, 3), rotation), code::Singular);
    // Zero data come before data that are not Pythagorean.
    EXPECT_EQ(exactSpaceRotation(bigs(1, 1, 1), bigs(0, 0), rotation), code::Singular);
    EXPECT_EQ(exactSpaceRotation(bigs(3, 6, -2), bigs(1, 1), rotation), code::PythagoreanExpected);
    EXPECT_EQ(rotation, integerMatrix({{7}}));
}

TEST(Geometry, ExactSquareRoots) {
    const BigInt root = big("1" + std::string(29, '0') + "7");  // 10^30 + 7
    const BigInt square = root * root;
    const struct {
        BigInt value;
        std::optional<BigInt> root;
    } cases[] = {
        {BigInt(0), BigInt(0)},
        {BigInt(49), BigInt(7)},
        {BigInt(99980001), BigInt(9999)},  // the largest root of one digit
        {BigInt(100000000), BigInt(10000)},
        {BigInt(100020001), BigInt(10001)},
        {square, root},
        {square - BigInt(1), std::nullopt},
        {BigInt(-4), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exactSquareRoot(c.value), c.root) << c.value.toText();
}

TEST(Geometry, ComplexProjectionsAndTinyAxes) {
    ComplexMatrix result;
    // No conjugate: for v = (i, 2), vᵀv = i² + 4 = 3 and v vᵀ = [-1 2i; 2i 4].
    const Complex i{0, 1};
    ASSERT_EQ(
        hyperplaneMatrix(std::vector<Complex>{i, Complex{2, 0}}, HyperplaneMap::Projection, result),
        code::Ok);
    const Complex offDiagonal{0, -2.0L / 3};
    expectNear(result, test::complexMatrix({{Complex{4.0L / 3, 0}, offDiagonal},
                                            {offDiagonal, Complex{-1.0L / 3, 0}}}));

    EXPECT_EQ(hyperplaneMatrix(test::reals({0, 1e-10L}), HyperplaneMap::Reflection, result),
              code::Singular);
    EXPECT_EQ(hyperplaneMatrix(std::vector<Complex>{i, ONE}, HyperplaneMap::Projection, result),
              code::Singular)
        << "i² + 1 = 0";
}

}  // namespace
}  // namespace lorvex
