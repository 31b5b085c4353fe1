#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>

#include "workspace/window_settings.h"

class QWidget;

// The ten fonts of a toolkit window are kept as logical-font records (the
// form the settings files and matrix files store); these conversions turn
// them into Qt fonts and back.
namespace lorvex {

// Font 0 shows the matrix entries; text windows use font 4.
inline constexpr std::size_t kEntryFont = 0;
inline constexpr std::size_t kTextWindowFont = 4;

// The vertical resolution of the screen in pixels per inch, which turns
// point sizes into the pixel heights of the records.
std::int32_t screenPixelsPerInch();

// The settings record of a new toolkit window on this screen: the ten
// default fonts ("Courier New" 12 points for the entries, "Times New Roman"
// 12 points for text windows, ...) with their heights in screen pixels.
WindowSettings defaultWindowSettings();

// The Qt font of a record: the face asked for by name, the height in pixels
// (a negative height is the character height, a positive one the cell
// height, 0 the platform's default), weight, italic, underline, strike-out,
// and a fixed-pitch hint for fixed-pitch and modern faces.
QFont toQFont(const LogicalFont& font);

// `base` with the face, height, weight and effects of a Qt font; its other
// fields stay. A point size becomes the height -points x pixelsPerInch / 72,
// rounded to the nearest pixel.
LogicalFont withQFont(const LogicalFont& base, const QFont& font, std::int32_t pixelsPerInch);

// Colours of records are 0x00BBGGRR.
QColor colourFromRecord(std::uint32_t colour);
std::uint32_t recordFromColour(const QColor& colour);

}  // namespace lorvex
