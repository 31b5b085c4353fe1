#include "toolkit/fonts.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace lorvex {
namespace {

constexpr std::uint8_t kPitchMask = 0x03;
constexpr std::uint8_t kFamilyMask = 0xF0;
constexpr std::uint8_t kRomanFamily = 0x10;
constexpr std::uint8_t kSwissFamily = 0x20;
constexpr std::int32_t kPointsPerInch = 72;

}  // namespace

std::int32_t screenPixelsPerInch() {
    const QScreen* screen = QApplication::primaryScreen();
    if (screen == nullptr) return 96;
    return static_cast<std::int32_t>(std::lround(screen->logicalDotsPerInchY()));
}

WindowSettings defaultWindowSettings() {
    return matrixWindowDefaults(screenPixelsPerInch());
}

QFont toQFont(const LogicalFont& record) {
    QFont font(
        QString::fromUtf8(record.faceName.data(), static_cast<qsizetype>(record.faceName.size())));
    if (const std::int32_t pixels = shownFontPixels(record.height); pixels != 0) {
        font.setPixelSize(pixels);
    }
    const std::uint8_t family = record.pitchAndFamily & kFamilyMask;
    const bool fixed =
        (record.pitchAndFamily & kPitchMask) == font::kFixedPitch || family == font::kModernFamily;
    if (fixed) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else if (family == kRomanFamily) {
        font.setStyleHint(QFont::Serif);
    } else if (family == kSwissFamily) {
        font.setStyleHint(QFont::SansSerif);
    }
    if (record.weight > 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(record.weight, 1, 1000)));
    }
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    return font;
}

LogicalFont withQFont(const LogicalFont& base, const QFont& font, std::int32_t pixelsPerInch) {
    LogicalFont record = base;
    record.faceName = font.family().toStdString();
    if (font.pixelSize() > 0) {
        record.height = -font.pixelSize();
    } else {
        record.height = -static_cast<std::int32_t>(
            std::lround(font.pointSizeF() * pixelsPerInch / kPointsPerInch));
    }
    record.weight = font.weight();
    record.italic = font.italic() ? 1 : 0;
    record.underline = font.underline() ? 1 : 0;
    record.strikeOut = font.strikeOut() ? 1 : 0;
    return record;
}

QColor colourFromRecord(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t recordFromColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

}  // namespace lorvex
