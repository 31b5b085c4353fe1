#include "workspace/matrix_file.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/extended_real.h"
#include "workspace/file_test_support.h"
#include "workspace/matrix_file_samples.h"

namespace lorvex {
namespace {

using test::Bytes;
using test::slice;
using test::TemporaryFolder;

constexpr std::size_t kHeader = 858;
constexpr std::size_t kEntries = 858 + 80;

Bytes extendedReal(long double value) {
    const ExtendedRealBytes stored = encodeExtendedReal(value);
    return Bytes(stored.begin(), stored.end());
}

void expectReadBack(const Bytes& bytes, std::int32_t kind, const MatrixFile& expected) {
    MatrixFile read = test::untouchedFile();
    ASSERT_EQ(decodeMatrixFile(bytes, kind, read), code::Ok);
    EXPECT_EQ(read, expected);
}

TEST(MatrixFile, TwoByThreeRealMatrixWithThreeCharactersOfNotesTakes1004Bytes) {
    const MatrixFile file = test::realSample();
    const Bytes bytes = encodeMatrixFile(file);
    ASSERT_EQ(bytes.size(), 1004u);

    // The matrix header follows the window block: rows 2, columns 3, kind 0,
    // field width 9, decimals 3, scientific 1, notes 1.
    EXPECT_EQ(slice(bytes, kHeader, 80),
              test::words32({2, 3, 0, 0, 9, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    // Entries row by row, ten bytes each: 1, -2.5, 0.5, 3, 10^18, -0.125.
    const long double entries[] = {1, -2.5L, 0.5L, 3, 1e18L, -0.125L};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(slice(bytes, kEntries + 10 * i, 10), extendedReal(entries[i])) << i;
    // Notes: length 4 (three characters and the closing zero), the text, 0.
    EXPECT_EQ(slice(bytes, 998, 6), (Bytes{0x04, 0x00, 'a', 'b', 'c', 0x00}));
    expectReadBack(bytes, matrix_kind::kReal, file);
}

TEST(MatrixFile, ComplexEntriesArePairsRealPartFirst) {
    const MatrixFile file = test::complexSample();
    const Bytes bytes = encodeMatrixFile(file);
    ASSERT_EQ(bytes.size(), kEntries + 40 + 4);
    const long double parts[] = {1.5L, -2, 0, 0.5L};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(slice(bytes, kEntries + 10 * i, 10), extendedReal(parts[i])) << i;
    expectReadBack(bytes, matrix_kind::kComplex, file);
}

TEST(MatrixFile, IntegerMatricesAreNumeratorRecordsAndThenTheDenominator) {
    // Numerators -123456789, 0, 10000 and 7 over 3: each record holds its top
    // digit index, its sign and its digits in base 10000, least significant
    // first (6789 = 0x1A85, 2345 = 0x0929).
    MatrixFile file = test::integerSample();
    IntegerMatrix matrix(2, 2);
    matrix.at(0, 0) = BigInt(-123456789);
    matrix.at(1, 0) = BigInt(10000);
    matrix.at(1, 1) = BigInt(7);
    matrix.denominator = BigInt(3);
    file.rows = 2;
    file.cols = 2;
    file.entries = matrix;
    file.notesPresent = false;
    Bytes bytes = encodeMatrixFile(file);
    EXPECT_EQ(slice(bytes, kHeader, 12), (Bytes{2, 0, 0, 0, 2, 0, 0, 0, 5, 0, 0, 0}));
    const Bytes records = {2, 0, 0, 0, 1, 0x85, 0x1A, 0x29, 0x09, 0x01, 0x00,  //
                           0, 0, 0, 0, 0, 0,    0,                             //
                           1, 0, 0, 0, 0, 0,    0,    1,    0,                 //
                           0, 0, 0, 0, 0, 7,    0,                             //
                           0, 0, 0, 0, 0, 3,    0};
    EXPECT_EQ(bytes.size(), kEntries + records.size());
    EXPECT_EQ(slice(bytes, kEntries, records.size()), records);
    EXPECT_EQ(bytes[kHeader + 4 * 13], 0);
    expectReadBack(bytes, matrix_kind::kInteger, file);

    // Numerators of 200 digits, and a denominator of 30, come back whole.
    matrix.at(0, 1) = test::big("-" + std::string(200, '9'));
    matrix.at(1, 0) = test::big("1" + std::string(199, '0') + "1");
    matrix.denominator = test::big("12345678901234567890123456789");
    file.entries = matrix;
    expectReadBack(encodeMatrixFile(file), matrix_kind::kInteger, file);
}

TEST(MatrixFile, NotesAreWindows1252AndCutAt32766Characters) {
    MatrixFile file = test::realSample();
    file.notes = "ação → fim €";
    Bytes bytes = encodeMatrixFile(file);
    const Bytes notes = {13, 0, 'a', 0xE7, 0xE3, 'o', ' ', '?', ' ', 'f', 'i', 'm', ' ', 0x80, 0};
    EXPECT_EQ(slice(bytes, 998, notes.size()), notes);
    MatrixFile read;
    ASSERT_EQ(decodeMatrixFile(bytes, matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read.notes, "ação ? fim €");

    file.notes = std::string(40000, 'x');
    bytes = encodeMatrixFile(file);
    EXPECT_EQ(bytes.size(), 998u + 2 + 32767);
    EXPECT_EQ(slice(bytes, 998, 2), (Bytes{0xFF, 0x7F}));
    ASSERT_EQ(decodeMatrixFile(bytes, matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read.notes, std::string(32766, 'x'));

    // The text ends at a zero byte, in memory as in the file.
    file.notes = std::string("ab\0cd", 5);
    ASSERT_EQ(decodeMatrixFile(encodeMatrixFile(file), matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read.notes, "ab");

    file.notesPresent = false;
    bytes = encodeMatrixFile(file);
    EXPECT_EQ(bytes.size(), 998u);
    ASSERT_EQ(decodeMatrixFile(bytes, matrix_kind::kReal, read), code::Ok);
    EXPECT_FALSE(read.notesPresent);
    EXPECT_EQ(read.notes, "");
}

TEST(MatrixFile, ExtensionsChooseTheKind) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"x.Fma", matrix_kind::kReal},
        {"/tmp/a.b/x.fma", matrix_kind::kReal},
        {"dados.CMA", matrix_kind::kComplex},
        {"C:\\m\\mat26.ima", matrix_kind::kInteger},
        {".ima", matrix_kind::kInteger}};
    for (const auto& [path, kind] : cases)
        EXPECT_EQ(matrixKindForPath(path), kind) << path;
    for (const char* path : {"x.fmat", "x.txt", "x.fm", "fma", "x.", "a.fma/b", ""})
        EXPECT_EQ(matrixKindForPath(path), -1) << path;
}

// Saving and reopening through files is the documents' and the scripts' to pin.
TEST(MatrixFile, FailuresOnDisk) {
    TemporaryFolder folder;
    const MatrixFile untouched = test::untouchedFile();
    MatrixFile read = untouched;
    EXPECT_EQ(readMatrixFile(folder.path(), matrix_kind::kReal, read), code::CannotOpenFile);
    EXPECT_EQ(read, untouched);
    EXPECT_EQ(writeMatrixFile(folder / "no/such/folder.fma", test::realSample()),
              code::CannotSaveFile);
}

TEST(MatrixFile, InconsistentRecordsAreNotWritten) {
    TemporaryFolder folder;
    const auto path = folder / "m.fma";
    const auto with = [](MatrixFile file, std::int32_t MatrixFile::*field, std::int32_t value) {
        file.*field = value;
        return file;
    };
    const MatrixFile real = test::realSample();
    for (const MatrixFile& file :
         {with(real, &MatrixFile::kind, matrix_kind::kInteger), with(real, &MatrixFile::kind, 4),
          with(real, &MatrixFile::rows, 3), with(real, &MatrixFile::cols, 0),
          with(test::integerSample(), &MatrixFile::kind, matrix_kind::kReal)})
        EXPECT_EQ(writeMatrixFile(path, file), code::CannotSaveFile);
    EXPECT_TRUE(folder.entries().empty());
}

}  // namespace
}  // namespace lorvex
