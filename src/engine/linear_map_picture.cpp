#include "engine/linear_map_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "engine/linear_map_eigen.h"

namespace lorvex {
namespace {

using picture_detail::kZero;

// Points on the unit circle that draw it smoothly at any size.
constexpr int kCirclePoints = 96;

double largestSize(const std::vector<double>& entries) {
    double size = 0.0;
    for (const double entry : entries)
        size = std::max(size, std::abs(entry));
    return size;
}

// Liang-Barsky: the part of the segment inside the window, if any.
std::optional<PictureSegment> clipped(PictureSegment segment, const PlaneWindow& window) {
    const double dx = segment.to.x - segment.from.x;
    const double dy = segment.to.y - segment.from.y;
    double enter = 0.0, leave = 1.0;
    const std::array<std::pair<double, double>, 4> sides = {{
        {-dx, segment.from.x - window.left},
        {dx, window.right - segment.from.x},
        {-dy, segment.from.y - window.bottom},
        {dy, window.top - segment.from.y},
    }};
    for (const auto& [p, q] : sides) {
        if (p == 0.0) {
            if (q < 0.0) return std::nullopt;
        } else if (p < 0.0) {
            enter = std::max(enter, q / p);
        } else {
            leave = std::min(leave, q / p);
        }
    }
    if (enter >= leave) return std::nullopt;
    const PlanePoint start = segment.from;
    segment.from = {start.x + enter * dx, start.y + enter * dy};
    segment.to = {start.x + leave * dx, start.y + leave * dy};
    return segment;
}

class PlaneMap {
  public:
    explicit PlaneMap(const std::vector<double>& m) : m_(m) {}
    PlanePoint operator()(PlanePoint p) const {
        return {m_[0] * p.x + m_[1] * p.y, m_[2] * p.x + m_[3] * p.y};
    }

  private:
    const std::vector<double>& m_;
};

double norm(PlanePoint p) {
    return std::hypot(p.x, p.y);
}

void addLine(LinearMapPicture& picture, PictureSegment segment) {
    if (const auto inside = clipped(segment, picture.window)) picture.segments.push_back(*inside);
}

void addAxes(LinearMapPicture& picture, double reach) {
    addLine(picture, {{-reach, 0.0}, {reach, 0.0}, PictureRole::Axis});
    addLine(picture, {{0.0, -reach}, {0.0, reach}, PictureRole::Axis});
    picture.labels.push_back({"x", {0.92 * reach, -0.06 * reach}, PictureRole::Axis});
    picture.labels.push_back({"y", {0.03 * reach, 0.92 * reach}, PictureRole::Axis});
}

std::string eigenLabel(double value) {
    return "λ = " + pictureNumber(value);
}

// The eigen lines through the whole window, each value labelled once, at
// `labelReach` from the origin.
void addEigenLines(LinearMapPicture& picture, double reach, double labelReach,
                   const std::function<PlanePoint(const SpaceVector&)>& place) {
    std::vector<double> labelled;
    for (const EigenLine& line : picture.eigenLines) {
        const PlanePoint end = place(line.direction);
        addLine(picture, {{-reach * end.x, -reach * end.y},
                          {reach * end.x, reach * end.y},
                          PictureRole::EigenLine});
        if (std::find(labelled.begin(), labelled.end(), line.value) != labelled.end()) continue;
        labelled.push_back(line.value);
        picture.labels.push_back({eigenLabel(line.value),
                                  {labelReach * end.x, labelReach * end.y},
                                  PictureRole::EigenLine});
    }
}

void addSingularValues(LinearMapPicture& picture, const std::vector<double>& m) {
    const PlaneMap map(m);
    // The directions that AᵀA stretches most and least.
    const double p = m[0] * m[0] + m[2] * m[2];
    const double q = m[0] * m[1] + m[2] * m[3];
    const double r = m[1] * m[1] + m[3] * m[3];
    const double angle = std::atan2(2.0 * q, p - r) / 2.0;
    std::array<PlanePoint, 2> axes = {map({std::cos(angle), std::sin(angle)}),
                                      map({-std::sin(angle), std::cos(angle)})};
    if (norm(axes[0]) < norm(axes[1])) std::swap(axes[0], axes[1]);
    picture.semiAxes = axes;
    picture.singularValues = {norm(axes[0]), norm(axes[1])};
    std::vector<PlanePoint> circle, ellipse;
    for (int k = 0; k < kCirclePoints; ++k) {
        const double t = 2.0 * std::numbers::pi * k / kCirclePoints;
        circle.push_back({std::cos(t), std::sin(t)});
        ellipse.push_back(map(circle.back()));
    }
    picture.polygons.push_back({std::move(circle), PictureRole::UnitCircle});
    picture.polygons.push_back({std::move(ellipse), PictureRole::Ellipse});
    const std::array<const char*, 2> names = {"σ₁", "σ₂"};
    for (std::size_t i = 0; i < 2; ++i) {
        picture.segments.push_back({{0.0, 0.0}, axes[i], PictureRole::SemiAxis});
        picture.labels.push_back({names[i], axes[i], PictureRole::SemiAxis});
    }
}

// The entries over the matrix's scale, so that the rank and the eigenvectors
// are judged against one tolerance whatever the entries' size.
std::vector<double> dividedBy(std::vector<double> m, double scale) {
    for (double& entry : m)
        entry /= scale;
    return m;
}

int planeRank(const std::vector<double>& scaled, double determinant) {
    if (std::abs(determinant) > kZero) return 2;
    return largestSize(scaled) > kZero ? 1 : 0;
}

// The eigen data of the matrix divided by `scale`, its eigenvalues scaled
// back.
void takeEigen(LinearMapPicture& picture, picture_detail::RealEigen eigen, double scale) {
    picture.eigenDirections = eigen.directions;
    picture.complexEigenvalues = eigen.complexPair;
    for (EigenLine& line : eigen.lines) {
        line.value *= scale;
        picture.eigenLines.push_back(line);
    }
}

LinearMapPicture planePicture(const std::vector<double>& m, double scale) {
    const PlaneMap map(m);
    LinearMapPicture picture;
    picture.dimension = 2;
    const std::vector<double> scaled = dividedBy(m, scale);
    const double scaledDeterminant = scaled[0] * scaled[3] - scaled[1] * scaled[2];
    picture.rank = planeRank(scaled, scaledDeterminant);
    picture.determinant = picture.rank == 2 ? m[0] * m[3] - m[1] * m[2] : 0.0;
    takeEigen(picture, picture_detail::planeEigen(scaled), scale);

    const std::array<PlanePoint, 4> square = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    std::vector<PlanePoint> image;
    double extent = std::numbers::sqrt2;
    for (const PlanePoint corner : square) {
        image.push_back(map(corner));
        extent = std::max(extent, norm(image.back()));
    }
    addSingularValues(picture, m);
    extent = std::max(extent, picture.singularValues[0]);
    // Whole units, so that the grid lines through the integer points end at
    // the window's sides; a quarter more than the figures for the margin.
    const double half = std::max(2.0, std::ceil(1.25 * extent));
    picture.window = {-half, -half, half, half};

    const auto steps = static_cast<int>(half);
    for (int k = -steps; k <= steps; ++k) {
        for (const bool vertical : {true, false}) {
            const PlanePoint from =
                vertical ? PlanePoint{double(k), -half} : PlanePoint{-half, double(k)};
            const PlanePoint to =
                vertical ? PlanePoint{double(k), half} : PlanePoint{half, double(k)};
            addLine(picture, {from, to, PictureRole::OriginalGrid});
            addLine(picture, {map(from), map(to), PictureRole::ImageGrid});
        }
    }
    addAxes(picture, half);
    picture.polygons.push_back(
        {std::vector<PlanePoint>(square.begin(), square.end()), PictureRole::UnitShape});
    picture.polygons.push_back({std::move(image), PictureRole::ImageShape});
    addEigenLines(picture, std::numbers::sqrt2 * half, 0.7 * half, [](const SpaceVector& v) {
        return PlanePoint{v[0], v[1]};
    });
    return picture;
}

class SpaceMap {
  public:
    explicit SpaceMap(const std::vector<double>& m) : m_(m) {}
    SpaceVector operator()(const SpaceVector& p) const {
        SpaceVector image{};
        for (std::size_t i = 0; i < 3; ++i)
            image[i] = m_[3 * i] * p[0] + m_[3 * i + 1] * p[1] + m_[3 * i + 2] * p[2];
        return image;
    }

  private:
    const std::vector<double>& m_;
};

// Turned about the vertical axis z, then tilted so that the viewer looks
// down on the x-y plane; the projection keeps lengths along the screen.
class Projection {
  public:
    explicit Projection(SpaceView view)
        : turnCos_(std::cos(view.turn * std::numbers::pi / 180.0)),
          turnSin_(std::sin(view.turn * std::numbers::pi / 180.0)),
          tiltCos_(std::cos(view.tilt * std::numbers::pi / 180.0)),
          tiltSin_(std::sin(view.tilt * std::numbers::pi / 180.0)) {}
    PlanePoint operator()(const SpaceVector& p) const {
        const double across = p[0] * turnCos_ - p[1] * turnSin_;
        const double depth = p[0] * turnSin_ + p[1] * turnCos_;
        return {across, p[2] * tiltCos_ + depth * tiltSin_};
    }

  private:
    double turnCos_, turnSin_, tiltCos_, tiltSin_;
};

double spaceDeterminant(const std::vector<double>& m) {
    return m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
           m[2] * (m[3] * m[7] - m[4] * m[6]);
}

int spaceRank(const std::vector<double>& s) {
    if (std::abs(spaceDeterminant(s)) > kZero) return 3;
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                for (int l = k + 1; l < 3; ++l) {
                    const auto at = [&](int row, int col) {
                        return s[static_cast<std::size_t>(3 * row + col)];
                    };
                    if (std::abs(at(i, k) * at(j, l) - at(i, l) * at(j, k)) > kZero) return 2;
                }
            }
        }
    }
    return largestSize(s) > kZero ? 1 : 0;
}

// The six faces of the cube with corners 0/1, as corner numbers x + 2y + 4z.
constexpr std::array<std::array<int, 4>, 6> kCubeFaces = {{
    {0, 1, 3, 2},
    {4, 5, 7, 6},
    {0, 1, 5, 4},
    {2, 3, 7, 6},
    {0, 2, 6, 4},
    {1, 3, 7, 5},
}};

LinearMapPicture spacePicture(const std::vector<double>& m, double scale, SpaceView view) {
    const SpaceMap map(m);
    const Projection project(view);
    LinearMapPicture picture;
    picture.dimension = 3;
    const std::vector<double> scaled = dividedBy(m, scale);
    picture.rank = spaceRank(scaled);
    picture.determinant = picture.rank == 3 ? spaceDeterminant(m) : 0.0;
    takeEigen(picture, picture_detail::spaceEigen(scaled), scale);

    std::array<SpaceVector, 8> corners{}, images{};
    double extent = std::sqrt(3.0);
    for (std::size_t k = 0; k < 8; ++k) {
        corners[k] = {double(k & 1U), double((k >> 1U) & 1U), double((k >> 2U) & 1U)};
        images[k] = map(corners[k]);
        extent = std::max(extent, std::hypot(images[k][0], images[k][1], images[k][2]));
    }
    // Lengths of space never grow on the screen, so a window from the
    // extent in space holds the picture from every side.
    const double reach = 1.1 * extent;
    const double half = 1.25 * extent;
    picture.window = {-half, -half, half, half};
    const std::array<const char*, 3> axisNames = {"x", "y", "z"};
    for (std::size_t i = 0; i < 3; ++i) {
        SpaceVector end{};
        end[i] = reach;
        SpaceVector opposite{};
        opposite[i] = -reach;
        addLine(picture, {project(opposite), project(end), PictureRole::Axis});
        end[i] = 1.05 * reach;
        picture.labels.push_back({axisNames[i], project(end), PictureRole::Axis});
    }
    for (const auto& face : kCubeFaces) {
        std::vector<PlanePoint> unit, image;
        for (const int corner : face) {
            unit.push_back(project(corners[static_cast<std::size_t>(corner)]));
            image.push_back(project(images[static_cast<std::size_t>(corner)]));
        }
        picture.polygons.push_back({std::move(unit), PictureRole::UnitShape});
        picture.polygons.push_back({std::move(image), PictureRole::ImageShape});
    }
    addEigenLines(picture, reach, 0.75 * reach, project);
    return picture;
}

}  // namespace

std::optional<std::vector<double>> pictureEntries(const MatrixData& matrix) {
    std::vector<double> entries;
    if (const auto* reals = std::get_if<RealMatrix>(&matrix)) {
        if (!reals->isSquare() || reals->rows < 2 || reals->rows > 3) return std::nullopt;
        for (const long double value : reals->cells)
            entries.push_back(static_cast<double>(value));
    } else if (const auto* values = std::get_if<ComplexMatrix>(&matrix)) {
        if (!values->isSquare() || values->rows < 2 || values->rows > 3 || !values->isReal())
            return std::nullopt;
        for (const Complex& value : values->cells)
            entries.push_back(static_cast<double>(value.re));
    } else {
        const auto& exact = std::get<IntegerMatrix>(matrix);
        if (!exact.isSquare() || exact.rows < 2 || exact.rows > 3) return std::nullopt;
        const long double denominator = exact.denominator.toLongDouble();
        for (const BigInt& numerator : exact.numerators)
            entries.push_back(static_cast<double>(numerator.toLongDouble() / denominator));
    }
    if (!std::all_of(entries.begin(), entries.end(), [](double e) { return std::isfinite(e); }))
        return std::nullopt;
    return entries;
}

LinearMapPicture linearMapPicture(const std::vector<double>& entries, SpaceView view) {
    const double largest = largestSize(entries);
    const double scale = largest > 0.0 ? largest : 1.0;
    return entries.size() == 4 ? planePicture(entries, scale) : spacePicture(entries, scale, view);
}

std::string pictureNumber(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.4g", value);
    std::string written(text.data());
    if (written == "-0") return "0";
    if (written.front() == '-') written.replace(0, 1, "−");
    return written;
}

}  // namespace lorvex
