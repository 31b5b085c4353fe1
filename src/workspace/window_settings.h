#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "workspace/binary_reader.h"
#include "workspace/binary_writer.h"

namespace lorvex {

// The window kind of matrix windows, the first word of their settings block.
inline constexpr std::int32_t kMatrixWindowKind = 441;
// The version written; readers of matrix files accept 1 and 2.
inline constexpr std::int32_t kWindowBlockVersion = 2;
inline constexpr std::size_t kWindowBlockHeaderSize = 80;
inline constexpr std::size_t kLogicalFontSize = 60;
inline constexpr std::size_t kFontFaceNameSize = 32;
inline constexpr std::size_t kWindowBlockReservedSize = 4 * 17;
// The palette has 25 colours; a block may carry a replacement of at most so many.
inline constexpr std::size_t kPaletteSize = 25;
inline constexpr std::size_t kMatrixWindowFontCount = 10;
inline constexpr std::size_t kMatrixWindowRoleCount = 15;
// Size of the block a matrix window writes: 10 fonts, 15 colour roles, no palette.
inline constexpr std::size_t kMatrixWindowBlockSize = 858;
// The largest block a reader accepts: that of a matrix window with a full palette.
inline constexpr std::size_t kLargestWindowBlockSize = kMatrixWindowBlockSize + 3 * kPaletteSize;

// Values of the logical-font fields, as the classic platform numbers them.
namespace font {
inline constexpr std::int32_t kNormalWeight = 400;
inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kSymbolCharset = 2;
inline constexpr std::uint8_t kOutlineOutputPrecision = 8;
inline constexpr std::uint8_t kDefaultClipPrecision = 0;
inline constexpr std::uint8_t kDraftQuality = 1;
inline constexpr std::uint8_t kDefaultPitch = 0;
inline constexpr std::uint8_t kFixedPitch = 1;
inline constexpr std::uint8_t kVariablePitch = 2;
inline constexpr std::uint8_t kModernFamily = 0x30;
}  // namespace font

// A window rectangle in pixels.
struct WindowRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// True when a remembered rectangle may be used as it is: it starts inside the
// screen, is at least 120 x 72 pixels and lies entirely on the screen.
bool fitsOnScreen(const WindowRect& rect, std::int32_t screenWidth, std::int32_t screenHeight);

// One logical-font description, 60 bytes in the files: five 32-bit fields,
// eight bytes, then a 32-byte face name ending in a NUL.
struct LogicalFont {
    std::int32_t height = 0;  // negative: the character height in pixels
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = font::kNormalWeight;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charset = font::kAnsiCharset;
    std::uint8_t outPrecision = font::kOutlineOutputPrecision;
    std::uint8_t clipPrecision = font::kDefaultClipPrecision;
    std::uint8_t quality = font::kDraftQuality;
    std::uint8_t pitchAndFamily = font::kDefaultPitch;
    // UTF-8; stored in Windows-1252 and cut to 31 bytes there.
    std::string faceName;

    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
};

// One font of a window: its description, the 32-bit value kept beside it
// (the point size in tenths, as the font dialog reports it) and its colour.
struct FontSetting {
    std::int32_t extra = 0;
    LogicalFont font;
    std::uint32_t colour = 0;  // 0x00BBGGRR

    friend bool operator==(const FontSetting&, const FontSetting&) = default;
};

struct PaletteColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

// Index of each printing measure, in inches, in the order they are stored.
// The interval comes first: its default, -1/2.54, is the one a stored zero
// in the first place stands for.
enum PrintingMeasure : std::size_t { kInterval, kThickness, kLeftMargin, kTopMargin };

// The settings record of a document window: where it was, how it prints, its
// fonts and the palette indices of its colour roles. A matrix file begins
// with it and "lorv.ini" holds the one of the last matrix window closed.
struct WindowSettings {
    WindowRect rect;
    bool zoomed = false;
    std::int32_t displayFlag = 1;
    // Replacement palette tables; empty when the block carries none. At most
    // 25 colours are written.
    std::vector<PaletteColour> palette;
    std::array<long double, 4> printingMeasures = {-1.0L / 2.54L, 3.0L, 1.0L, 1.0L};
    bool framePrinting = false;
    bool colourPrinter = false;
    std::vector<FontSetting> fonts;
    std::vector<std::int16_t> colourRoles;

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

// Font heights and field widths come from files anyone may have written. A
// window keeps them as read, so that writing the record again gives the same
// bytes, and draws with them held within what it can show.
//
// Characters less than 4 pixels high cannot be read; at more than 200 pixels
// not even one row of a matrix fits a common screen.
inline constexpr std::int32_t kSmallestShownFontPixels = 4;
inline constexpr std::int32_t kLargestShownFontPixels = 200;
// A complex entry of 19 integer digits and 19 decimals takes 83 characters;
// 160 holds it with room to spare and already fills a screen at the default
// font, so a wider cell would only push every entry out of sight.
inline constexpr std::int32_t kWidestShownField = 160;

// The pixel size a window draws a font of stored height `height` with: its
// magnitude (a negative height is a character height, a positive one a cell
// height), held within 4 ... 200. A height of 0 asks for the platform's
// default size and gives 0.
std::int32_t shownFontPixels(std::int32_t height);
// The number of characters of an entry a window shows for a field width:
// held within 1 ... 160.
std::int32_t shownFieldWidth(std::int32_t fieldWidth);

// The settings of a new matrix window: the ten fonts of the toolkit, heights
// scaled to a screen of `pixelsPerInch`, all black, colour roles all light
// grey (19) except the highlight (4) and border (9) roles, red (4). The
// rectangle is left empty: the window chooses its own default rectangle.
WindowSettings matrixWindowDefaults(std::int32_t pixelsPerInch = 96);

// A record read from an older or foreign file may hold fewer fonts or colour
// roles than `defaults`: the missing ones are taken from `defaults`. What the
// record holds is kept, including any fonts or roles beyond `defaults`.
void completeWindowSettings(WindowSettings& settings, const WindowSettings& defaults);

// A printing measure as stored: value x 100 rounded to the nearest integer,
// a fraction of exactly one half toward zero, clamped to +-2147483647; a NaN
// is stored as 0.
std::int32_t storedPrintingMeasure(long double inches);
// A stored measure read back: value x 0.01; a stored zero interval stands for
// its default -1/2.54.
long double printingMeasureFromStored(PrintingMeasure measure, std::int32_t stored);

// Writes the block with the window kind and version given (a matrix window
// writes 441 and 2).
void writeWindowBlock(BinaryWriter& writer, const WindowSettings& settings,
                      std::int32_t kind = kMatrixWindowKind,
                      std::int32_t version = kWindowBlockVersion);

// A block as read: its settings and its version word.
struct WindowBlock {
    WindowSettings settings;
    std::int32_t version = 0;
};

// Reads a block. When its kind is not `expectedKind`, gives nothing, having
// read only the kind word. Throws DamagedData when the bytes end early, a
// count is negative or larger than the bytes left, there are more than 10
// fonts or 15 colour roles, or the palette is larger than 25 colours.
[[nodiscard]] std::optional<WindowBlock> readWindowBlock(
    BinaryReader& reader, std::int32_t expectedKind = kMatrixWindowKind);

}  // namespace lorvex
