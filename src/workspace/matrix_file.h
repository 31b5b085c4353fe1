#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/matrix_data.h"
#include "workspace/window_settings.h"

namespace lorvex {

// Element kind codes, as they stand in the matrix file header.
namespace matrix_kind {
inline constexpr std::int32_t kReal = 0;
inline constexpr std::int32_t kComplex = 3;
inline constexpr std::int32_t kInteger = 5;
}  // namespace matrix_kind

inline constexpr std::size_t kMatrixHeaderSize = 80;
// The notes length is a signed 16-bit count that includes the closing zero.
inline constexpr std::size_t kMaxNotesLength = 32766;

// Everything a matrix file (.fma, .cma, .ima) holds: the window block, then
// the 80-byte header of 20 little-endian 32-bit words (rows, columns, kind,
// field width, decimals, scientific flag and notes flag at words 0, 1, 2, 4,
// 5, 9 and 13, the others 0), the entries and the notes.
//
// Entries by kind: 0, rows x cols 10-byte reals (the real parts); 3, pairs of
// them, real part first; 5, rows x cols + 1 integer records, the numerators
// row by row and then the common denominator, each a 32-bit `top`, a sign
// byte and top + 1 base-10000 digits of 16 bits, least significant first.
// The notes, when present, are a signed 16-bit length L and L bytes of
// Windows-1252 text ending in a zero byte.
struct MatrixFile {
    WindowSettings window = matrixWindowDefaults();
    std::int32_t rows = 1;
    std::int32_t cols = 1;
    std::int32_t kind = matrix_kind::kReal;
    std::int32_t fieldWidth = 8;
    std::int32_t decimals = 5;
    bool sciNotation = false;
    // A RealMatrix for kind 0 (read; a ComplexMatrix written as kind 0 gives
    // its real parts), a ComplexMatrix for kind 3, an IntegerMatrix for kind
    // 5; its dimensions are rows x cols.
    MatrixData entries;
    bool notesPresent = true;
    // UTF-8. Characters Windows-1252 cannot hold are written as "?", and the
    // notes are cut at the 32 766th character.
    std::string notes;

    friend bool operator==(const MatrixFile&, const MatrixFile&) = default;
};

// The bytes of a matrix file. `file` must be consistent: rows and cols at
// least 1 and equal to the dimensions of the entries, and an IntegerMatrix
// exactly when the kind is 5.
std::vector<std::uint8_t> encodeMatrixFile(const MatrixFile& file);

// Decodes the bytes of a matrix file for a window of kind `windowKind` (0, 3
// or 5). Returns code::Ok, or code::CannotOpenFile leaving `out` as it was
// when the bytes are not a readable matrix file for that window: a window
// block of another kind, of version 0 or above 2, or damaged; rows or columns
// below 1 or a product above 1 000 000; a kind other than 0, 3, 5 or one the
// window cannot hold (5 needs an integer window, 0 and 3 a real or complex
// one); decimals outside 0 ... 19 or a field width outside 1 ... 32767; an
// integer record with a negative `top` or a digit above 9999; a zero
// denominator; an infinite or NaN real; a negative notes length; or fewer
// bytes than a count promises. Every count is checked against the bytes left
// before anything is allocated. A negative denominator is made positive with
// the numerators negated. Bytes after the notes are ignored.
[[nodiscard]] int decodeMatrixFile(std::span<const std::uint8_t> bytes, std::int32_t windowKind,
                                   MatrixFile& out);
// The same, reading the fields from `reader` and no further than they go.
[[nodiscard]] int decodeMatrixFile(BinaryReader& reader, std::int32_t windowKind, MatrixFile& out);

// Reads the matrix file at `path` for a window of kind `windowKind`: code::Ok,
// or code::CannotOpenFile (also when the file cannot be opened) with `out` as
// it was. Only the bytes the file's counts call for are read: whatever
// follows the notes is never loaded.
[[nodiscard]] int readMatrixFile(const std::filesystem::path& path, std::int32_t windowKind,
                                 MatrixFile& out);

// Writes `file` to `path`: code::Ok, or code::CannotSaveFile when `file` is
// not consistent (see encodeMatrixFile) or the file cannot be written. The
// previous file at `path` is replaced only by a complete new one; a failed
// write leaves it as it was.
[[nodiscard]] int writeMatrixFile(const std::filesystem::path& path, const MatrixFile& file);

// The kind of matrix file a path names by its extension: exactly three
// characters after the last ".", "FMA", "CMA" or "IMA" in any case, give 0, 3
// or 5; anything else gives -1.
int matrixKindForPath(std::string_view path);

}  // namespace lorvex
