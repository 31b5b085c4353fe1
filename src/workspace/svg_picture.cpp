#include "workspace/svg_picture.h"

#include <cstdio>

#include "workspace/picture_style.h"

namespace lorvex {
namespace {

constexpr int kMargin = 10;

std::string colour(std::uint32_t rgb) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%06X", static_cast<unsigned>(rgb));
    return text.data();
}

std::string decimal(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2f", value);
    return text.data();
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// From the picture's window to the pixels of the square, y pointing down.
class Placement {
  public:
    explicit Placement(const PlaneWindow& window) : window_(window) {}
    std::string x(double value) const {
        return decimal(kMargin +
                       (value - window_.left) / (window_.right - window_.left) * kPictureSide);
    }
    std::string y(double value) const {
        return decimal(kMargin +
                       (window_.top - value) / (window_.top - window_.bottom) * kPictureSide);
    }

  private:
    PlaneWindow window_;
};

std::string strokeOf(const PictureStyle& style) {
    return "stroke=\"" + colour(style.stroke) + "\" stroke-width=\"" + decimal(style.strokeWidth) +
           "\"";
}

}  // namespace

std::string svgPicture(const LinearMapPicture& picture,
                       const std::vector<std::string>& statements) {
    const Placement at(picture.window);
    const int width = kPictureSide + 2 * kMargin;
    const int height = width + kStatementHeight * static_cast<int>(statements.size());
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
        std::to_string(width) + " " + std::to_string(height) +
        "\" font-family=\"sans-serif\" font-size=\"16\">\n"
        "<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n";
    for (const PictureStyle& style : kPictureStyles) {
        for (const PicturePolygon& polygon : picture.polygons) {
            if (polygon.role != style.role) continue;
            svg += "<polygon class=\"" + std::string(style.name) + "\" points=\"";
            for (std::size_t k = 0; k < polygon.corners.size(); ++k) {
                if (k > 0) svg += ' ';
                svg += at.x(polygon.corners[k].x) + "," + at.y(polygon.corners[k].y);
            }
            svg += "\" " + strokeOf(style) + " fill=\"" +
                   (style.fillOpacity > 0.0 ? colour(style.fill) : std::string("none")) + "\"";
            if (style.fillOpacity > 0.0)
                svg += " fill-opacity=\"" + decimal(style.fillOpacity) + "\"";
            svg += "/>\n";
        }
        for (const PictureSegment& segment : picture.segments) {
            if (segment.role != style.role) continue;
            svg += "<line class=\"" + std::string(style.name) + "\" x1=\"" + at.x(segment.from.x) +
                   "\" y1=\"" + at.y(segment.from.y) + "\" x2=\"" + at.x(segment.to.x) +
                   "\" y2=\"" + at.y(segment.to.y) + "\" " + strokeOf(style) + "/>\n";
        }
    }
    for (const PictureLabel& label : picture.labels) {
        svg += "<text class=\"" + std::string(pictureStyle(label.role).name) + "\" x=\"" +
               at.x(label.anchor.x) + "\" y=\"" + at.y(label.anchor.y) + "\" fill=\"" +
               colour(pictureStyle(label.role).stroke) + "\">" + escaped(label.text) + "</text>\n";
    }
    int baseline = width + kStatementHeight / 2;
    for (const std::string& statement : statements) {
        svg += "<text class=\"statement\" x=\"" + std::to_string(kMargin) + "\" y=\"" +
               std::to_string(baseline) + "\">" + escaped(statement) + "</text>\n";
        baseline += kStatementHeight;
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace lorvex
