#include "toolkit/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <cmath>
#include <utility>

namespace lorvex {
namespace {

TEST(Fonts, RecordsBecomeQtFonts) {
    LogicalFont record;
    record.height = -16;
    record.weight = 700;
    record.italic = 1;
    record.underline = 1;
    record.pitchAndFamily = font::kFixedPitch | font::kModernFamily;
    record.faceName = "Courier New";
    const QFont font = toQFont(record);
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_TRUE(font.fixedPitch());
}

TEST(Fonts, HeightsFromFilesAreDrawnWithinLimits) {
    LogicalFont record;
    for (const auto& [height, pixels] :
         {std::pair{100000, 200}, std::pair{2147483647, 200}, std::pair{-2147483647 - 1, 200},
          std::pair{-2, 4}, std::pair{-16, 16}}) {
        record.height = height;
        EXPECT_EQ(toQFont(record).pixelSize(), pixels) << height;
    }
}

TEST(Fonts, QtFontsBecomeRecords) {
    LogicalFont symbol;
    symbol.charset = font::kSymbolCharset;
    symbol.quality = font::kDraftQuality;
    QFont chosen(QStringLiteral("Times New Roman"));
    chosen.setPointSize(12);
    chosen.setItalic(true);
    // 12 points are 16 pixels at 96 pixels per inch and 20 at 120.
    LogicalFont record = withQFont(symbol, chosen, 96);
    EXPECT_EQ(record.height, -16);
    EXPECT_EQ(record.faceName, "Times New Roman");
    EXPECT_EQ(record.weight, 400);
    EXPECT_EQ(record.italic, 1);
    EXPECT_EQ(record.charset, font::kSymbolCharset) << "fields Qt does not know stay";
    EXPECT_EQ(withQFont(symbol, chosen, 120).height, -20);

    // A round trip keeps what the records say.
    LogicalFont entries;
    entries.height = -21;
    entries.weight = 600;
    entries.faceName = "Courier New";
    EXPECT_EQ(withQFont(entries, toQFont(entries), 96), entries);
}

TEST(Fonts, RecordColoursAreBlueGreenRed) {
    EXPECT_EQ(colourFromRecord(0x00FF8040), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(recordFromColour(QColor(0x40, 0x80, 0xFF)), 0x00FF8040u);
}

TEST(Fonts, TheDefaultFontsAreAskedForByName) {
    const WindowSettings settings = defaultWindowSettings();
    ASSERT_EQ(settings.fonts.size(), 10u);
    const std::int32_t dpi = screenPixelsPerInch();
    EXPECT_EQ(settings.fonts[0].font.faceName, "Courier New");
    EXPECT_EQ(settings.fonts[0].font.height, -std::lround(12.0 * dpi / 72));
    EXPECT_EQ(settings.fonts[4].font.faceName, "Times New Roman");
    // The entries need a fixed-pitch face; a metric-compatible one stands in
    // for "Courier New" where it is not installed.
    EXPECT_TRUE(QFontInfo(toQFont(settings.fonts[0].font)).fixedPitch());
}

}  // namespace
}  // namespace lorvex
