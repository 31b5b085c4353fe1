#include "workspace/matrix_export.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

// The command-line scripts pin every delimiter and alignment, and a
// fraction's denominator; here a whole integer matrix and the long minus.
TEST(TexExport, IntegerDenominatorAndLongMinus) {
    const MatrixDocument whole(3, ElementKind::Integer, integerMatrix({{1, -2}}));
    EXPECT_EQ(texMatrix(whole, TexDelimiter::Parentheses, TexAlignment::Centred),
              "\\left(\\matrix{\r\n1&-2\\cr\r\n}\\right)\r\n");
    MatrixDocument fraction(3, ElementKind::Integer, integerMatrix({{1, -2}}, 12));
    ASSERT_EQ(fraction.setLongMinus(150), code::Ok);
    EXPECT_EQ(texMatrix(fraction, TexDelimiter::Parentheses, TexAlignment::Centred),
              "{1\\over 12}\\,\\left(\\matrix{\r\n1&\u2013"
              "2\\cr\r\n}\\right)\r\n");
}

// [[1/2, 3], [-2/3, 4]] over 6, shown in fractions: each entry reduced, the
// sign before \frac, no {1\over 6}; the table as wide as "-2/3".
TEST(TexExport, FractionsShownAreExportedReduced) {
    MatrixDocument document(1, ElementKind::Integer, integerMatrix({{3, 18}, {-4, 24}}, 6));
    document.setShowsFractions(true);
    EXPECT_EQ(texMatrix(document, TexDelimiter::Brackets, TexAlignment::Centred),
              "\\left[\\matrix{\r\n\\frac{1}{2}&3\\cr\r\n-\\frac{2}{3}&4\\cr\r\n}\\right]\r\n");
    std::string text;
    ASSERT_EQ(plainTextTable(document, text), code::Ok);
    EXPECT_EQ(text,
              " 1/2     3  \r\n"
              "-2/3     4  \r\n");
}

TEST(PlainTextExport, EntriesRightAlignedInTheFieldAndTheSizeLimit) {
    MatrixDocument document(1, ElementKind::Real, realMatrix({{1, -2.5L}, {30, 4}}));
    ASSERT_EQ(document.setFormat(2, 8, false), code::Ok);
    std::string text;
    ASSERT_EQ(plainTextTable(document, text), code::Ok);
    EXPECT_EQ(text,
              "    1.00     -2.50  \r\n"
              "   30.00      4.00  \r\n");

    MatrixDocument minus(1, ElementKind::Real, realMatrix({{-1}}));
    ASSERT_EQ(minus.setLongMinus(150), code::Ok);
    ASSERT_EQ(plainTextTable(minus, text), code::Ok);
    EXPECT_EQ(text,
              " \u2013"
              "1.00000  \r\n");

    // (8 + 2) * (100 + 1) * 100 characters would pass 64000.
    const MatrixDocument large(1, ElementKind::Real, ComplexMatrix(100, 100));
    std::string untouched = "kept";
    EXPECT_EQ(plainTextTable(large, untouched), code::NoMoreRoom);
    EXPECT_EQ(untouched, "kept");
}

}  // namespace
}  // namespace lorvex
