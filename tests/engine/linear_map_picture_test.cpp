#include "engine/linear_map_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lorvex {
namespace {

constexpr double kHalf = 0.70710678118654752;

struct MapCase {
    const char* name;
    std::vector<double> entries;
    double determinant;
    int rank;
    EigenDirections directions;
    // Largest eigenvalue first; directions with their first non-zero
    // component positive.
    std::vector<EigenLine> lines;
};

// The signed area of a polygon (the shoelace formula).
double signedArea(const std::vector<PlanePoint>& corners) {
    double twice = 0.0;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const PlanePoint& p = corners[k];
        const PlanePoint& q = corners[(k + 1) % corners.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2.0;
}

const PicturePolygon& polygonOf(const LinearMapPicture& picture, PictureRole role) {
    return *std::find_if(picture.polygons.begin(), picture.polygons.end(),
                         [role](const PicturePolygon& p) { return p.role == role; });
}

TEST(LinearMapPicture, DeterminantRankAndEigenvectorsWorkedByHand) {
    const std::vector<MapCase> cases = {
        {"shear", {1, 1, 0, 1}, 1, 2, EigenDirections::OneDirection, {{1, {1, 0, 0}}}},
        {"rotation by 90 degrees", {0, -1, 1, 0}, 1, 2, EigenDirections::NoneReal, {}},
        {"reflection",
         {0, 1, 1, 0},
         -1,
         2,
         EigenDirections::Separate,
         {{1, {kHalf, kHalf, 0}}, {-1, {kHalf, -kHalf, 0}}}},
        {"singular",
         {1, 2, 2, 4},
         0,
         1,
         EigenDirections::Separate,
         {{5, {1 / std::sqrt(5.0), 2 / std::sqrt(5.0), 0}},
          {0, {2 / std::sqrt(5.0), -1 / std::sqrt(5.0), 0}}}},
        {"twice the identity",
         {2, 0, 0, 2},
         4,
         2,
         EigenDirections::EveryDirection,
         {{2, {1, 0, 0}},
          {2, {std::sqrt(3.0) / 2, 0.5, 0}},
          {2, {0.5, std::sqrt(3.0) / 2, 0}},
          {2, {0, 1, 0}},
          {2, {-0.5, std::sqrt(3.0) / 2, 0}},
          {2, {-std::sqrt(3.0) / 2, 0.5, 0}}}},
        {"diagonal 2 3 4",
         {2, 0, 0, 0, 3, 0, 0, 0, 4},
         24,
         3,
         EigenDirections::Separate,
         {{4, {0, 0, 1}}, {3, {0, 1, 0}}, {2, {1, 0, 0}}}},
        {"space shear",
         {1, 1, 0, 0, 1, 0, 0, 0, 2},
         2,
         3,
         EigenDirections::OneDirection,
         {{2, {0, 0, 1}}, {1, {1, 0, 0}}}},
        {"rotation about z",
         {0, -1, 0, 1, 0, 0, 0, 0, 1},
         1,
         3,
         EigenDirections::Separate,
         {{1, {0, 0, 1}}}},
        {"onto the x-y plane",
         {1, 0, 0, 0, 1, 0, 0, 0, 0},
         0,
         2,
         EigenDirections::Separate,
         {{1, {0, 1, 0}}, {1, {1, 0, 0}}, {0, {0, 0, 1}}}},
    };
    for (const MapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LinearMapPicture picture = linearMapPicture(c.entries);
        EXPECT_NEAR(picture.determinant, c.determinant, 1e-12);
        EXPECT_EQ(picture.rank, c.rank);
        EXPECT_EQ(picture.eigenDirections, c.directions);
        std::vector<EigenLine> lines = picture.eigenLines;
        std::stable_sort(lines.begin(), lines.end(),
                         [](const EigenLine& a, const EigenLine& b) { return a.value > b.value; });
        ASSERT_EQ(lines.size(), c.lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_NEAR(lines[k].value, c.lines[k].value, 1e-9);
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_NEAR(lines[k].direction[i], c.lines[k].direction[i], 1e-9) << k;
        }
        if (picture.dimension == 2) {
            // The image of the unit square has the determinant for its area.
            EXPECT_NEAR(signedArea(polygonOf(picture, PictureRole::ImageShape).corners),
                        c.determinant, 1e-12);
        }
        for (const PicturePolygon& polygon : picture.polygons) {
            for (const PlanePoint& p : polygon.corners) {
                EXPECT_LT(std::abs(p.x), 0.85 * picture.window.right);
                EXPECT_LT(std::abs(p.y), 0.85 * picture.window.top);
            }
        }
    }
}

TEST(LinearMapPicture, EllipseSemiAxesAreTheSingularValues) {
    // σ² = (S ± √(S² - 4 det²)) / 2 with S the sum of the squared entries.
    const std::vector<std::pair<std::vector<double>, std::array<double, 2>>> cases = {
        {{1, 1, 0, 1}, {(std::sqrt(5.0) + 1) / 2, (std::sqrt(5.0) - 1) / 2}},
        {{3, 0, 4, 5}, {3 * std::sqrt(5.0), std::sqrt(5.0)}},
        {{1, 2, 2, 4}, {5, 0}},
    };
    for (const auto& [entries, sigma] : cases) {
        const LinearMapPicture picture = linearMapPicture(entries);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_NEAR(picture.singularValues[i], sigma[i], 1e-12);
            EXPECT_NEAR(std::hypot(picture.semiAxes[i].x, picture.semiAxes[i].y), sigma[i], 1e-12);
        }
        EXPECT_NEAR(picture.semiAxes[0].x * picture.semiAxes[1].x +
                        picture.semiAxes[0].y * picture.semiAxes[1].y,
                    0.0, 1e-12);
        double farthest = 0.0;
        for (const PlanePoint& p : polygonOf(picture, PictureRole::Ellipse).corners)
            farthest = std::max(farthest, std::hypot(p.x, p.y));
        EXPECT_NEAR(farthest, sigma[0], 1e-3 * sigma[0]);
    }
}

TEST(LinearMapPicture, LabelsAndEntries) {
    EXPECT_EQ(pictureNumber(-3.0), "−3");
    EXPECT_EQ(pictureNumber(2.5), "2.5");
    const LinearMapPicture reflection = linearMapPicture({0, 1, 1, 0});
    std::vector<std::string> texts;
    for (const PictureLabel& label : reflection.labels)
        texts.push_back(label.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "λ = −1"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "λ = 1"), texts.end());

    ComplexMatrix complex(2, 2);
    complex.at(0, 1) = {0.0L, 1.0L};
    EXPECT_FALSE(pictureEntries(complex));
    EXPECT_FALSE(pictureEntries(ComplexMatrix(2, 3)));
    EXPECT_FALSE(pictureEntries(ComplexMatrix(4, 4)));
    IntegerMatrix half = IntegerMatrix::identity(3);
    half.denominator = BigInt(2);
    EXPECT_EQ(pictureEntries(half), (std::vector<double>{0.5, 0, 0, 0, 0.5, 0, 0, 0, 0.5}));
}

}  // namespace
}  // namespace lorvex
