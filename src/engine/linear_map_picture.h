#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/matrix_data.h"

// The picture of a real 2 x 2 or 3 x 3 matrix as a linear map, as plain
// geometry in the coordinates of the plane (a 3 x 3 matrix seen through an
// oblique projection): segments, filled polygons and labels with their anchor
// points, inside a window that holds them all with a margin. Whoever draws it
// maps the window onto its own surface.
namespace lorvex {

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

using SpaceVector = std::array<double, 3>;

// What an item of the picture shows, which decides how it is drawn.
enum class PictureRole {
    Axis,
    OriginalGrid,
    ImageGrid,
    UnitShape,   // the unit square, or a face of the unit cube
    ImageShape,  // its image, or a face of the image of the cube
    UnitCircle,
    Ellipse,
    SemiAxis,
    EigenLine,
};

struct PictureSegment {
    PlanePoint from;
    PlanePoint to;
    PictureRole role;
};

struct PicturePolygon {
    std::vector<PlanePoint> corners;
    PictureRole role;
};

struct PictureLabel {
    std::string text;
    PlanePoint anchor;
    PictureRole role;
};

// The rectangle of the plane that the picture occupies.
struct PlaneWindow {
    double left = -1.0;
    double bottom = -1.0;
    double right = 1.0;
    double top = 1.0;
};

// How the real eigenvectors of the matrix lie.
enum class EigenDirections {
    Separate,        // each real eigenvalue with its own lines
    OneDirection,    // a repeated eigenvalue with a single direction
    EveryDirection,  // a multiple of the identity
    NoneReal,        // no real eigenvalue (a 2 x 2 with complex ones)
};

// A real eigenvalue and one unit direction it stretches; an eigenvalue whose
// eigenvectors fill a plane of space comes twice, with two directions of it.
struct EigenLine {
    double value = 0.0;
    SpaceVector direction{};
};

// The view of space: turned about the vertical axis, then tilted towards the
// viewer, in degrees.
struct SpaceView {
    double turn = 30.0;
    double tilt = 20.0;
};

struct LinearMapPicture {
    int dimension = 2;
    std::vector<PictureSegment> segments;
    std::vector<PicturePolygon> polygons;
    std::vector<PictureLabel> labels;
    PlaneWindow window;
    // The signed area of the image of the unit square, or the signed volume
    // of the image of the unit cube.
    double determinant = 0.0;
    // The dimension of the image: below `dimension` the plane or space
    // collapses.
    int rank = 0;
    EigenDirections eigenDirections = EigenDirections::Separate;
    std::vector<EigenLine> eigenLines;
    // Whether two of the eigenvalues are complex (and have no lines).
    bool complexEigenvalues = false;
    // Of a 2 x 2 matrix: the singular values, largest first, and the
    // semi-axes of the ellipse, the images of the unit circle's directions
    // that they stretch.
    std::array<double, 2> singularValues{};
    std::array<PlanePoint, 2> semiAxes{};
};

// The entries, row by row, of a square matrix of order 2 or 3 whose values
// are real (complex ones with zero imaginary parts, or integer mode
// fractions); nothing for any other.
std::optional<std::vector<double>> pictureEntries(const MatrixData& matrix);

// The picture of the 2 x 2 or 3 x 3 matrix with these entries, row by row;
// `view` places the space of a 3 x 3 one.
LinearMapPicture linearMapPicture(const std::vector<double>& entries, SpaceView view = {});

// A number as the picture writes it: four significant digits, a true minus
// sign ("−3"), nothing after an integer.
std::string pictureNumber(double value);

}  // namespace lorvex
