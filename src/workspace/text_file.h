#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lorvex {

// A text window holds at most this many characters.
inline constexpr std::size_t kTextWindowLimit = 64000;

// Reads the text of a text file into `out` (UTF-8): its bytes up to the first
// NUL byte or the end of the file, at most 64 000 characters, taken as UTF-8
// when they are valid UTF-8 and as Windows-1252 otherwise; line ends are kept
// as they are. Returns code::Ok, or code::CannotOpenFile with `out` as it was.
[[nodiscard]] int readTextFile(const std::filesystem::path& path, std::string& out);

// Writes every byte of `text` followed by one NUL byte: code::Ok, or
// code::CannotSaveFile. The previous file is replaced only by a complete new
// one; a failed write leaves it as it was.
[[nodiscard]] int writeTextFile(const std::filesystem::path& path, std::string_view text);

}  // namespace lorvex
