#include "workspace/window_settings.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "workspace/windows1252.h"

namespace lorvex {
namespace {

constexpr std::int32_t kMeasureLimit = std::numeric_limits<std::int32_t>::max();
constexpr long double kDefaultInterval = -1.0L / 2.54L;
// Per font: the extra value, the 60-byte description and the colour.
constexpr std::size_t kBytesPerFont = 4 + kLogicalFontSize + 4;
constexpr std::size_t kHeaderReservedSize = 12;
constexpr std::int16_t kLightGrey = 19;
constexpr std::int16_t kRed = 4;
constexpr std::size_t kHighlightRole = 4;
constexpr std::size_t kBorderRole = 9;

// points x pixelsPerInch / 72, rounded to the nearest pixel, halves away from
// zero, as the platform's multiply-divide rounds.
std::int32_t pixelsForPoints(std::int32_t points, std::int32_t pixelsPerInch) {
    const std::int64_t product = std::int64_t{points} * pixelsPerInch;
    return static_cast<std::int32_t>((2 * product + 72) / 144);
}

FontSetting defaultFont(std::string_view face, std::int32_t points, std::uint8_t pitchAndFamily,
                        std::int32_t pixelsPerInch) {
    FontSetting setting;
    setting.extra = points * 10;
    setting.font.height = -pixelsForPoints(points, pixelsPerInch);
    setting.font.pitchAndFamily = pitchAndFamily;
    setting.font.faceName = face;
    return setting;
}

void writeFont(BinaryWriter& writer, const LogicalFont& font) {
    writer.int32(font.height);
    writer.int32(font.width);
    writer.int32(font.escapement);
    writer.int32(font.orientation);
    writer.int32(font.weight);
    for (const std::uint8_t byte :
         {font.italic, font.underline, font.strikeOut, font.charset, font.outPrecision,
          font.clipPrecision, font.quality, font.pitchAndFamily}) {
        writer.uint8(byte);
    }
    std::string face = utf8ToWindows1252(font.faceName);
    face.resize(std::min(face.find('\0'), kFontFaceNameSize - 1));
    face.resize(kFontFaceNameSize, '\0');
    writer.bytes(std::span(reinterpret_cast<const std::uint8_t*>(face.data()), face.size()));
}

LogicalFont readFont(BinaryReader& reader) {
    LogicalFont font;
    font.height = reader.int32();
    font.width = reader.int32();
    font.escapement = reader.int32();
    font.orientation = reader.int32();
    font.weight = reader.int32();
    font.italic = reader.uint8();
    font.underline = reader.uint8();
    font.strikeOut = reader.uint8();
    font.charset = reader.uint8();
    font.outPrecision = reader.uint8();
    font.clipPrecision = reader.uint8();
    font.quality = reader.uint8();
    font.pitchAndFamily = reader.uint8();
    const auto face = reader.bytes(kFontFaceNameSize);
    const std::string_view text(reinterpret_cast<const char*>(face.data()), face.size());
    font.faceName = windows1252ToUtf8(text.substr(0, text.find('\0')));
    return font;
}

}  // namespace

bool fitsOnScreen(const WindowRect& rect, std::int32_t screenWidth, std::int32_t screenHeight) {
    return rect.x >= 0 && rect.y >= 0 && rect.width >= 120 && rect.height >= 72 &&
           std::int64_t{rect.x} + rect.width <= screenWidth &&
           std::int64_t{rect.y} + rect.height <= screenHeight;
}

std::int32_t shownFontPixels(std::int32_t height) {
    if (height == 0) return 0;
    // In 64 bits the magnitude of the most negative height exists.
    const std::int64_t magnitude = height < 0 ? -std::int64_t{height} : std::int64_t{height};
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(magnitude, kSmallestShownFontPixels, kLargestShownFontPixels));
}

std::int32_t shownFieldWidth(std::int32_t fieldWidth) {
    return std::clamp(fieldWidth, 1, kWidestShownField);
}

WindowSettings matrixWindowDefaults(std::int32_t pixelsPerInch) {
    using namespace font;
    constexpr std::uint8_t kFixedModern = kFixedPitch | kModernFamily;
    WindowSettings settings;
    settings.fonts = {
        defaultFont("Courier New", 12, kFixedModern, pixelsPerInch),
        defaultFont("Symbol", 10, kDefaultPitch, pixelsPerInch),
        defaultFont("Courier New", 10, kFixedPitch, pixelsPerInch),
        defaultFont("Courier New", 8, kFixedPitch, pixelsPerInch),
        defaultFont("Times New Roman", 12, kVariablePitch, pixelsPerInch),
        defaultFont("Times New Roman", 10, kVariablePitch, pixelsPerInch),
    };
    settings.fonts[1].font.charset = kSymbolCharset;
    while (settings.fonts.size() < kMatrixWindowFontCount)
        settings.fonts.push_back(defaultFont("Courier New", 10, kFixedPitch, pixelsPerInch));

    settings.colourRoles.assign(kMatrixWindowRoleCount, kLightGrey);
    settings.colourRoles[kHighlightRole] = kRed;
    settings.colourRoles[kBorderRole] = kRed;
    return settings;
}

void completeWindowSettings(WindowSettings& settings, const WindowSettings& defaults) {
    for (std::size_t f = settings.fonts.size(); f < defaults.fonts.size(); ++f)
        settings.fonts.push_back(defaults.fonts[f]);
    for (std::size_t r = settings.colourRoles.size(); r < defaults.colourRoles.size(); ++r)
        settings.colourRoles.push_back(defaults.colourRoles[r]);
}

std::int32_t storedPrintingMeasure(long double inches) {
    const long double scaled = inches * 100.0L;
    if (std::isnan(scaled)) return 0;
    if (scaled >= kMeasureLimit) return kMeasureLimit;
    if (scaled <= -kMeasureLimit) return -kMeasureLimit;
    long double whole = std::trunc(scaled);
    const long double fraction = scaled - whole;
    if (fraction > 0.5L) whole += 1.0L;
    if (fraction < -0.5L) whole -= 1.0L;
    return static_cast<std::int32_t>(whole);
}

long double printingMeasureFromStored(PrintingMeasure measure, std::int32_t stored) {
    if (measure == kInterval && stored == 0) return kDefaultInterval;
    return static_cast<long double>(stored) * 0.01L;
}

void writeWindowBlock(BinaryWriter& writer, const WindowSettings& settings, std::int32_t kind,
                      std::int32_t version) {
    const auto paletteSize = std::min(settings.palette.size(), kPaletteSize);
    writer.int32(kind);
    writer.int32(version);
    writer.int32(settings.rect.x);
    writer.int32(settings.rect.y);
    writer.int32(settings.rect.width);
    writer.int32(settings.rect.height);
    writer.int32(settings.zoomed ? 1 : 0);
    writer.int32(settings.displayFlag);
    writer.int32(static_cast<std::int32_t>(paletteSize));
    for (const long double measure : settings.printingMeasures)
        writer.int32(storedPrintingMeasure(measure));
    writer.int32(settings.framePrinting ? 1 : 0);
    writer.int32(settings.colourPrinter ? 1 : 0);
    writer.int32(static_cast<std::int32_t>(settings.fonts.size()));
    writer.int32(static_cast<std::int32_t>(settings.colourRoles.size()));
    writer.zeros(kHeaderReservedSize);

    for (const FontSetting& setting : settings.fonts)
        writer.int32(setting.extra);
    for (const FontSetting& setting : settings.fonts)
        writeFont(writer, setting.font);
    for (const FontSetting& setting : settings.fonts)
        writer.uint32(setting.colour);
    writer.zeros(kWindowBlockReservedSize);
    for (const std::int16_t role : settings.colourRoles)
        writer.int16(role);

    // The palette is stored as three tables: all reds, all greens, all blues.
    for (std::size_t i = 0; i < paletteSize; ++i)
        writer.uint8(settings.palette[i].red);
    for (std::size_t i = 0; i < paletteSize; ++i)
        writer.uint8(settings.palette[i].green);
    for (std::size_t i = 0; i < paletteSize; ++i)
        writer.uint8(settings.palette[i].blue);
}

std::optional<WindowBlock> readWindowBlock(BinaryReader& reader, std::int32_t expectedKind) {
    if (reader.int32() != expectedKind) return std::nullopt;
    WindowBlock block;
    WindowSettings& settings = block.settings;
    block.version = reader.int32();
    settings.rect.x = reader.int32();
    settings.rect.y = reader.int32();
    settings.rect.width = reader.int32();
    settings.rect.height = reader.int32();
    settings.zoomed = reader.int32() != 0;
    settings.displayFlag = reader.int32();
    const std::int32_t paletteSize = std::max(reader.int32(), 0);
    require(static_cast<std::size_t>(paletteSize) <= kPaletteSize);
    for (std::size_t i = 0; i < settings.printingMeasures.size(); ++i) {
        settings.printingMeasures[i] =
            printingMeasureFromStored(static_cast<PrintingMeasure>(i), reader.int32());
    }
    settings.framePrinting = reader.int32() != 0;
    settings.colourPrinter = reader.int32() != 0;
    const std::int32_t fontCount = reader.int32();
    const std::int32_t roleCount = reader.int32();
    reader.skip(kHeaderReservedSize);

    // A toolkit window has ten fonts and fifteen colour roles; a block with
    // more is no block of this system.
    require(fontCount <= static_cast<std::int32_t>(kMatrixWindowFontCount) &&
            roleCount <= static_cast<std::int32_t>(kMatrixWindowRoleCount));
    require(reader.holds(fontCount, kBytesPerFont));
    settings.fonts.resize(static_cast<std::size_t>(fontCount));
    for (FontSetting& setting : settings.fonts)
        setting.extra = reader.int32();
    for (FontSetting& setting : settings.fonts)
        setting.font = readFont(reader);
    for (FontSetting& setting : settings.fonts)
        setting.colour = reader.uint32();
    reader.skip(kWindowBlockReservedSize);

    require(reader.holds(roleCount, 2));
    settings.colourRoles.resize(static_cast<std::size_t>(roleCount));
    for (std::int16_t& role : settings.colourRoles)
        role = reader.int16();

    settings.palette.resize(static_cast<std::size_t>(paletteSize));
    for (PaletteColour& colour : settings.palette)
        colour.red = reader.uint8();
    for (PaletteColour& colour : settings.palette)
        colour.green = reader.uint8();
    for (PaletteColour& colour : settings.palette)
        colour.blue = reader.uint8();

    return block;
}

}  // namespace lorvex
