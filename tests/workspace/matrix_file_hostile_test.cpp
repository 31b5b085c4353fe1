// Damaged and hostile matrix files: every one fails with code 11, allocates
// nothing beyond what its bytes can hold, and leaves the output alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

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
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Decodes `bytes` into a record that must come out of a failure as it went in.
void expectRefused(const Bytes& bytes, std::int32_t windowKind) {
    const MatrixFile untouched = test::untouchedFile();
    MatrixFile out = untouched;
    EXPECT_EQ(decodeMatrixFile(bytes, windowKind, out), code::CannotOpenFile);
    EXPECT_EQ(out, untouched);
}

// A little-endian word of `width` bytes written over a sample's bytes.
struct Patch {
    std::size_t offset;
    std::int32_t value;
    int width = 4;
};

Bytes patched(Bytes bytes, const std::vector<Patch>& patches) {
    for (const Patch& patch : patches) {
        if (patch.width == 4)
            test::putInt32(bytes, patch.offset, patch.value);
        else
            test::putInt16(bytes, patch.offset, static_cast<std::int16_t>(patch.value));
    }
    return bytes;
}

// The samples' bytes, made on first use rather than before main.
const Bytes& realBytes() {
    static const Bytes bytes = encodeMatrixFile(test::realSample());
    return bytes;
}
const Bytes& complexBytes() {
    static const Bytes bytes = encodeMatrixFile(test::complexSample());
    return bytes;
}
const Bytes& integerBytes() {
    static const Bytes bytes = encodeMatrixFile(test::integerSample());
    return bytes;
}

TEST(HostileMatrixFile, TruncationAtEveryLengthFails) {
    for (const auto& [bytes, kind] : {std::pair{realBytes(), matrix_kind::kReal},
                                      std::pair{complexBytes(), matrix_kind::kComplex},
                                      std::pair{integerBytes(), matrix_kind::kInteger}}) {
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            SCOPED_TRACE(length);
            expectRefused(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(length)), kind);
        }
    }
}

TEST(HostileMatrixFile, DamagedFieldsAndForeignKinds) {
    constexpr std::int32_t kReal = matrix_kind::kReal;
    constexpr std::int32_t kComplex = matrix_kind::kComplex;
    constexpr std::int32_t kInteger = matrix_kind::kInteger;
    const struct {
        const char* what;
        const Bytes& sample;
        std::int32_t windowKind;
        std::vector<Patch> patches = {};
    } cases[] = {
        {"version 3", realBytes(), kReal, {{4, 3}}},
        {"version 0", realBytes(), kReal, {{4, 0}}},
        {"another window's block", realBytes(), kReal, {{0, 440}}},
        {"matrix kind 4", realBytes(), kReal, {{kHeader + 8, 4}}},
        {"integer file, real window", integerBytes(), kReal},
        {"integer file, complex window", integerBytes(), kComplex},
        {"real file, integer window", realBytes(), kInteger},
        {"complex file, integer window", complexBytes(), kInteger},
        {"window kind 1", realBytes(), 1},
        {"palette above 25", realBytes(), kReal, {{32, 26}}},
        {"huge font count", realBytes(), kReal, {{60, kMax}}},
        {"no rows", realBytes(), kReal, {{kHeader, 0}}},
        {"negative columns", realBytes(), kReal, {{kHeader + 4, -3}}},
        {"1001 x 1000", realBytes(), kReal, {{kHeader, 1001}, {kHeader + 4, 1000}}},
        // 65536 x 65536 overflows 32 bits; 2^31 - 1 squared overflows nothing in 64.
        {"65536 x 65536", realBytes(), kReal, {{kHeader, 65536}, {kHeader + 4, 65536}}},
        {"largest x largest", realBytes(), kReal, {{kHeader, kMax}, {kHeader + 4, kMax}}},
        // A million entries promised by a file of a thousand bytes.
        {"a million reals", realBytes(), kReal, {{kHeader, 1000}, {kHeader + 4, 1000}}},
        {"a million integers", integerBytes(), kInteger, {{kHeader, 1000}, {kHeader + 4, 1000}}},
        {"20 decimals", realBytes(), kReal, {{kHeader + 20, 20}}},
        {"-1 decimals", realBytes(), kReal, {{kHeader + 20, -1}}},
        {"field width 0", realBytes(), kReal, {{kHeader + 16, 0}}},
        {"field width 32768", realBytes(), kReal, {{kHeader + 16, 32768}}},
        {"smallest field width", realBytes(), kReal, {{kHeader + 16, kMin}}},
        // The first integer record: top at kEntries, sign at +4, first digit
        // at +5; the denominator's record follows at kEntries + 7.
        {"largest top", integerBytes(), kInteger, {{kEntries, kMax}}},
        {"top just below", integerBytes(), kInteger, {{kEntries, kMax - 1}}},
        {"top -1", integerBytes(), kInteger, {{kEntries, -1}}},
        {"smallest top", integerBytes(), kInteger, {{kEntries, kMin}}},
        {"a digit too many", integerBytes(), kInteger, {{kEntries, 1}}},
        {"digit 10000", integerBytes(), kInteger, {{kEntries + 5, 10000, 2}}},
        {"zero denominator", integerBytes(), kInteger, {{kEntries + 12, 0, 2}}},
        {"huge denominator", integerBytes(), kInteger, {{kEntries + 7, kMax}}},
        // The notes length stands at 998 in the real sample.
        {"notes length -1", realBytes(), kReal, {{998, -1, 2}}},
        {"notes past the end", realBytes(), kReal, {{998, 5, 2}}},
        {"notes length 32767", realBytes(), kReal, {{998, 32767, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expectRefused(patched(c.sample, c.patches), c.windowKind);
    }
}

TEST(HostileMatrixFile, OddButReadableFields) {
    MatrixFile read;
    EXPECT_EQ(decodeMatrixFile(patched(realBytes(), {{4, 1}}), matrix_kind::kReal, read), code::Ok)
        << "version 1";
    EXPECT_EQ(read.entries, test::realSample().entries);
    EXPECT_EQ(decodeMatrixFile(patched(realBytes(), {{kHeader + 20, 19}, {kHeader + 16, 32767}}),
                               matrix_kind::kReal, read),
              code::Ok);
    // Real and complex files serve both of those windows.
    ASSERT_EQ(decodeMatrixFile(realBytes(), matrix_kind::kComplex, read), code::Ok);
    EXPECT_EQ(read.kind, matrix_kind::kReal);
    ASSERT_EQ(decodeMatrixFile(complexBytes(), matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read, test::complexSample());

    // A sign byte other than 0 or 1 still means negative.
    Bytes sign = integerBytes();
    sign[kEntries + 4] = 2;
    ASSERT_EQ(decodeMatrixFile(sign, matrix_kind::kInteger, read), code::Ok);
    EXPECT_EQ(std::get<IntegerMatrix>(read.entries).at(0, 0), BigInt(-5));

    // A notes length of 0, a text without its closing zero and bytes after
    // the end are all readable.
    for (const auto& [tail, notes] :
         {std::pair{Bytes{0, 0, 'x', 'y'}, ""}, std::pair{Bytes{2, 0, 'o', 'k'}, "ok"}}) {
        Bytes bytes(realBytes().begin(), realBytes().begin() + 998);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        ASSERT_EQ(decodeMatrixFile(bytes, matrix_kind::kReal, read), code::Ok);
        EXPECT_EQ(read.notes, notes);
    }
}

TEST(HostileMatrixFile, InfiniteOrNaNEntriesAreRefused) {
    const long double kInf = std::numeric_limits<long double>::infinity();
    const long double kNaN = std::numeric_limits<long double>::quiet_NaN();
    // Entry (0, 0) of the real sample; the imaginary part of the complex
    // sample's second entry.
    for (const auto& [bytes, offset, kind] :
         {std::tuple{realBytes(), kEntries, matrix_kind::kReal},
          std::tuple{complexBytes(), kEntries + 30, matrix_kind::kComplex}}) {
        for (const long double value : {kNaN, -kNaN, kInf, -kInf}) {
            Bytes damaged = bytes;
            const ExtendedRealBytes stored = encodeExtendedReal(value);
            std::copy(stored.begin(), stored.end(), damaged.begin() + static_cast<long>(offset));
            expectRefused(damaged, kind);
        }
    }
}

TEST(HostileMatrixFile, ANegativeDenominatorIsMadePositive) {
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

TEST(HostileMatrixFile, OnlyTheBytesTheCountsCallForAreRead) {
    Bytes padded = realBytes();
    padded.resize(realBytes().size() + 5000, 0xAB);
    std::istringstream stream(std::string(padded.begin(), padded.end()));
    BinaryReader reader(stream, padded.size());
    MatrixFile read;
    ASSERT_EQ(decodeMatrixFile(reader, matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read, test::realSample());
    EXPECT_EQ(stream.tellg(), static_cast<std::streamoff>(realBytes().size()));

    // A terabyte of nothing after a good file: sparse, so it costs no disk,
    // and far more than could ever be held in memory.
    test::TemporaryFolder folder;
    const auto path = folder / "esparso.fma";
    test::putFile(path, realBytes());
    std::filesystem::resize_file(path, std::uintmax_t{1} << 40);
    MatrixFile fromDisk;
    ASSERT_EQ(readMatrixFile(path, matrix_kind::kReal, fromDisk), code::Ok);
    EXPECT_EQ(fromDisk, test::realSample());
}

}  // namespace
}  // namespace lorvex
