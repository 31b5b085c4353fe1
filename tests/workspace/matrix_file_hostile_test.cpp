// Damaged and hostile matrix files: every one fails with code 11, allocates
// nothing beyond what its bytes can hold, and leaves the output alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>

#include "engine/result_codes.h"
#include "workspace/extended_real.h"
#include "workspace/file_test_support.h"
#include "workspace/matrix_file.h"
#include "workspace/matrix_file_samples.h"

namespace lorvex {
namespace {

using test::Bytes;

constexpr std::size_t kHeader = 858;
constexpr std::size_t kEntries = 858 + 80;

class HostileMatrixFile : public ::testing::Test {
  protected:
    // Decodes `bytes` into a record that must come out of a failure as it went in.
    void expectRefused(const Bytes& bytes, std::int32_t windowKind) {
        const MatrixFile untouched = test::untouchedFile();
        MatrixFile out = untouched;
        EXPECT_EQ(decodeMatrixFile(bytes, windowKind, out), code::CannotOpenFile);
        EXPECT_EQ(out, untouched);
    }

    static Bytes patched(Bytes bytes, std::size_t offset, std::int32_t value) {
        test::putInt32(bytes, offset, value);
        return bytes;
    }

    const Bytes real_ = encodeMatrixFile(test::realSample());
    const Bytes integer_ = encodeMatrixFile(test::integerSample());
};

TEST_F(HostileMatrixFile, TruncationAtEveryLengthFails) {
    for (const auto& [bytes, kind] :
         {std::pair{real_, matrix_kind::kReal},
          std::pair{encodeMatrixFile(test::complexSample()), matrix_kind::kComplex},
          std::pair{integer_, matrix_kind::kInteger}}) {
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            SCOPED_TRACE(length);
            expectRefused(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(length)), kind);
        }
    }
}

TEST_F(HostileMatrixFile, ImpossibleDimensions) {
    expectRefused(patched(real_, kHeader, 0), matrix_kind::kReal);
    expectRefused(patched(real_, kHeader + 4, -3), matrix_kind::kReal);
    expectRefused(patched(patched(real_, kHeader, 1001), kHeader + 4, 1000), matrix_kind::kReal);
    // 65536 x 65536 overflows 32 bits; 2^31 - 1 squared overflows nothing in 64.
    expectRefused(patched(patched(real_, kHeader, 65536), kHeader + 4, 65536), matrix_kind::kReal);
    expectRefused(patched(patched(real_, kHeader, 0x7FFFFFFF), kHeader + 4, 0x7FFFFFFF),
                  matrix_kind::kReal);
    // A million entries promised by a file of a thousand bytes.
    expectRefused(patched(patched(real_, kHeader, 1000), kHeader + 4, 1000), matrix_kind::kReal);
    expectRefused(patched(patched(integer_, kHeader, 1000), kHeader + 4, 1000),
                  matrix_kind::kInteger);
}

TEST_F(HostileMatrixFile, ImpossibleDisplaySettings) {
    expectRefused(patched(real_, kHeader + 20, 20), matrix_kind::kReal);  // decimals
    expectRefused(patched(real_, kHeader + 20, -1), matrix_kind::kReal);
    expectRefused(patched(real_, kHeader + 16, 0), matrix_kind::kReal);  // field width
    expectRefused(patched(real_, kHeader + 16, 32768), matrix_kind::kReal);
    expectRefused(patched(real_, kHeader + 16, -2147483647 - 1), matrix_kind::kReal);

    MatrixFile read;
    EXPECT_EQ(decodeMatrixFile(patched(patched(real_, kHeader + 20, 19), kHeader + 16, 32767),
                               matrix_kind::kReal, read),
              code::Ok);
}

TEST_F(HostileMatrixFile, DamagedWindowBlocks) {
    expectRefused(patched(real_, 32, 26), matrix_kind::kReal);          // palette too large
    expectRefused(patched(real_, 60, 0x7FFFFFFF), matrix_kind::kReal);  // font count
    expectRefused(patched(real_, 60, -1), matrix_kind::kReal);
    expectRefused(patched(real_, 64, 0x7FFFFFFF), matrix_kind::kReal);  // role count
    expectRefused(patched(real_, 64, -2), matrix_kind::kReal);
}

TEST_F(HostileMatrixFile, DamagedIntegerRecords) {
    // First record: top at kEntries, sign at +4, first digit at +5.
    expectRefused(patched(integer_, kEntries, 0x7FFFFFFF), matrix_kind::kInteger);
    expectRefused(patched(integer_, kEntries, 0x7FFFFFFE), matrix_kind::kInteger);
    expectRefused(patched(integer_, kEntries, -1), matrix_kind::kInteger);
    expectRefused(patched(integer_, kEntries, -2147483647 - 1), matrix_kind::kInteger);
    expectRefused(patched(integer_, kEntries, 1), matrix_kind::kInteger);  // a digit too many

    Bytes bigDigit = integer_;
    test::putInt16(bigDigit, kEntries + 5, 10000);
    expectRefused(bigDigit, matrix_kind::kInteger);

    // The denominator record follows at kEntries + 7.
    Bytes zeroDenominator = integer_;
    test::putInt16(zeroDenominator, kEntries + 7 + 5, 0);
    expectRefused(zeroDenominator, matrix_kind::kInteger);
    expectRefused(patched(integer_, kEntries + 7, 0x7FFFFFFF), matrix_kind::kInteger);

    // A sign byte other than 0 or 1 still means negative; a zero stays zero.
    Bytes sign = integer_;
    sign[kEntries + 4] = 2;
    MatrixFile read;
    ASSERT_EQ(decodeMatrixFile(sign, matrix_kind::kInteger, read), code::Ok);
    EXPECT_EQ(std::get<IntegerMatrix>(read.entries).at(0, 0), BigInt(-5));
}

TEST_F(HostileMatrixFile, DamagedNotes) {
    // The notes length stands at 998 in the real sample.
    Bytes negative = real_;
    test::putInt16(negative, 998, -1);
    expectRefused(negative, matrix_kind::kReal);
    Bytes tooLong = real_;
    test::putInt16(tooLong, 998, 5);
    expectRefused(tooLong, matrix_kind::kReal);
    Bytes huge = real_;
    test::putInt16(huge, 998, 32767);
    expectRefused(huge, matrix_kind::kReal);

    // A length of 0, a text without its closing zero and bytes after the end
    // are all readable.
    MatrixFile read;
    Bytes empty(real_.begin(), real_.begin() + 998);
    empty.insert(empty.end(), {0, 0, 'x', 'y'});
    ASSERT_EQ(decodeMatrixFile(empty, matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read.notes, "");
    Bytes unterminated(real_.begin(), real_.begin() + 998);
    unterminated.insert(unterminated.end(), {2, 0, 'o', 'k'});
    ASSERT_EQ(decodeMatrixFile(unterminated, matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read.notes, "ok");
}

TEST_F(HostileMatrixFile, HostileFilesOnDiskLeaveTheDocumentAlone) {
    test::TemporaryFolder folder;
    const auto path = folder / "hostil.ima";
    test::putFile(path, patched(integer_, kEntries, 0x7FFFFFFF));
    const MatrixFile untouched = test::untouchedFile();
    MatrixFile out = untouched;
    EXPECT_EQ(readMatrixFile(path, matrix_kind::kInteger, out), code::CannotOpenFile);
    EXPECT_EQ(out, untouched);
}

TEST_F(HostileMatrixFile, InfiniteOrNaNEntriesAreRefused) {
    const long double kInf = std::numeric_limits<long double>::infinity();
    const long double kNaN = std::numeric_limits<long double>::quiet_NaN();
    const Bytes complex = encodeMatrixFile(test::complexSample());
    // Entry (0, 0) of the real sample; the imaginary part of the complex
    // sample's second entry.
    for (const auto& [bytes, offset, kind] :
         {std::tuple{real_, kEntries, matrix_kind::kReal},
          std::tuple{complex, kEntries + 30, matrix_kind::kComplex}}) {
        for (const long double value : {kNaN, -kNaN, kInf, -kInf}) {
            Bytes damaged = bytes;
            const ExtendedRealBytes stored = encodeExtendedReal(value);
            std::copy(stored.begin(), stored.end(), damaged.begin() + static_cast<long>(offset));
            expectRefused(damaged, kind);
        }
    }
}

TEST_F(HostileMatrixFile, ANegativeDenominatorIsMadePositive) {
    MatrixFile file = test::integerSample();
    file.cols = 2;
    IntegerMatrix matrix(1, 2);
    matrix.at(0, 0) = BigInt(2);
    matrix.at(0, 1) = BigInt(-3);
    matrix.denominator = BigInt(-7);
    file.entries = matrix;

    MatrixFile read;
    ASSERT_EQ(decodeMatrixFile(encodeMatrixFile(file), matrix_kind::kInteger, read), code::Ok);
    const auto& entries = std::get<IntegerMatrix>(read.entries);
    EXPECT_EQ(entries.at(0, 0), BigInt(-2));
    EXPECT_EQ(entries.at(0, 1), BigInt(3));
    EXPECT_EQ(entries.denominator, BigInt(7));
}

TEST_F(HostileMatrixFile, OnlyTheBytesTheCountsCallForAreRead) {
    Bytes padded = real_;
    padded.resize(real_.size() + 5000, 0xAB);
    std::istringstream stream(std::string(padded.begin(), padded.end()));
    BinaryReader reader(stream, padded.size());
    MatrixFile read;
    ASSERT_EQ(decodeMatrixFile(reader, matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read, test::realSample());
    EXPECT_EQ(stream.tellg(), static_cast<std::streamoff>(real_.size()));

    // A terabyte of nothing after a good file: sparse, so it costs no disk,
    // and far more than could ever be held in memory.
    test::TemporaryFolder folder;
    const auto path = folder / "esparso.fma";
    test::putFile(path, real_);
    std::filesystem::resize_file(path, std::uintmax_t{1} << 40);
    MatrixFile fromDisk;
    ASSERT_EQ(readMatrixFile(path, matrix_kind::kReal, fromDisk), code::Ok);
    EXPECT_EQ(fromDisk, test::realSample());
}

}  // namespace
}  // namespace lorvex
