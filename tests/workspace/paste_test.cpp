#include "workspace/paste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "engine/result_codes.h"

namespace lorvex {
namespace {

RealMatrix realBlock(std::int32_t rows, std::int32_t cols,
                     std::initializer_list<long double> values) {
    RealMatrix matrix(rows, cols);
    std::size_t i = 0;
    for (const long double value : values)
        matrix.cells[i++] = value;
    return matrix;
}

RealMatrix scanned(std::string_view text) {
    RealMatrix block(1, 1);
    EXPECT_EQ(scanPastedText(text, block), code::Ok) << text;
    return block;
}

// The command-line scripts pin the five-line table with its blank line and
// its words.
TEST(Paste, LettersAndSignsSeparateFieldsWorthTheirLongestLeadingNumber) {
    const std::pair<std::string, RealMatrix> cases[] = {
        {"1e5", realBlock(1, 2, {1, 5})},
        {"+7", realBlock(1, 1, {7})},
        {"12/4\t8;9", realBlock(1, 4, {12, 4, 8, 9})},
        // Carriage returns alone do not end a line.
        {"1\r2\n3", realBlock(2, 2, {1, 2, 3, 0})},
        {"x=0.1", realBlock(1, 1, {0.1L})},
        {"1.5.2 3-4 - . -.5 5. --5 007", realBlock(1, 8, {1.5L, 3, 0, 0, -0.5L, 5, 0, 7})},
        // Too small for a long double is 0, not an error.
        {"0." + std::string(6000, '0') + "1 7", realBlock(1, 2, {0, 7})},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(scanned(text), expected) << text.substr(0, 40);
}

TEST(Paste, FieldValuesOutsideTheRangeOfALongDouble) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::pair<std::string, long double> cases[] = {
        {"123456789012345678901234567890", 123456789012345678901234567890.0L},
        {"-0.000000000000000000001", -1e-21L},
        {"-0", -0.0L},
        {"12abc", 12.0L},
        {"inf", 0.0L},
        {"-nan", 0.0L},
        // Beyond the range: infinity or zero, with the sign.
        {"1" + std::string(5000, '0'), inf},
        {"-1" + std::string(5000, '0') + ".5", -inf},
        {"0." + std::string(5000, '0') + "1", 0.0L},
        {"-000." + std::string(5000, '0') + "1-", 0.0L},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(pastedFieldValue(text), value) << text.substr(0, 40);
    EXPECT_TRUE(std::signbit(pastedFieldValue("-0")));
}

// Short numbers take a quick path, long ones the library's; both must give
// the nearest long double, as the C library's conversion does.
TEST(Paste, FieldValuesAgreeWithTheCLibrary) {
    std::mt19937 engine(11);
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(engine() % 32);
        std::string number = engine() % 2 == 0 ? "-" : "";
        const int point = static_cast<int>(engine() % static_cast<unsigned>(digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) number += '.';
            number += static_cast<char>('0' + engine() % 10);
        }
        ASSERT_EQ(pastedFieldValue(number), std::strtold(number.c_str(), nullptr)) << number;
    }
}

// The whole text is read: a table past 31 999 characters keeps every row,
// and its last number whole.
TEST(Paste, LongTextsAreReadToTheEnd) {
    std::string text;
    for (int row = 0; row < 3000; ++row)
        text += "123.45 678.9\n";
    text += "98765.4321";
    ASSERT_GT(text.size(), 32000u);
    const RealMatrix block = scanned(text);
    ASSERT_EQ(std::pair(block.rows, block.cols), std::pair(3001, 2));
    EXPECT_EQ(block.at(2999, 1), 678.9L);
    EXPECT_EQ(block.at(3000, 0), 98765.4321L);
}

std::string repeated(const std::string& unit, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += unit;
    return text;
}

// A table of 1000 x 1001, one line of 1 000 001 fields, and as many lines;
// numbers too large for a long double.
TEST(Paste, RefusedTextsLeaveTheBlockAsItWas) {
    const RealMatrix before = realBlock(1, 1, {3});
    const std::pair<std::string, int> cases[] = {
        {"", code::NothingToDo},
        {"abc", code::NothingToDo},
        {"\r\n\r\n", code::NothingToDo},
        {"+ e / x y z", code::NothingToDo},
        {"\n\n\n", code::NothingToDo},
        {repeated(repeated("1 ", 1001) + "\n", 1000), code::OutOfRange},
        {repeated("0 ", 1000001), code::OutOfRange},
        {repeated("0\n", 1000001), code::OutOfRange},
        {"1 2\n" + std::string(100000, '9') + " 4", code::OutOfRange},
        {"-1" + std::string(5000, '0') + ".5", code::OutOfRange},
    };
    for (const auto& [text, rc] : cases) {
        RealMatrix block = before;
        EXPECT_EQ(scanPastedText(text, block), rc) << text.substr(0, 40);
        EXPECT_EQ(block, before);
    }
    const RealMatrix million = scanned(repeated("0 ", 1000000));
    EXPECT_EQ(million.rows, 1);
    EXPECT_EQ(million.cols, 1000000);
}

}  // namespace
}  // namespace lorvex
