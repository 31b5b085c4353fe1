// Damaged and hostile matrix files: every one fails with code 11, allocates
// nothing beyond what its bytes can hold, and leaves the output alone.

#include <gtest/gtest.h>

#include "engine/result_codes.h"
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

}  // namespace
}  // namespace lorvex
