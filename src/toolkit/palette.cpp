#include "toolkit/palette.h"

#include <array>

namespace lorvex::palette {
namespace {

constexpr std::array<QRgb, kSize> kColors = {
    0x000000, 0xFFFFFF, 0xFF00FF, 0xFFFF00, 0xFF0000, 0x00BF3F, 0x0000FF, 0x007F7F, 0xFF7F00,
    0xFF007F, 0xA02F00, 0x00FFFF, 0xBFBF7F, 0x7F007F, 0x20FF00, 0xFF7F7F, 0x7F7F00, 0x002FA0,
    0xE0E0E0, 0xC0C0C0, 0xA0A0A0, 0x808080, 0x606060, 0x404040, 0xBF003F,
};

}  // namespace

QColor color(int index, std::span<const PaletteColour> replacement) {
    const auto entry = static_cast<std::size_t>(index >= 1 && index < kSize ? index : kBlack);
    if (entry < replacement.size()) {
        const PaletteColour& replaced = replacement[entry];
        return QColor(replaced.red, replaced.green, replaced.blue);
    }
    return QColor(kColors[entry]);
}

QColor textColor(int index, int backgroundIndex, std::span<const PaletteColour> replacement) {
    if (index != backgroundIndex) return color(index, replacement);
    return color(backgroundIndex == kBlack ? kWhite : kBlack, replacement);
}

}  // namespace lorvex::palette
