#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lorvex {

// Text inside the program is UTF-8; notes inside matrix files are stored in
// the Windows-1252 code page, one byte per character, as existing files hold
// them. These conversions are done at the file boundary.

// The UTF-8 text of Windows-1252 bytes. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, so that every byte survives a round trip.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of UTF-8 text. Every character the code page cannot
// hold, and every byte of a malformed UTF-8 sequence, becomes "?".
std::string utf8ToWindows1252(std::string_view text);

// True when `bytes` are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The number of characters of UTF-8 text: its bytes other than continuation
// bytes.
std::size_t utf8Length(std::string_view text);

// The first `count` characters of UTF-8 text (all of it when it is shorter),
// never cutting a character in two.
std::string utf8Prefix(std::string_view text, std::size_t count);

// The text of a text file: its bytes as they are when they are valid UTF-8,
// otherwise read as Windows-1252; at most `maxCharacters` characters are
// kept. Validity is judged on the characters kept.
std::string decodeTextFileBytes(std::string_view bytes, std::size_t maxCharacters);

}  // namespace lorvex
