#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/linear_map_picture.h"

// How every renderer of a linear map's picture draws each kind of item, so
// that the window, its saved images and lorvex-cli's SVG look alike.
namespace lorvex {

struct PictureStyle {
    PictureRole role;
    std::string_view name;  // the SVG class
    std::uint32_t stroke;   // 0xRRGGBB
    double strokeWidth;     // in pixels of a 600-pixel picture
    std::uint32_t fill;
    double fillOpacity;  // 0: not filled
};

// In drawing order: the original grid faint below everything, the image
// grid strong above the filled shapes, the eigenvector lines on top.
inline constexpr std::array<PictureStyle, 9> kPictureStyles = {{
    {PictureRole::OriginalGrid, "original-grid", 0xC8C8C8, 1.0, 0, 0.0},
    {PictureRole::UnitShape, "unit-shape", 0x707070, 1.5, 0x909090, 0.25},
    {PictureRole::ImageShape, "image-shape", 0xC86400, 2.0, 0xFF9A1F, 0.35},
    {PictureRole::UnitCircle, "unit-circle", 0xA0A0A0, 1.0, 0, 0.0},
    {PictureRole::Ellipse, "ellipse", 0x008C00, 2.0, 0, 0.0},
    {PictureRole::ImageGrid, "image-grid", 0x1F4FBF, 1.5, 0, 0.0},
    {PictureRole::Axis, "axis", 0x000000, 1.5, 0, 0.0},
    {PictureRole::SemiAxis, "semi-axis", 0x008C00, 2.0, 0, 0.0},
    {PictureRole::EigenLine, "eigen-line", 0xE00000, 2.5, 0, 0.0},
}};

inline const PictureStyle& pictureStyle(PictureRole role) {
    for (const PictureStyle& style : kPictureStyles) {
        if (style.role == role) return style;
    }
    return kPictureStyles.front();
}

// The picture's square side and the height of a line of text below it, in
// pixels, for renderers without a size of their own.
inline constexpr int kPictureSide = 600;
inline constexpr int kStatementHeight = 24;

}  // namespace lorvex
