#pragma once

#include <QColor>
#include <span>

#include "workspace/window_settings.h"

// The 25 named colours of the toolkit and the rules that turn a palette index
// into the colour drawn. A window's settings record may carry colours that
// replace the first entries of the palette; the window draws with those.
namespace lorvex::palette {

inline constexpr int kSize = 25;
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 1;

// Indices 1 ... 24 give their palette entry; anything else gives entry 0
// (black unless replaced).
QColor color(int index, std::span<const PaletteColour> replacement = {});
// Text in the window's background colour would vanish: it is drawn in entry
// 0 (black), or in entry 1 (white) on a black background.
QColor textColor(int index, int backgroundIndex, std::span<const PaletteColour> replacement = {});

}  // namespace lorvex::palette
