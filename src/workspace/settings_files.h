#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "engine/random_generator.h"
#include "workspace/window_settings.h"

namespace lorvex {

// The two settings files live in the user's configuration folder, which the
// caller passes in. Neither is a text profile: both are raw little-endian
// records. A missing file, or one that belongs to something else, is not an
// error: the caller's defaults stay.

inline constexpr const char* kFrameSettingsFileName = "lv.ini";
inline constexpr const char* kMatrixWindowSettingsFileName = "lorv.ini";
inline constexpr std::size_t kFrameSettingsSize = 19;
inline constexpr std::size_t kMatrixWindowTailSize = 1201;
// No valid "lorv.ini" is larger: the largest window block and the tail.
inline constexpr std::size_t kLargestMatrixWindowSettingsSize =
    kLargestWindowBlockSize + kMatrixWindowTailSize;
inline constexpr std::size_t kDrawingColourCount = 10;
inline constexpr std::size_t kLastDocumentNameSize = 256;

// "lv.ini": the main frame's rectangle, whether it was maximised, and the two
// start-up flags, which exclude each other.
struct FrameSettings {
    WindowRect rect;
    bool zoomed = false;
    bool openLastDoc = false;  // `OpenLastDoc`: a new matrix window opens the last document
    bool useDefaults = false;  // `UseDefaults`: new matrix windows do not read "lorv.ini"

    friend bool operator==(const FrameSettings&, const FrameSettings&) = default;
};

// The rectangle the frame starts with: the remembered one when it fits on the
// screen (fitsOnScreen), otherwise 120 x 72 pixels at a random place within
// 0 ... 29 pixels of the top left corner.
WindowRect frameStartRect(const FrameSettings& settings, std::int32_t screenWidth,
                          std::int32_t screenHeight, RandomGenerator& random);

// "lorv.ini": the window block of the last matrix window closed, then the
// delay, the toolkit's ten drawing-colour palette indices and the name of the
// matrix file that window last read or saved.
struct MatrixWindowSettings {
    WindowSettings window = matrixWindowDefaults();
    std::int32_t delayMilliseconds = 0;
    std::array<std::int32_t, kDrawingColourCount> drawingColours = {24, 6, 7,  3, 0,
                                                                    10, 8, 13, 2, 14};
    // UTF-8; empty when there is none. A name of 256 bytes or more cannot be
    // stored and is written as none.
    std::string lastDocumentName;

    friend bool operator==(const MatrixWindowSettings&, const MatrixWindowSettings&) = default;
};

std::vector<std::uint8_t> encodeFrameSettings(const FrameSettings& settings);
// Decodes the 19 bytes of "lv.ini" into `out` and returns true; fewer bytes
// return false and leave `out` as it was. Bytes after the record are ignored.
bool decodeFrameSettings(std::span<const std::uint8_t> bytes, FrameSettings& out);

std::vector<std::uint8_t> encodeMatrixWindowSettings(const MatrixWindowSettings& settings);
// Decodes "lorv.ini" into `out`. Returns code::Ok when it was read, and also,
// leaving `out` as it was, when the bytes do not begin with the matrix
// window's kind (441). Returns code::IniDamaged, leaving `out` as it was,
// when the version is below 1 or the record is damaged (it ends early or a
// count is impossible). Of the drawing colours, as many as the stored count
// says (at most ten) replace those in `out`.
[[nodiscard]] int decodeMatrixWindowSettings(std::span<const std::uint8_t> bytes,
                                             MatrixWindowSettings& out);

// Reads "lv.ini" from `folder`; true when it was read, false (with `out` as it
// was) when it is missing or too short.
bool readFrameSettings(const std::filesystem::path& folder, FrameSettings& out);
// Writes "lv.ini" into `folder`, creating the folder when it is missing:
// code::Ok, or code::IniNotSaved when it could not be written (the old file
// then stays as it was).
[[nodiscard]] int writeFrameSettings(const std::filesystem::path& folder,
                                     const FrameSettings& settings);

// Reads "lorv.ini" from `folder`: code::Ok (also when it is missing or
// foreign, `out` then unchanged) or code::IniDamaged (`out` unchanged), also
// for a file of ours larger than any valid one, of which no more than that
// size is read.
[[nodiscard]] int readMatrixWindowSettings(const std::filesystem::path& folder,
                                           MatrixWindowSettings& out);
// Writes "lorv.ini" into `folder` afresh (creating the folder when it is
// missing): code::Ok or code::IniNotSaved.
[[nodiscard]] int writeMatrixWindowSettings(const std::filesystem::path& folder,
                                            const MatrixWindowSettings& settings);

}  // namespace lorvex
