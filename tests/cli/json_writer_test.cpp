#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include "cli/significant_digits.h"

namespace lorvex::cli {
namespace {

// The scripts' JSON output pins backslashes, line ends, empty and accented texts.
TEST(JsonWriterTest, StringsEscapeQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(jsonString("a\"b\\c\t"), R"("a\"b\\c\t")");
    EXPECT_EQ(jsonString(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
}

// 0.1 is held as 0.1000000000000000000013552527...: 21 digits show the
// difference from 0.1 that tells the value apart, 18 do not.
TEST(SignificantDigitsTest, ExactAndReadableDigits) {
    EXPECT_EQ(significantDigits(0.1L, kExactDigits), "0.100000000000000000001");
    EXPECT_EQ(significantDigits(0.1L, kReadableDigits), "0.1");
    EXPECT_EQ(significantDigits(-0.0L, kExactDigits), "0");
    EXPECT_EQ(significantDigits(-2.5L, kExactDigits), "-2.5");
    EXPECT_EQ(significantDigits(1e25L, kExactDigits), "1e+25");
    EXPECT_EQ(complexSignificantDigits({3, -4}, kReadableDigits), "3 - 4i");
    EXPECT_EQ(complexSignificantDigits({0, -0.0L}, kReadableDigits), "0 + 0i");
}

}  // namespace
}  // namespace lorvex::cli
