#pragma once

#include <QColor>
#include <QString>

// The 25 named colours of the toolkit and the rules that turn a palette index
// into the colour drawn.
namespace lorvex::palette {

inline constexpr int kSize = 25;
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 1;
inline constexpr int kRed = 4;
inline constexpr int kLightGrey = 19;

// Indices 1 ... 24 give their palette entry; anything else is black.
QColor color(int index);
// The colour's name ("preto", "branco", ...).
QString name(int index);
// Text in the window's background colour would vanish: it is drawn black, or
// white on a black background.
QColor textColor(int index, int backgroundIndex);
// Black-and-white printing turns every index into a grey.
QColor printGrey(int index);

}  // namespace lorvex::palette
