// Arbitrary bytes read as a matrix file by a window of each kind: a read
// either fails with code 11 and leaves the record alone, or gives a record
// that is consistent (finite entries, a positive denominator), that reading
// the bytes as a file gives too, and that writes out again to bytes that read
// back the same.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>

#include "engine/result_codes.h"
#include "workspace/matrix_file.h"
#include "workspace/matrix_limits.h"

namespace {

using lorvex::MatrixFile;

void check(bool condition) {
    if (!condition) std::abort();
}

MatrixFile sentinel() {
    MatrixFile file;
    file.notes = "antes";
    file.decimals = 3;
    return file;
}

void checkConsistent(const MatrixFile& file) {
    check(file.rows >= 1 && file.cols >= 1 &&
          std::int64_t{file.rows} * file.cols <= lorvex::kMaxMatrixEntries);
    const auto count = static_cast<std::size_t>(file.rows) * static_cast<std::size_t>(file.cols);
    if (file.kind == lorvex::matrix_kind::kInteger) {
        const auto& matrix = std::get<lorvex::IntegerMatrix>(file.entries);
        check(matrix.numerators.size() == count && !matrix.denominator.isZero() &&
              !matrix.denominator.isNegative());
    } else if (file.kind == lorvex::matrix_kind::kReal) {
        const auto& cells = std::get<lorvex::RealMatrix>(file.entries).cells;
        check(cells.size() == count);
        for (const long double cell : cells)
            check(std::isfinite(cell));
    } else {
        const auto& cells = std::get<lorvex::ComplexMatrix>(file.entries).cells;
        check(cells.size() == count);
        for (const lorvex::Complex& cell : cells)
            check(std::isfinite(cell.re) && std::isfinite(cell.im));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (const std::int32_t windowKind : {lorvex::matrix_kind::kReal, lorvex::matrix_kind::kComplex,
                                          lorvex::matrix_kind::kInteger}) {
        MatrixFile file = sentinel();
        const int rc = lorvex::decodeMatrixFile(bytes, windowKind, file);
        if (rc != lorvex::code::Ok) {
            check(rc == lorvex::code::CannotOpenFile);
            check(file == sentinel());
            continue;
        }
        checkConsistent(file);

        // Read from a file, the same bytes give the same record.
        std::istringstream stream(std::string(bytes.begin(), bytes.end()));
        lorvex::BinaryReader reader(stream, size);
        MatrixFile streamed;
        check(lorvex::decodeMatrixFile(reader, windowKind, streamed) == lorvex::code::Ok);
        check(streamed == file);

        // Writing normalises once (face names cut to 31 bytes, digits
        // trimmed); after that the bytes are stable.
        const auto written = lorvex::encodeMatrixFile(file);
        MatrixFile again;
        check(lorvex::decodeMatrixFile(written, windowKind, again) == lorvex::code::Ok);
        check(lorvex::encodeMatrixFile(again) == written);
    }
    return 0;
}
