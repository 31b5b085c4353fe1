#include "workspace/windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace lorvex {
namespace {

// Code points of the bytes 0x80 ... 0x9F; the rest of the code page is
// Latin-1, byte = code point.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80];
    return byte;
}

std::optional<unsigned char> byteOfCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string& text, char32_t codePoint) {
    const auto unit = [&](std::uint32_t bits) { text.push_back(static_cast<char>(bits)); };
    const auto value = static_cast<std::uint32_t>(codePoint);
    if (value < 0x80) {
        unit(value);
    } else if (value < 0x800) {
        unit(0xC0 | (value >> 6));
        unit(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        unit(0xE0 | (value >> 12));
        unit(0x80 | ((value >> 6) & 0x3F));
        unit(0x80 | (value & 0x3F));
    } else {
        unit(0xF0 | (value >> 18));
        unit(0x80 | ((value >> 12) & 0x3F));
        unit(0x80 | ((value >> 6) & 0x3F));
        unit(0x80 | (value & 0x3F));
    }
}

struct SequenceShape {
    std::size_t continuationBytes;
    char32_t leadBits;
    char32_t smallest;  // below it the sequence is an overlong form
};

std::optional<SequenceShape> shapeOfSequence(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return SequenceShape{1, lead & 0x1Fu, 0x80};
    if (lead >= 0xE0 && lead <= 0xEF) return SequenceShape{2, lead & 0x0Fu, 0x800};
    if (lead >= 0xF0 && lead <= 0xF4) return SequenceShape{3, lead & 0x07u, 0x10000};
    return std::nullopt;
}

// Decodes the character that starts at `position` and moves past it; a
// malformed sequence gives nothing and moves past its first byte only.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& position) {
    const auto lead = static_cast<unsigned char>(text[position++]);
    if (lead < 0x80) return lead;
    const auto shape = shapeOfSequence(lead);
    if (!shape || text.size() - position < shape->continuationBytes) return std::nullopt;

    char32_t codePoint = shape->leadBits;
    for (std::size_t i = 0; i < shape->continuationBytes; ++i) {
        const auto continuation = static_cast<unsigned char>(text[position + i]);
        if ((continuation & 0xC0u) != 0x80u) return std::nullopt;
        codePoint = (codePoint << 6) | (continuation & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < shape->smallest || surrogate || codePoint > 0x10FFFF) return std::nullopt;
    position += shape->continuationBytes;
    return codePoint;
}

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(text, codePointOfByte(static_cast<unsigned char>(byte)));
    return text;
}

std::string utf8ToWindows1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t position = 0; position < text.size();) {
        const auto codePoint = nextCodePoint(text, position);
        const auto byte = codePoint ? byteOfCodePoint(*codePoint) : std::nullopt;
        bytes.push_back(static_cast<char>(byte.value_or('?')));
    }
    return bytes;
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t position = 0; position < bytes.size();) {
        if (!nextCodePoint(bytes, position)) return false;
    }
    return true;
}

std::size_t utf8Length(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

std::string utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsCharacter(text[i]) && characters++ == count)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

std::string decodeTextFileBytes(std::string_view bytes, std::size_t maxCharacters) {
    std::size_t position = 0;
    std::size_t characters = 0;
    while (position < bytes.size() && characters < maxCharacters) {
        if (!nextCodePoint(bytes, position)) {
            return windows1252ToUtf8(bytes.substr(0, maxCharacters));
        }
        ++characters;
    }
    return std::string(bytes.substr(0, position));
}

}  // namespace lorvex
