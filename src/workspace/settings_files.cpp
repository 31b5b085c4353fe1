#include "workspace/settings_files.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <system_error>

#include "engine/result_codes.h"
#include "workspace/file_bytes.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

constexpr std::size_t kTailWords = 21;
constexpr std::size_t kTailReservedWordBlocks = 2;
constexpr std::size_t kTailRealBlocks = 3;
constexpr std::size_t kTailFlagBlocks = 3;
// Word 0 of the tail is the delay, word 1 the count of drawing colours that
// follow from word 2 on.
constexpr std::size_t kFirstColourWord = 2;
constexpr std::int32_t kFrameStartSpread = 30;
constexpr std::int32_t kFrameStartWidth = 120;
constexpr std::int32_t kFrameStartHeight = 72;

void writeTail(BinaryWriter& writer, const MatrixWindowSettings& settings) {
    writer.int32(settings.delayMilliseconds);
    writer.int32(static_cast<std::int32_t>(kDrawingColourCount));
    for (const std::int32_t colour : settings.drawingColours)
        writer.int32(colour);
    writer.zeros(4 * (kTailWords - kFirstColourWord - kDrawingColourCount));
    writer.zeros(4 * kTailWords * kTailReservedWordBlocks);
    writer.zeros(kExtendedRealSize * kTailWords * kTailRealBlocks);
    writer.zeros(kTailWords * kTailFlagBlocks);

    std::string name = settings.lastDocumentName;
    if (name.size() >= kLastDocumentNameSize || name.find('\0') != std::string::npos) name.clear();
    name.resize(kLastDocumentNameSize, '\0');
    writer.bytes(std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
}

void readTail(BinaryReader& reader, MatrixWindowSettings& settings) {
    settings.delayMilliseconds = reader.int32();
    const std::int32_t storedCount = reader.int32();
    const auto colourCount =
        std::min(static_cast<std::size_t>(std::max(storedCount, 0)), kDrawingColourCount);
    for (std::size_t i = kFirstColourWord; i < kTailWords; ++i) {
        const std::int32_t word = reader.int32();
        const std::size_t colour = i - kFirstColourWord;
        if (colour < colourCount) settings.drawingColours[colour] = word;
    }
    reader.skip(4 * kTailWords * kTailReservedWordBlocks);
    reader.skip(kExtendedRealSize * kTailWords * kTailRealBlocks);
    reader.skip(kTailWords * kTailFlagBlocks);

    const auto nameField = reader.bytes(kLastDocumentNameSize);
    const std::string_view name(reinterpret_cast<const char*>(nameField.data()), nameField.size());
    settings.lastDocumentName =
        decodeTextFileBytes(name.substr(0, name.find('\0')), kLastDocumentNameSize);
}

// The configuration folder may not exist yet on a first run; settings are
// written into it all the same.
bool writeSettingsFile(const std::filesystem::path& folder, const char* name,
                       std::span<const std::uint8_t> bytes) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return replaceFileContents(folder / name, bytes);
}

}  // namespace

WindowRect frameStartRect(const FrameSettings& settings, std::int32_t screenWidth,
                          std::int32_t screenHeight, RandomGenerator& random) {
    if (fitsOnScreen(settings.rect, screenWidth, screenHeight)) return settings.rect;
    const auto x = static_cast<std::int32_t>(random.next() % kFrameStartSpread);
    const auto y = static_cast<std::int32_t>(random.next() % kFrameStartSpread);
    return {x, y, kFrameStartWidth, kFrameStartHeight};
}

std::vector<std::uint8_t> encodeFrameSettings(const FrameSettings& settings) {
    BinaryWriter writer;
    writer.int32(settings.rect.x);
    writer.int32(settings.rect.y);
    writer.int32(settings.rect.width);
    writer.int32(settings.rect.height);
    writer.uint8(settings.zoomed ? 1 : 0);
    writer.uint8(settings.openLastDoc ? 1 : 0);
    writer.uint8(settings.useDefaults ? 1 : 0);
    return writer.take();
}

bool decodeFrameSettings(std::span<const std::uint8_t> bytes, FrameSettings& out) {
    if (bytes.size() < kFrameSettingsSize) return false;
    BinaryReader reader(bytes);
    FrameSettings settings;
    settings.rect.x = reader.int32();
    settings.rect.y = reader.int32();
    settings.rect.width = reader.int32();
    settings.rect.height = reader.int32();
    settings.zoomed = reader.uint8() != 0;
    settings.openLastDoc = reader.uint8() != 0;
    settings.useDefaults = reader.uint8() != 0;
    out = settings;
    return true;
}

std::vector<std::uint8_t> encodeMatrixWindowSettings(const MatrixWindowSettings& settings) {
    BinaryWriter writer;
    writeWindowBlock(writer, settings.window);
    writeTail(writer, settings);
    return writer.take();
}

int decodeMatrixWindowSettings(std::span<const std::uint8_t> bytes, MatrixWindowSettings& out) {
    // Too short to hold a kind word: nothing says the file is ours.
    if (bytes.size() < 4) return code::Ok;
    try {
        BinaryReader reader(bytes);
        std::optional<WindowBlock> block = readWindowBlock(reader);
        if (!block) return code::Ok;
        if (block->version < 1) return code::IniDamaged;
        MatrixWindowSettings settings = out;
        settings.window = std::move(block->settings);
        readTail(reader, settings);
        out = std::move(settings);
        return code::Ok;
    } catch (const DamagedData&) {
        return code::IniDamaged;
    } catch (const std::bad_alloc&) {
        return code::IniDamaged;
    }
}

bool readFrameSettings(const std::filesystem::path& folder, FrameSettings& out) {
    std::vector<std::uint8_t> bytes;
    return readFileBytes(folder / kFrameSettingsFileName, bytes, kFrameSettingsSize) &&
           decodeFrameSettings(bytes, out);
}

int writeFrameSettings(const std::filesystem::path& folder, const FrameSettings& settings) {
    return writeSettingsFile(folder, kFrameSettingsFileName, encodeFrameSettings(settings))
               ? code::Ok
               : code::IniNotSaved;
}

int readMatrixWindowSettings(const std::filesystem::path& folder, MatrixWindowSettings& out) {
    // One byte beyond the largest valid size tells an oversized file, without
    // reading any more of it.
    std::vector<std::uint8_t> bytes;
    try {
        if (!readFileBytes(folder / kMatrixWindowSettingsFileName, bytes,
                           kLargestMatrixWindowSettingsSize + 1)) {
            return code::Ok;
        }
    } catch (const std::bad_alloc&) {
        return code::IniDamaged;
    }
    if (bytes.size() > kLargestMatrixWindowSettingsSize) {
        // A foreign file is ignored whatever its size.
        const bool ours = BinaryReader(bytes).int32() == kMatrixWindowKind;
        return ours ? code::IniDamaged : code::Ok;
    }
    return decodeMatrixWindowSettings(bytes, out);
}

int writeMatrixWindowSettings(const std::filesystem::path& folder,
                              const MatrixWindowSettings& settings) {
    return writeSettingsFile(folder, kMatrixWindowSettingsFileName,
                             encodeMatrixWindowSettings(settings))
               ? code::Ok
               : code::IniNotSaved;
}

}  // namespace lorvex
