#include "workspace/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace lorvex {
namespace {

TEST(Windows1252, AccentedLettersAndTypographicCharactersAreOneByteEach) {
    EXPECT_EQ(utf8ToWindows1252("Ângulo é à ü ß ÿ"), "\xC2ngulo \xE9 \xE0 \xFC \xDF \xFF");
    EXPECT_EQ(windows1252ToUtf8("\xA0\xAB\xBB"), "\u00A0«»");
    // The special range holds typographic characters.
    EXPECT_EQ(utf8ToWindows1252("€ – — ‘’ “” … ™ Œ œ Š Ÿ ƒ"),
              "\x80 \x96 \x97 \x91\x92 \x93\x94 \x85 \x99 \x8C \x9C \x8A \x9F \x83");
    EXPECT_EQ(windows1252ToUtf8("\x80\x96\x99"), "€–™");
    // The five bytes the code page leaves undefined become the control
    // characters of the same number, and come back.
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(utf8ToWindows1252("\u0081\u008D\u008F\u0090\u009D"), "\x81\x8D\x8F\x90\x9D");
    // The other C1 controls have no byte.
    EXPECT_EQ(utf8ToWindows1252("\u0080\u0096"), "??");
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const std::string text = windows1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_EQ(utf8ToWindows1252(text), all);
}

TEST(Windows1252, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("日本"), "??");
    EXPECT_EQ(utf8ToWindows1252("a😀b"), "a?b");
    // A combining accent is a character of its own.
    EXPECT_EQ(utf8ToWindows1252("e\u0301"), "e?");
    // Malformed UTF-8: each byte that starts no valid character is one "?".
    EXPECT_EQ(utf8ToWindows1252("x\xC3"), "x?");
    EXPECT_EQ(utf8ToWindows1252("\xE2\x82y"), "??y");
    EXPECT_EQ(utf8ToWindows1252("\xC0\x80"), "??");
}

TEST(Windows1252, Utf8Validity) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("ação € 😀"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xF0\x9F\x98"));      // cut short
    EXPECT_FALSE(isValidUtf8("\x80"));              // lone continuation
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));   // U+10FFFF
}

TEST(Windows1252, Utf8LengthAndPrefixCountCharacters) {
    EXPECT_EQ(utf8Length(""), 0U);
    EXPECT_EQ(utf8Length("ação €"), 6U);
    EXPECT_EQ(utf8Length("😀x"), 2U);
    EXPECT_EQ(utf8Prefix("ação", 2), "aç");
    EXPECT_EQ(utf8Prefix("ação", 4), "ação");
    EXPECT_EQ(utf8Prefix("ação", 9), "ação");
    EXPECT_EQ(utf8Prefix("€😀", 1), "€");
    EXPECT_EQ(utf8Prefix("abc", 0), "");
}

TEST(Windows1252, TextFileBytesAreUtf8OrElseWindows1252) {
    EXPECT_EQ(decodeTextFileBytes("linha\r\nação", 100), "linha\r\nação");
    // The limit counts characters, not bytes.
    EXPECT_EQ(decodeTextFileBytes("ação", 2), "aç");
    EXPECT_EQ(decodeTextFileBytes("\xE7\xE3o!", 2), "çã");
    // Only the characters kept are judged.
    EXPECT_EQ(decodeTextFileBytes("ab\xFF", 2), "ab");
    EXPECT_EQ(decodeTextFileBytes("", 10), "");
}

}  // namespace
}  // namespace lorvex
