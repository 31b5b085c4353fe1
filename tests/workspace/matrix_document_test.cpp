#include "workspace/matrix_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

MatrixDocument realDocument(std::initializer_list<std::initializer_list<long double>> rows) {
    return MatrixDocument(1, ElementKind::Real, realMatrix(rows));
}

MatrixDocument complexDocument(Complex value) {
    ComplexMatrix m(1, 1);
    m.at(0, 0) = value;
    return MatrixDocument(2, ElementKind::Complex, m);
}

TEST(EntryText, FieldWidthOfRoundedSignedAndUnwritableEntries) {
    // 9.999996 is written "10.00000"; -0.000001 rounds to zero and is written
    // "0.00000", without a sign, as is a negative zero.
    EXPECT_EQ(realDocument({{1, 9.999996L}}).FieldWidth(), 9);
    EXPECT_EQ(realDocument({{1, -0.0L}}).FieldWidth(), 8);
    EXPECT_EQ(realDocument({{0.5L, -0.000001L}}).FieldWidth(), 8);
    EXPECT_EQ(realDocument({{-0.000001L}}).entryText(0, 0), "0.00000");
    EXPECT_EQ(complexDocument(Complex{-0.000001L, -0.000001L}).entryText(0, 0),
              "0.00000 + 0.00000i");
    EXPECT_EQ(realDocument({{-9.5L, 99.5L, -99.4L}}).FieldWidth(), 10);
    // "    nan" and "   -inf" (padded to seven) have no point: all of them counts.
    EXPECT_EQ(realDocument({{1, std::numeric_limits<long double>::quiet_NaN()}}).FieldWidth(), 14);
    EXPECT_EQ(realDocument({{1, -std::numeric_limits<long double>::infinity()}}).FieldWidth(), 14);
    // "-123.40000 + 5.00000i": four characters before the first point.
    EXPECT_EQ(complexDocument(Complex{-123.4L, 5.0L}).FieldWidth(), 25);
    // "    inf + 5.00000i": the first point is the imaginary part's, at 11.
    EXPECT_EQ(
        complexDocument(Complex{std::numeric_limits<long double>::infinity(), 5.0L}).FieldWidth(),
        39);

    // A replaced matrix widens the display for its integer parts only.
    MatrixDocument replaced = realDocument({{1}});
    replaced.replaceContents(realMatrix({{5, -123456.5L, 99999.9999999L}}));
    EXPECT_EQ(replaced.displayWidth(), 8) << "-123456 and 100000 fit";
    replaced.replaceContents(realMatrix({{99999999.999999L, -1}}));
    EXPECT_EQ(replaced.displayWidth(), 9) << "100000000.00000";
    replaced.replaceContents(realMatrix({{-999999999.5L, 1}}));
    EXPECT_EQ(replaced.displayWidth(), 10) << "-999999999.50000";
    EXPECT_EQ(replaced.FieldWidth(), 8);
}

TEST(EntryText, FormatsAndDecimalsCutAtTheFieldWidth) {
    MatrixDocument document = realDocument({{1}});
    ASSERT_EQ(document.setFormat(4, 3, false), code::Ok);
    EXPECT_EQ(document.FieldWidth(), 6);
    EXPECT_NEAR(static_cast<double>(document.ZeroTol()), 1e-6, 1e-21);
    ASSERT_EQ(document.setFormat(4, 10, true), code::Ok);
    EXPECT_EQ(document.FieldWidth(), 13);
    EXPECT_TRUE(document.SciNotation());
    ASSERT_EQ(document.setFormat(3, 8, false), code::Ok);
    document.setComplexCell(0, 0, Complex{12345.678L, 0.0L});
    EXPECT_EQ(document.entryText(0, 0), "12345.67");

    // A field computed for one-digit entries keeps 100 readable, cutting only
    // a decimal of 100.00000.
    MatrixDocument small = realDocument({{1, 2}});
    ASSERT_EQ(small.FieldWidth(), 8);
    small.setComplexCell(0, 1, Complex{100.0L, 0.0L});
    EXPECT_EQ(small.entryText(0, 1), "100.0000");

    ASSERT_EQ(small.setFormat(0, 2, false), code::Ok);
    small.setComplexCell(0, 1, Complex{2.6L, 0.0L});
    EXPECT_EQ(small.entryText(0, 1), " 3");
}

// Typing measures the typed entry only, yet shows the width that measuring
// every entry gives, also when the widest entry is typed over.
TEST(EntryText, TypedEntriesWidenAsAFullScanWould) {
    const struct {
        MatrixDocument document;
        std::vector<std::tuple<std::int32_t, std::int32_t, std::string, std::int32_t>> typed;
    } cases[] = {
        {realDocument({{1, 2}}),
         {{0, 0, "123456789", 9}, {0, 1, "-1234567890", 11}, {0, 1, "3", 9}, {0, 0, "0", 8}}},
        // Row 1, column 0 is the denominator.
        {MatrixDocument(3, ElementKind::Integer, integerMatrix({{1, 2}}, 1)),
         {{0, 0, "-12345678901", 12},
          {1, 0, "123456789012345", 15},
          {1, 0, "7", 12},
          {0, 0, "5", 8}}},
    };
    for (auto c : cases) {
        EXPECT_EQ(c.document.displayWidth(), 8);
        for (const auto& [row, col, text, width] : c.typed) {
            ASSERT_EQ(c.document.setCellFromText(row, col, text), code::Ok);
            MatrixDocument rescanned = c.document;
            ASSERT_EQ(rescanned.setFormat(c.document.Decimals(), c.document.FieldWidth(),
                                          c.document.SciNotation()),
                      code::Ok);
            EXPECT_EQ(c.document.displayWidth(), width) << text;
            EXPECT_EQ(rescanned.displayWidth(), width) << text;
        }
    }
}

// Digits before the point are never cut: a field chosen too narrow, or the
// 8 characters of an exact matrix, never pass for a whole number: the
// display widens (exact matrices up to 40 characters) and the file keeps the
// width chosen.
TEST(EntryText, TheDisplayWidensTheFieldForWholeNumbers) {
    MatrixDocument chosen = realDocument({{123456789, 12345678901}});
    ASSERT_EQ(chosen.setFormat(2, 8, false), code::Ok);
    EXPECT_EQ(chosen.FieldWidth(), 8);
    EXPECT_EQ(chosen.entryText(0, 0), "123456789.0");
    EXPECT_EQ(chosen.entryText(0, 1), "12345678901");
    MatrixDocument typed = realDocument({{1, 2}});
    typed.setComplexCell(0, 0, Complex{123456789.0L, 0.0L});
    EXPECT_EQ(typed.displayWidth(), 9);
    EXPECT_EQ(typed.entryText(0, 0), "123456789");
    typed.replaceContents(realMatrix({{-98765432.25L}}));
    EXPECT_EQ(typed.entryText(0, 0), "-98765432");
    ComplexMatrix wide(1, 1);
    wide.at(0, 0) = Complex{1.0L, -123456789012.0L};
    MatrixDocument complex = complexDocument(Complex{1.0L, 1.0L});
    complex.replaceContents(wide);
    EXPECT_EQ(complex.entryText(0, 0), "1.00000 - 123456789012");

    // The inverse of a random 6 x 6 has numerators and a denominator of ten digits.
    MatrixDocument exact(18, ElementKind::Integer, integerMatrix({{-4123456789, 17}}, 2941234567));
    EXPECT_EQ(exact.entryText(0, 0), "-4123456789");
    EXPECT_EQ(exact.entryText(1, 0), "2941234567");
    EXPECT_EQ(exact.FieldWidth(), 8);
    IntegerMatrix huge(1, 1);
    huge.numerators[0] = test::big("1" + std::string(44, '0'));
    exact.replaceContents(huge);
    EXPECT_EQ(exact.entryText(0, 0), "1" + std::string(33, '0') + "...");
    ASSERT_EQ(exact.setFormat(5, 50, false), code::Ok);
    EXPECT_EQ(exact.FieldWidth(), 50);
    EXPECT_EQ(exact.entryText(0, 0), "1" + std::string(44, '0'));
}

// A typed number reads in full, scientific notation and a decimal comma
// included; any other text is refused and the cell keeps its value.
TEST(CellInput, TypedTextReadsInFullOrIsRefused) {
    const struct {
        const char* text;
        int code;
        long double value;
    } cases[] = {
        {"1e5", code::Ok, 100000},          {"2.5E-3", code::Ok, 0.0025L},
        {"1e+5", code::Ok, 100000},         {"-1,5", code::Ok, -1.5L},
        {"abc", code::NotUnderstood, 7},    {"2x", code::NotUnderstood, 7},
        {"sin(1)", code::NotUnderstood, 7}, {"1.2.3", code::NotUnderstood, 7},
        {"1e5.5", code::NotUnderstood, 7},  {"1,5,3", code::NotUnderstood, 7},
        {"2'", code::NotUnderstood, 7},
    };
    for (const auto& c : cases) {
        MatrixDocument document = realDocument({{7}});
        EXPECT_EQ(document.setCellFromText(0, 0, c.text), c.code) << c.text;
        EXPECT_EQ(document.RCells()[0], c.value) << c.text;
    }
    MatrixDocument complex = complexDocument(Complex{});
    ASSERT_EQ(complex.setCellFromText(0, 0, "1E2-2,5i"), code::Ok);
    EXPECT_EQ(complex.Cells()[0], (Complex{100, -2.5L}));
}

// The exports pin the long minus in the entries.
TEST(EntryText, LongMinusReplacesEveryMinus) {
    MatrixDocument document = realDocument({{-3}});
    EXPECT_EQ(document.setLongMinus(31), code::OutOfRange);
    EXPECT_EQ(document.setLongMinus(256), code::OutOfRange);
    EXPECT_FALSE(document.LongMinus());
    ASSERT_EQ(document.setLongMinus(150), code::Ok);
    document.clearLongMinus();
    EXPECT_EQ(document.entryText(0, 0), "-3.00000");
}

TEST(ContinuousEditing, OrderFollowsAutoAdvance) {
    MatrixDocument document(1, ElementKind::Real, ComplexMatrix(2, 3));
    using Cell = MatrixDocument::Cell;
    const auto walk = [&document] {
        std::vector<Cell> cells{{0, 0}};
        while (auto next = document.nextEditCell(cells.back()))
            cells.push_back(*next);
        return cells;
    };
    EXPECT_EQ(walk(), (std::vector<Cell>{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}}));
    document.setAutoAdvance(false);
    EXPECT_EQ(walk(), (std::vector<Cell>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}}));
}

TEST(CellInput, RealAndComplexCellsReadACalculation) {
    MatrixDocument complex = complexDocument(ZERO);
    ASSERT_EQ(complex.setCellFromText(0, 0, "(1+i)*(1-i)/4"), code::Ok);
    EXPECT_EQ(complex.Cells()[0], (Complex{0.5L, 0.0L}));

    MatrixDocument real = realDocument({{7}});
    ASSERT_EQ(real.setCellFromText(0, 0, "2+3i"), code::Ok);
    EXPECT_EQ(real.RCells()[0], 2.0L) << "a real matrix keeps the real part";
    EXPECT_EQ(real.setCellFromText(0, 0, "1/0"), code::CannotCalculate);
    EXPECT_EQ(real.setCellFromText(1, 0, "5"), code::OutOfRange);
    EXPECT_EQ(real.setCellFromText(0, -1, "5"), code::OutOfRange);
    // Numbers beyond the range of a long double are out of range, not infinite.
    EXPECT_EQ(real.setCellFromText(0, 0, "1" + std::string(4999, '0')), code::OutOfRange);
    EXPECT_EQ(real.setCellFromText(0, 0, "-1" + std::string(4990, '0') + ".5"), code::OutOfRange);
    EXPECT_EQ(complex.setCellFromText(0, 0, "i*9" + std::string(4990, '9')), code::OutOfRange);
    EXPECT_EQ(complex.Cells()[0], (Complex{0.5L, 0.0L}));
    EXPECT_EQ(real.RCells()[0], 2.0L);
    ASSERT_TRUE(real.undo());
    EXPECT_EQ(real.RCells()[0], 7.0L);

    // An integer cell reads a big integer (the big-integer tests pin the text).
    MatrixDocument integer(2, ElementKind::Integer, integerMatrix({{1, 2}}, 3));
    EXPECT_EQ(integer.setCellFromText(0, 0, "12a"), code::InconsistentData);
    EXPECT_EQ(integer.setCellFromText(1, 1, "5"), code::OutOfRange) << "beside the denominator";
    EXPECT_EQ(integer.setCellFromText(2, 0, "5"), code::OutOfRange);
    ASSERT_EQ(integer.setCellFromText(1, 0, "6"), code::Ok);
    EXPECT_EQ(integer.matrixData(), MatrixData(integerMatrix({{1, 2}}, 6)));
}

TEST(CellInput, ARealDocumentHoldsOnlyRealParts) {
    ComplexMatrix given(1, 2);
    given.at(0, 0) = Complex{2.0L, 3.0L};
    MatrixDocument real(1, ElementKind::Real, given);
    EXPECT_EQ(real.RCells()[0], 2.0L);
    given.at(0, 1) = Complex{-1.0L, 5.0L};
    real.replaceContents(given);
    EXPECT_EQ(real.RCells()[1], -1.0L);
    EXPECT_EQ(MatrixDocument(2, ElementKind::Complex, given).Cells()[1], (Complex{-1.0L, 5.0L}));
}

TEST(IntegerCellInput, NegativeDenominatorNegatesTheNumeratorsAndUndoesExactly) {
    MatrixDocument document(3, ElementKind::Integer, integerMatrix({{1, -2}, {0, 5}}, 4));
    ASSERT_EQ(document.setIntegerCellFromText(2, 0, "-3"), code::Ok);
    EXPECT_EQ(document.matrixData(), MatrixData(integerMatrix({{-1, 2}, {0, -5}}, 3)));
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.matrixData(), MatrixData(integerMatrix({{1, -2}, {0, 5}}, 4)));
    EXPECT_FALSE(document.canUndo());
}

// [[1/2, 3]] shown in fractions: -2/3 typed joins over lcm(2, 3) = 6; the
// column widens to "-2/3"; 3/0 and "x" are refused; undo gives [[1, 6]] / 2.
TEST(IntegerCellInput, TypedFractionsJoinOverTheLeastCommonMultiple) {
    MatrixDocument document(3, ElementKind::Integer, integerMatrix({{1, 6}}, 2));
    document.setShowsFractions(true);
    EXPECT_EQ(document.displayWidth(), 3);
    ASSERT_EQ(document.setCellFromText(0, 1, "-2/3"), code::Ok);
    EXPECT_EQ(document.matrixData(), MatrixData(integerMatrix({{3, -4}}, 6)));
    EXPECT_EQ(document.entryText(0, 1), "-2/3");
    EXPECT_EQ(document.displayWidth(), 4);
    ASSERT_EQ(document.setCellFromText(0, 1, "4/2"), code::Ok);
    EXPECT_EQ(document.matrixData(), MatrixData(integerMatrix({{1, 4}}, 2)));
    EXPECT_EQ(document.setCellFromText(0, 1, "3/0"), code::Singular);
    EXPECT_EQ(document.setCellFromText(0, 1, "x"), code::InconsistentData);
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.matrixData(), MatrixData(integerMatrix({{1, 6}}, 2)));
    EXPECT_FALSE(document.canUndo());
}

using Entries = std::vector<std::vector<int>>;
using Edit = std::function<int(MatrixDocument&)>;

// The entries as a matrix of the kind; an integer one over `denominator`.
MatrixData entriesAs(ElementKind kind, const Entries& rows, int denominator = 5) {
    const auto rowCount = static_cast<std::int32_t>(rows.size());
    const auto colCount = static_cast<std::int32_t>(rows.front().size());
    IntegerMatrix integer(rowCount, colCount);
    RealMatrix real(rowCount, colCount);
    for (std::int32_t i = 0; i < rowCount; ++i) {
        for (std::int32_t j = 0; j < colCount; ++j) {
            integer.at(i, j) = BigInt(rows[i][j]);
            real.at(i, j) = static_cast<long double>(rows[i][j]);
        }
    }
    integer.denominator = BigInt(denominator);
    if (kind == ElementKind::Integer) return integer;
    if (kind == ElementKind::Complex) return complexMatrixOf(real);
    return real;
}

constexpr ElementKind kEveryKind[] = {ElementKind::Real, ElementKind::Complex,
                                      ElementKind::Integer};

const Entries kStart{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};

TEST(StructuralEdits, EachEditAndItsUndoOnEveryRepresentation) {
    struct Case {
        const char* what;
        Edit edit;
        Entries after;
        int denominatorAfter = 5;
    };
    const Case cases[] = {
        {"rows 3 ... 1 removed", [](auto& d) { return d.removeRows(3, 1); }, {{10, 11, 12}}},
        {"columns 3 ... 2 removed",
         [](auto& d) { return d.removeColumns(3, 2); },
         {{1}, {4}, {7}, {10}}},
        {"a row on top",
         [](auto& d) { return d.insertRow(1); },
         {{0, 0, 0}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}},
        {"a row at the bottom",
         [](auto& d) { return d.insertRow(5); },
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {0, 0, 0}}},
        {"a column in the middle",
         [](auto& d) { return d.insertColumn(2); },
         {{1, 0, 2, 3}, {4, 0, 5, 6}, {7, 0, 8, 9}, {10, 0, 11, 12}}},
        {"a column at the end",
         [](auto& d) { return d.insertColumn(4); },
         {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}, {10, 11, 12, 0}}},
        {"rows swapped",
         [](auto& d) { return d.swapRows(4, 1); },
         {{10, 11, 12}, {4, 5, 6}, {7, 8, 9}, {1, 2, 3}}},
        {"columns swapped",
         [](auto& d) { return d.swapColumns(1, 3); },
         {{3, 2, 1}, {6, 5, 4}, {9, 8, 7}, {12, 11, 10}}},
        {"a cell typed",
         [](auto& d) { return d.setCellFromText(1, 2, "-7"); },
         {{1, 2, 3}, {4, 5, -7}, {7, 8, 9}, {10, 11, 12}}},
        // The same dimensions still replace every entry by a zero.
        {"dimensions",
         [](auto& d) { return d.setDimensions(4, 3); },
         {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
         1},
    };
    for (const ElementKind kind : kEveryKind) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            MatrixDocument document(1, kind, entriesAs(kind, kStart));
            ASSERT_EQ(c.edit(document), code::Ok);
            EXPECT_EQ(document.matrixData(), entriesAs(kind, c.after, c.denominatorAfter));
            EXPECT_TRUE(document.modified());
            ASSERT_TRUE(document.undo());
            EXPECT_EQ(document.matrixData(), entriesAs(kind, kStart));
            EXPECT_FALSE(document.canUndo());
        }
    }
}

TEST(StructuralEdits, RefusedEditsChangeNothing) {
    const std::pair<Edit, int> refused[] = {
        {[](auto& d) { return d.removeRows(1, 4); }, code::NeedAtLeastOne},
        {[](auto& d) { return d.removeRows(0, 2); }, code::OutOfRange},
        {[](auto& d) { return d.removeRows(2, 5); }, code::OutOfRange},
        {[](auto& d) { return d.removeColumns(3, 1); }, code::NeedAtLeastOne},
        {[](auto& d) { return d.removeColumns(1, 4); }, code::OutOfRange},
        {[](auto& d) { return d.insertRow(0); }, code::OutOfRange},
        {[](auto& d) { return d.insertRow(6); }, code::OutOfRange},
        {[](auto& d) { return d.insertColumn(5); }, code::OutOfRange},
        {[](auto& d) { return d.swapRows(2, 2); }, code::OutOfRange},
        {[](auto& d) { return d.swapColumns(1, 4); }, code::OutOfRange},
        {[](auto& d) { return d.setDimensions(1001, 1000); }, code::OutOfRange},
        {[](auto& d) { return d.setDimensions(0, 5); }, code::OutOfRange},
    };
    for (const ElementKind kind : kEveryKind) {
        for (const auto& [edit, rc] : refused) {
            MatrixDocument document(1, kind, entriesAs(kind, kStart));
            EXPECT_EQ(edit(document), rc);
            EXPECT_EQ(document.matrixData(), entriesAs(kind, kStart));
            EXPECT_FALSE(document.modified());
            EXPECT_FALSE(document.canUndo());
        }
    }
}

TEST(StructuralEdits, UndoWalksBackThroughEveryKindInReverseOrder) {
    for (const ElementKind kind : kEveryKind) {
        MatrixDocument document(3, kind, entriesAs(kind, {{1, 2}, {3, 4}}));
        std::vector<MatrixData> states{document.matrixData()};
        const auto record = [&](int rc) {
            ASSERT_EQ(rc, code::Ok);
            states.push_back(document.matrixData());
        };
        record(document.setCellFromText(0, 0, "9"));
        record(document.insertRow(2));
        record(document.insertColumn(1));
        record(document.swapRows(1, 3));
        record(document.swapColumns(1, 3));
        record(document.removeRows(2, 2));
        record(document.removeColumns(1, 2));
        if (kind == ElementKind::Integer) record(document.setCellFromText(2, 0, "-6"));
        record(document.setDimensions(3, 1));
        document.replaceContents(entriesAs(kind, {{42}}, 1));
        while (!states.empty()) {
            ASSERT_TRUE(document.undo());
            EXPECT_EQ(document.matrixData(), states.back()) << states.size();
            states.pop_back();
        }
        EXPECT_FALSE(document.undo());
    }
}

}  // namespace
}  // namespace lorvex
