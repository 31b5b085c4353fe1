#pragma once

#include <QColor>

// The 25 named colours of the toolkit and the rules that turn a palette index
// into the colour drawn.
namespace lorvex::palette {

inline constexpr int kSize = 25;
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 1;

// Indices 1 ... 24 give their palette entry; anything else is black.
QColor color(int index);
// Text in the window's background colour would vanish: it is drawn black, or
// white on a black background.
QColor textColor(int index, int backgroundIndex);

}  // namespace lorvex::palette
