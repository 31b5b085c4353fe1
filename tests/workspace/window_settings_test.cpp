#include "workspace/window_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "workspace/file_test_support.h"

namespace lorvex {
namespace {

using test::Bytes;
using test::slice;
using test::words16;
using test::words32;

Bytes encode(const WindowSettings& settings) {
    BinaryWriter writer;
    writeWindowBlock(writer, settings);
    return writer.take();
}

std::optional<WindowBlock> readBlock(const Bytes& bytes) {
    BinaryReader reader(bytes);
    return readWindowBlock(reader);
}

WindowSettings sampleSettings() {
    WindowSettings settings = matrixWindowDefaults();
    settings.rect = {100, 50, 640, -2};
    settings.zoomed = true;
    return settings;
}

TEST(WindowSettings, LayoutOfTheMatrixWindowBlock) {
    const Bytes block = encode(sampleSettings());
    ASSERT_EQ(block.size(), 858u);
    // Kind 441, version 2, rectangle, zoomed, display flag 1, no palette; the
    // measures interval -1/2.54 -> -39, thickness 300, margins 100 and 100;
    // both printing flags off; 10 fonts, 15 roles; 12 reserved bytes.
    const Bytes header = {
        0xB9, 0x01, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // kind, version
        0x64, 0x00, 0x00, 0x00, 0x32, 0x00, 0x00, 0x00,  // x, y
        0x80, 0x02, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF,  // width, height
        0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  // zoomed, display flag
        0x00, 0x00, 0x00, 0x00,                          // palette size
        0xD9, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0x00, 0x00,  // interval, thickness
        0x64, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00,  // left and top margins
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // frame, colour printer
        0x0A, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00,  // fonts, roles
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // reserved
        0x00, 0x00, 0x00, 0x00,                          //
    };
    EXPECT_EQ(slice(block, 0, 80), header);

    // Point sizes in tenths: 12, 10, 10, 8, 12, 10, then 10 four times.
    EXPECT_EQ(slice(block, 80, 40), words32({120, 100, 100, 80, 120, 100, 100, 100, 100, 100}));

    // Font 0: height -16 (12 points at 96 pixels per inch), weight 400,
    // outline precision 8, draft quality 1, fixed pitch in the modern family.
    // Height, width, escapement, orientation and weight; italic, underline,
    // strike-out and charset; precisions, quality, pitch and family; the face.
    Bytes courier12 = words32({-16, 0, 0, 0, 400});
    courier12.insert(courier12.end(), {0, 0, 0, 0, 8, 0, 1, 0x31});
    const std::string_view face = "Courier New";
    courier12.insert(courier12.end(), face.begin(), face.end());
    courier12.resize(60, 0);
    EXPECT_EQ(slice(block, 120, 60), courier12);

    // Font 1: "Symbol", 10 points -> height -13, symbol character set; font
    // 3: 8 points -> -11 (10.67 rounded), fixed pitch; font 4: "Times New
    // Roman", 12 points, variable pitch. Each font takes 60 bytes.
    const struct {
        std::size_t offset;
        std::uint8_t height, charset, pitchAndFamily;
        std::string_view name;
    } fonts[] = {{180, 0xF3, 2, 0, "Symbol"},
                 {300, 0xF5, 0, 0x01, "Courier New"},
                 {360, 0xF0, 0, 0x02, "Times New Roman"}};
    for (const auto& font : fonts) {
        SCOPED_TRACE(font.name);
        EXPECT_EQ(slice(block, font.offset, 4), (Bytes{font.height, 0xFF, 0xFF, 0xFF}));
        EXPECT_EQ(block[font.offset + 23], font.charset);
        EXPECT_EQ(block[font.offset + 27], font.pitchAndFamily);
        EXPECT_EQ(slice(block, font.offset + 28, font.name.size() + 1),
                  Bytes(font.name.begin(), font.name.end() + 1));
    }
    // Ten black font colours and 68 reserved bytes, all zero.
    EXPECT_EQ(slice(block, 720, 108), Bytes(108, 0));
    // Fifteen roles, light grey (19) but for the highlight and border roles, red (4).
    EXPECT_EQ(slice(block, 828, 30),
              words16({19, 19, 19, 19, 4, 19, 19, 19, 19, 4, 19, 19, 19, 19, 19}));
}

TEST(WindowSettings, FontHeightsFollowTheScreenResolution) {
    const WindowSettings settings = matrixWindowDefaults(120);
    EXPECT_EQ(settings.fonts[0].font.height, -20);  // 12 * 120 / 72
    EXPECT_EQ(settings.fonts[2].font.height, -17);  // 16.67
    EXPECT_EQ(settings.fonts[3].font.height, -13);  // 13.33
    EXPECT_EQ(settings.fonts[0].extra, 120);
}

TEST(WindowSettings, MeasuresAreStoredTimesOneHundredRoundedHalfTowardZero) {
    constexpr long double kInf = std::numeric_limits<long double>::infinity();
    constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
    // 0.125, -0.125 and 0.375 give halves exactly: 12.5, -12.5 and 37.5.
    const std::pair<long double, std::int32_t> cases[] = {
        {1.0L, 100},          {0.126L, 13},         {-0.126L, -13},     {0.0049L, 0},
        {-1.0L / 2.54L, -39}, {0.125L, 12},         {-0.125L, -12},     {0.375L, 37},
        {3e7L, 2147483647},   {-3e7L, -2147483647}, {kInf, 2147483647}, {kNaN, 0}};
    for (const auto& [measure, stored] : cases)
        EXPECT_EQ(storedPrintingMeasure(measure), stored) << static_cast<double>(measure);

    EXPECT_NEAR(static_cast<double>(printingMeasureFromStored(kLeftMargin, 250)), 2.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(printingMeasureFromStored(kInterval, -39)), -0.39, 1e-15);
    EXPECT_EQ(printingMeasureFromStored(kInterval, 0), -1.0L / 2.54L);
    EXPECT_EQ(printingMeasureFromStored(kThickness, 0), 0.0L);
}

TEST(WindowSettings, BlockReadsBackWithPaletteFontsAndRoles) {
    WindowSettings settings = sampleSettings();
    settings.displayFlag = 0;
    // Measures as they read back from their stored hundredths.
    settings.printingMeasures = {
        printingMeasureFromStored(kInterval, 50), printingMeasureFromStored(kThickness, 25),
        printingMeasureFromStored(kLeftMargin, 200), printingMeasureFromStored(kTopMargin, 150)};
    settings.framePrinting = true;
    settings.colourPrinter = true;
    settings.palette = {{1, 2, 3}, {4, 5, 6}};
    settings.fonts[0].font.faceName = std::string(40, 'x');
    settings.fonts[1].font.faceName = "Símbolo π";
    settings.fonts[6].font.faceName = "Fonte Açúcar";
    settings.fonts[6].font.italic = 1;
    settings.fonts[6].font.weight = 700;
    settings.fonts[6].colour = 0x00FF8040;
    settings.fonts[6].extra = 145;
    settings.colourRoles[0] = 2;

    const Bytes block = encode(settings);
    ASSERT_EQ(block.size(), 858u + 6u);
    EXPECT_EQ(slice(block, 32, 4), (Bytes{2, 0, 0, 0}));
    // The palette is three tables at the end: reds, greens, blues.
    EXPECT_EQ(slice(block, 858, 6), (Bytes{1, 4, 2, 5, 3, 6}));
    // Face names are cut to 31 bytes in the old code page.
    EXPECT_EQ(block[120 + 28 + 31], 0);
    settings.fonts[0].font.faceName.resize(31);
    settings.fonts[1].font.faceName = "Símbolo ?";

    BinaryReader reader(block);
    std::optional<WindowBlock> readBlock = readWindowBlock(reader);
    ASSERT_TRUE(readBlock);
    WindowSettings& read = readBlock->settings;
    EXPECT_EQ(readBlock->version, 2);
    EXPECT_EQ(reader.remaining(), 0u);
    EXPECT_EQ(read, settings);
}

TEST(WindowSettings, ReaderStopsAtAnotherKindAndRefusesDamagedBlocks) {
    const Bytes good = encode(sampleSettings());

    Bytes otherKind = good;
    test::putInt32(otherKind, 0, 442);
    EXPECT_FALSE(readBlock(otherKind));

    const auto damaged = [&](std::size_t offset, std::int32_t value) {
        Bytes bytes = good;
        test::putInt32(bytes, offset, value);
        return bytes;
    };
    // A palette above 25 or without room for it; font counts negative, huge or
    // one too many; role counts negative or one too many. (The matrix files,
    // which begin with this block, are refused cut short at every length.)
    const std::pair<std::size_t, std::int32_t> fields[] = {
        {32, 26}, {32, 25}, {60, -1}, {60, 0x7FFFFFFF}, {60, 11}, {64, -3}, {64, 16}};
    for (const auto& [offset, value] : fields)
        EXPECT_THROW(readBlock(damaged(offset, value)), DamagedData) << offset << " " << value;

    // Fewer fonts and roles than a matrix window has still make a block.
    Bytes smaller = damaged(60, 9);
    test::putInt32(smaller, 64, 14);
    const std::optional<WindowBlock> fewer = readBlock(smaller);
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->settings.fonts.size(), 9u);
    EXPECT_EQ(fewer->settings.colourRoles.size(), 14u);
    // A negative palette size means no palette.
    const std::optional<WindowBlock> noPalette = readBlock(damaged(32, -5));
    ASSERT_TRUE(noPalette);
    EXPECT_TRUE(noPalette->settings.palette.empty());
}

TEST(WindowSettings, AShortRecordIsCompletedFromTheDefaults) {
    const WindowSettings defaults = matrixWindowDefaults(72);
    WindowSettings settings;
    settings.rect = {1, 2, 300, 200};
    settings.fonts = {defaults.fonts[4], defaults.fonts[5]};
    settings.fonts[0].colour = 0x0000FF;
    settings.colourRoles = {7, 8, 9};

    completeWindowSettings(settings, defaults);
    ASSERT_EQ(settings.fonts.size(), 10u);
    EXPECT_EQ(settings.fonts[0].font.faceName, "Times New Roman");
    EXPECT_EQ(settings.fonts[0].colour, 0x0000FFu);
    EXPECT_EQ(settings.fonts[1], defaults.fonts[5]);
    EXPECT_EQ(settings.fonts[2], defaults.fonts[2]);
    EXPECT_EQ(settings.fonts[9], defaults.fonts[9]);
    // The roles read stay; the highlight (4) and border (9) roles come in red.
    EXPECT_EQ(settings.colourRoles,
              (std::vector<std::int16_t>{7, 8, 9, 19, 4, 19, 19, 19, 19, 4, 19, 19, 19, 19, 19}));
    EXPECT_EQ(settings.rect, (WindowRect{1, 2, 300, 200}));

    // A full record, or one with more than the defaults, is left as it is.
    WindowSettings longer = defaults;
    longer.colourRoles.push_back(3);
    const WindowSettings before = longer;
    completeWindowSettings(longer, matrixWindowDefaults());
    EXPECT_EQ(longer, before);
}

TEST(WindowSettings, RectanglesThatFitTheScreen) {
    EXPECT_TRUE(fitsOnScreen({0, 0, 120, 72}, 120, 72));
    EXPECT_TRUE(fitsOnScreen({10, 20, 800, 600}, 1024, 768));
    const WindowRect offScreen[] = {{-1, 0, 120, 72}, {0, -1, 120, 72},  {0, 0, 119, 72},
                                    {0, 0, 120, 71},  {905, 0, 120, 72}, {0, 697, 120, 72}};
    for (const WindowRect& rect : offScreen)
        EXPECT_FALSE(fitsOnScreen(rect, 1024, 768)) << rect.x << ", " << rect.y;
    EXPECT_FALSE(fitsOnScreen({2147483600, 0, 2147483600, 72}, 1024, 768));
}

TEST(WindowSettings, StoredFontHeightsAndFieldWidthsAreShownWithinLimits) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::pair<std::int32_t, std::int32_t> heights[] = {
        {0, 0},     {-16, 16},   {16, 16},      {-4, 4},     {-3, 4},     {1, 4},
        {200, 200}, {-201, 200}, {100000, 200}, {kMax, 200}, {kMin, 200}, {kMin + 1, 200}};
    for (const auto& [stored, pixels] : heights)
        EXPECT_EQ(shownFontPixels(stored), pixels) << stored;

    const std::pair<std::int32_t, std::int32_t> widths[] = {
        {8, 8}, {1, 1}, {0, 1}, {-5, 1}, {kMin, 1}, {160, 160}, {161, 160}, {32767, 160}};
    for (const auto& [stored, shown] : widths)
        EXPECT_EQ(shownFieldWidth(stored), shown) << stored;
}

}  // namespace
}  // namespace lorvex
