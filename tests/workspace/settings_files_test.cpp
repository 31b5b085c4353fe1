#include "workspace/settings_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/result_codes.h"
#include "workspace/file_test_support.h"

namespace lorvex {
namespace {

using test::Bytes;
using test::fileBytes;
using test::putFile;
using test::slice;
using test::TemporaryFolder;

constexpr std::size_t kTail = 858;

int readFromFile(const TemporaryFolder& folder, const Bytes& bytes, MatrixWindowSettings& read) {
    putFile(folder / "lorv.ini", bytes);
    return readMatrixWindowSettings(folder.path(), read);
}

MatrixWindowSettings changedMatrixSettings() {
    MatrixWindowSettings settings;
    settings.window.rect = {30, 40, 500, 300};
    settings.window.colourRoles[0] = 1;
    // Measures as they read back from their stored hundredths.
    settings.window.printingMeasures = {
        printingMeasureFromStored(kInterval, -39), printingMeasureFromStored(kThickness, 300),
        printingMeasureFromStored(kLeftMargin, 100), printingMeasureFromStored(kTopMargin, 100)};
    settings.delayMilliseconds = 250;
    settings.drawingColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    settings.lastDocumentName = "/home/ana/matrizes/ação.fma";
    return settings;
}

TEST(FrameSettingsFile, NineteenBytesWrittenAndReadBackOrTheDefaults) {
    TemporaryFolder folder;
    const FrameSettings defaults;
    FrameSettings read;
    EXPECT_FALSE(readFrameSettings(folder.path(), read));
    EXPECT_EQ(read, defaults);

    const FrameSettings settings{{10, 20, 800, -600}, true, false, true};
    ASSERT_EQ(writeFrameSettings(folder.path(), settings), code::Ok);
    const Bytes expected = {0x0A, 0, 0,    0,    0x14, 0,    0, 0, 0x20, 0x03,
                            0,    0, 0xA8, 0xFD, 0xFF, 0xFF, 1, 0, 1};
    EXPECT_EQ(fileBytes(folder / "lv.ini"), expected);
    ASSERT_TRUE(readFrameSettings(folder.path(), read));
    EXPECT_EQ(read, settings);
    read = defaults;

    putFile(folder / "lv.ini", Bytes(18, 1));
    EXPECT_FALSE(readFrameSettings(folder.path(), read));
    EXPECT_EQ(read, defaults);

    // Any non-zero flag byte counts as set; bytes after the record are ignored.
    Bytes longer(19, 0);
    longer[16] = 7;
    longer.push_back(9);
    putFile(folder / "lv.ini", longer);
    EXPECT_TRUE(readFrameSettings(folder.path(), read));
    EXPECT_TRUE(read.zoomed);
    EXPECT_FALSE(read.openLastDoc);
}

TEST(FrameSettingsFile, TheFrameStartsWhereItWasOnlyWhenThatFitsTheScreen) {
    RandomGenerator random(5);
    FrameSettings settings;
    settings.rect = {100, 100, 800, 600};
    EXPECT_EQ(frameStartRect(settings, 1024, 768, random), settings.rect);

    settings.rect = {300, 100, 800, 600};  // reaches off the right edge
    for (int i = 0; i < 50; ++i) {
        const WindowRect rect = frameStartRect(settings, 1024, 768, random);
        EXPECT_TRUE(rect.x >= 0 && rect.x <= 29 && rect.y >= 0 && rect.y <= 29);
        EXPECT_EQ(std::pair(rect.width, rect.height), std::pair(120, 72));
    }
}

TEST(FrameSettingsFile, WritingCreatesAMissingConfigurationFolder) {
    TemporaryFolder folder;
    const auto configuration = folder / "config/lorvex";
    EXPECT_EQ(writeFrameSettings(configuration, FrameSettings{}), code::Ok);
    EXPECT_EQ(fileBytes(configuration / "lv.ini").size(), 19u);
    EXPECT_EQ(writeMatrixWindowSettings(folder / "other", MatrixWindowSettings{}), code::Ok);

    // A folder that cannot exist (a file stands in its way) is no crash.
    putFile(folder / "blocker", std::string("x"));
    EXPECT_EQ(writeFrameSettings(folder / "blocker/sub", FrameSettings{}), code::IniNotSaved);
    EXPECT_EQ(writeMatrixWindowSettings(folder / "blocker", MatrixWindowSettings{}),
              code::IniNotSaved);
}

TEST(MatrixWindowSettingsFile, WindowBlockThenTheTail) {
    TemporaryFolder folder;
    const MatrixWindowSettings settings = changedMatrixSettings();
    ASSERT_EQ(writeMatrixWindowSettings(folder.path(), settings), code::Ok);
    const Bytes bytes = fileBytes(folder / "lorv.ini");
    ASSERT_EQ(bytes.size(), 858u + 1201u);

    // Delay 250, count 10, the ten colours, nine zero words.
    Bytes words = test::words32({250, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    words.resize(84, 0);
    EXPECT_EQ(slice(bytes, kTail, 84), words);
    // Reserved words, reals and flags: 2 * 84 + 3 * 210 + 3 * 21 zero bytes.
    EXPECT_EQ(slice(bytes, kTail + 84, 861), Bytes(861, 0));
    // The last document name, NUL-terminated and padded to 256 bytes.
    const std::string_view stored = "/home/ana/matrizes/a\xC3\xA7\xC3\xA3o.fma";
    Bytes name(stored.begin(), stored.end());
    name.resize(256, 0);
    EXPECT_EQ(slice(bytes, kTail + 945, 256), name);

    MatrixWindowSettings read;
    ASSERT_EQ(readMatrixWindowSettings(folder.path(), read), code::Ok);
    EXPECT_EQ(read, settings);
}

TEST(MatrixWindowSettingsFile, MissingAndForeignFilesAreIgnored) {
    TemporaryFolder folder;
    const MatrixWindowSettings defaults;
    MatrixWindowSettings read;
    EXPECT_EQ(readMatrixWindowSettings(folder.path(), read), code::Ok);
    EXPECT_EQ(read, defaults);

    Bytes foreign = encodeMatrixWindowSettings(changedMatrixSettings());
    test::putInt32(foreign, 0, 442);
    EXPECT_EQ(readFromFile(folder, foreign, read), code::Ok);
    EXPECT_EQ(read, defaults);

    EXPECT_EQ(readFromFile(folder, Bytes{0xB9, 0x01}, read), code::Ok);
    EXPECT_EQ(read, defaults);
}

TEST(MatrixWindowSettingsFile, DamagedFilesGiveCode21AndChangeNothing) {
    TemporaryFolder folder;
    const Bytes good = encodeMatrixWindowSettings(changedMatrixSettings());
    const MatrixWindowSettings defaults;
    MatrixWindowSettings read;

    for (const std::int32_t version : {0, -7}) {
        Bytes bytes = good;
        test::putInt32(bytes, 4, version);
        EXPECT_EQ(readFromFile(folder, bytes, read), code::IniDamaged);
    }
    for (std::size_t length = 4; length < good.size(); length += 7) {
        EXPECT_EQ(decodeMatrixWindowSettings(std::span(good).first(length), read), code::IniDamaged)
            << length;
    }
    EXPECT_EQ(read, defaults);

    // Anything larger than the largest valid file (a full palette) is
    // refused unread, however large; a foreign one is still ignored.
    MatrixWindowSettings withPalette = changedMatrixSettings();
    withPalette.window.palette.assign(25, {1, 2, 3});
    Bytes largest = encodeMatrixWindowSettings(withPalette);
    ASSERT_EQ(largest.size(), 858u + 75u + 1201u);
    EXPECT_EQ(readFromFile(folder, largest, read), code::Ok);
    EXPECT_EQ(read, withPalette);
    read = defaults;
    largest.push_back(0);
    EXPECT_EQ(readFromFile(folder, largest, read), code::IniDamaged);
    std::filesystem::resize_file(folder / "lorv.ini", std::uintmax_t{1} << 40);
    EXPECT_EQ(readMatrixWindowSettings(folder.path(), read), code::IniDamaged);
    EXPECT_EQ(read, defaults);
    test::putInt32(largest, 0, 442);
    EXPECT_EQ(readFromFile(folder, largest, read), code::Ok);
    EXPECT_EQ(read, defaults);

    Bytes versionThree = good;
    test::putInt32(versionThree, 4, 3);
    EXPECT_EQ(decodeMatrixWindowSettings(versionThree, read), code::Ok);
    EXPECT_EQ(read, changedMatrixSettings());
}

TEST(MatrixWindowSettingsFile, TheStoredCountSaysHowManyDrawingColoursAreTaken) {
    using Colours = std::array<std::int32_t, 10>;
    // Three taken and the defaults after them; all ten of more; none.
    const std::pair<std::int32_t, Colours> cases[] = {{3, {1, 2, 3, 3, 0, 10, 8, 13, 2, 14}},
                                                      {19, changedMatrixSettings().drawingColours},
                                                      {-1, MatrixWindowSettings{}.drawingColours}};
    for (const auto& [count, colours] : cases) {
        Bytes bytes = encodeMatrixWindowSettings(changedMatrixSettings());
        test::putInt32(bytes, kTail + 4, count);
        test::putInt32(bytes, kTail + 4 + 4 * 11, 77);  // word 12, beyond the ten colours
        MatrixWindowSettings read;
        ASSERT_EQ(decodeMatrixWindowSettings(bytes, read), code::Ok);
        EXPECT_EQ(read.drawingColours, colours) << count;
        EXPECT_EQ(read.delayMilliseconds, 250);
    }
}

TEST(MatrixWindowSettingsFile, LastDocumentNames) {
    MatrixWindowSettings settings;
    settings.lastDocumentName = std::string(255, 'n');
    MatrixWindowSettings read;
    ASSERT_EQ(decodeMatrixWindowSettings(encodeMatrixWindowSettings(settings), read), code::Ok);
    EXPECT_EQ(read.lastDocumentName, settings.lastDocumentName);

    // A name that does not fit is not cut into another name: none is stored.
    settings.lastDocumentName = std::string(256, 'n');
    ASSERT_EQ(decodeMatrixWindowSettings(encodeMatrixWindowSettings(settings), read), code::Ok);
    EXPECT_EQ(read.lastDocumentName, "");

    // A name in the old code page is read as such; a name filling all 256
    // bytes without a NUL is taken whole.
    Bytes bytes = encodeMatrixWindowSettings(MatrixWindowSettings{});
    const std::size_t name = bytes.size() - 256;
    bytes[name] = 'a';
    bytes[name + 1] = 0xE7;
    ASSERT_EQ(decodeMatrixWindowSettings(bytes, read), code::Ok);
    EXPECT_EQ(read.lastDocumentName, "aç");
    std::fill(bytes.begin() + static_cast<long>(name), bytes.end(), 'z');
    ASSERT_EQ(decodeMatrixWindowSettings(bytes, read), code::Ok);
    EXPECT_EQ(read.lastDocumentName, std::string(256, 'z'));
}

}  // namespace
}  // namespace lorvex
