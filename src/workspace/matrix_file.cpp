#include "workspace/matrix_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <new>
#include <system_error>

#include "engine/result_codes.h"
#include "workspace/binary_reader.h"
#include "workspace/binary_writer.h"
#include "workspace/file_bytes.h"
#include "workspace/matrix_limits.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

constexpr std::size_t kHeaderWords = 20;
constexpr std::size_t kRowsWord = 0;
constexpr std::size_t kColsWord = 1;
constexpr std::size_t kKindWord = 2;
constexpr std::size_t kFieldWidthWord = 4;
constexpr std::size_t kDecimalsWord = 5;
constexpr std::size_t kScientificWord = 9;
constexpr std::size_t kNotesWord = 13;
constexpr std::int32_t kMaxDecimals = 19;
constexpr std::int32_t kMaxFieldWidth = 32767;
// The smallest integer record: `top`, the sign byte and one digit.
constexpr std::size_t kSmallestIntegerRecord = 4 + 1 + 2;
constexpr std::int32_t kOldestVersion = 1;

std::size_t entryCount(const MatrixFile& file) {
    return static_cast<std::size_t>(file.rows) * static_cast<std::size_t>(file.cols);
}

bool isConsistent(const MatrixFile& file) {
    if (file.rows < 1 || file.cols < 1) return false;
    if (file.kind == matrix_kind::kInteger) {
        const auto* matrix = std::get_if<IntegerMatrix>(&file.entries);
        return matrix != nullptr && matrix->rows == file.rows && matrix->cols == file.cols &&
               matrix->numerators.size() == entryCount(file);
    }
    if (file.kind == matrix_kind::kReal) {
        if (const auto* matrix = std::get_if<RealMatrix>(&file.entries)) {
            return matrix->rows == file.rows && matrix->cols == file.cols &&
                   matrix->cells.size() == entryCount(file);
        }
    } else if (file.kind != matrix_kind::kComplex) {
        return false;
    }
    const auto* matrix = std::get_if<ComplexMatrix>(&file.entries);
    return matrix != nullptr && matrix->rows == file.rows && matrix->cols == file.cols &&
           matrix->cells.size() == entryCount(file);
}

void writeInteger(BinaryWriter& writer, const BigInt& value) {
    writer.int32(value.top());
    writer.uint8(value.isNegative() ? 1 : 0);
    for (const BigInt::Digit digit : value.digits())
        writer.uint16(digit);
}

BigInt readInteger(BinaryReader& reader) {
    const std::int32_t top = reader.int32();
    const bool negative = reader.uint8() != 0;
    require(top >= 0 && reader.holds(std::int64_t{top} + 1, 2));
    std::vector<BigInt::Digit> digits(static_cast<std::size_t>(top) + 1);
    // The digits in one read, as the real entries are.
    BinaryReader digitBytes(reader.bytes(2 * digits.size()));
    for (BigInt::Digit& digit : digits) {
        digit = digitBytes.uint16();
        require(digit < BigInt::kBase);
    }
    return BigInt::fromDigits(std::move(digits), negative);
}

void writeEntries(BinaryWriter& writer, const MatrixFile& file) {
    if (file.kind == matrix_kind::kInteger) {
        const auto& matrix = std::get<IntegerMatrix>(file.entries);
        for (const BigInt& numerator : matrix.numerators)
            writeInteger(writer, numerator);
        writeInteger(writer, matrix.denominator);
        return;
    }
    if (const auto* real = std::get_if<RealMatrix>(&file.entries)) {
        for (const long double cell : real->cells)
            writer.extendedReal(cell);
        return;
    }
    const bool complex = file.kind == matrix_kind::kComplex;
    for (const Complex& cell : std::get<ComplexMatrix>(file.entries).cells) {
        writer.extendedReal(cell.re);
        if (complex) writer.extendedReal(cell.im);
    }
}

MatrixData readEntries(BinaryReader& reader, const MatrixFile& file) {
    const std::size_t count = entryCount(file);
    if (file.kind == matrix_kind::kInteger) {
        require(reader.holds(static_cast<std::int64_t>(count) + 1, kSmallestIntegerRecord));
        IntegerMatrix matrix(file.rows, file.cols);
        for (BigInt& numerator : matrix.numerators)
            numerator = readInteger(reader);
        matrix.denominator = readInteger(reader);
        require(!matrix.denominator.isZero());
        // The denominator is kept positive, as in every integer matrix.
        if (matrix.denominator.isNegative()) {
            for (BigInt& numerator : matrix.numerators)
                numerator = -numerator;
            matrix.denominator = -matrix.denominator;
        }
        return matrix;
    }
    const bool complex = file.kind == matrix_kind::kComplex;
    const std::size_t entrySize = kExtendedRealSize * (complex ? 2 : 1);
    require(reader.holds(static_cast<std::int64_t>(count), entrySize));
    // One read for all the entries rather than one for each.
    BinaryReader entries(reader.bytes(count * entrySize));
    // An infinity or a NaN is no number a matrix can hold: every calculation
    // with it would be meaningless.
    if (!complex) {
        RealMatrix matrix(file.rows, file.cols);
        for (long double& cell : matrix.cells) {
            cell = entries.extendedReal();
            require(std::isfinite(cell));
        }
        return matrix;
    }
    ComplexMatrix matrix(file.rows, file.cols);
    for (Complex& cell : matrix.cells) {
        cell.re = entries.extendedReal();
        cell.im = entries.extendedReal();
        require(std::isfinite(cell.re) && std::isfinite(cell.im));
    }
    return matrix;
}

void writeNotes(BinaryWriter& writer, const std::string& notes) {
    std::string text = utf8ToWindows1252(notes);
    text.resize(std::min({text.size(), text.find('\0'), kMaxNotesLength}));
    writer.int16(static_cast<std::int16_t>(text.size() + 1));
    writer.bytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    writer.uint8(0);
}

std::string readNotes(BinaryReader& reader) {
    const std::int16_t length = reader.int16();
    require(length >= 0);
    const auto field = reader.bytes(static_cast<std::size_t>(length));
    const std::string_view text(reinterpret_cast<const char*>(field.data()), field.size());
    return windows1252ToUtf8(text.substr(0, text.find('\0')));
}

bool windowHolds(std::int32_t windowKind, std::int32_t fileKind) {
    const auto realOrComplex = [](std::int32_t kind) {
        return kind == matrix_kind::kReal || kind == matrix_kind::kComplex;
    };
    if (windowKind == matrix_kind::kInteger) return fileKind == matrix_kind::kInteger;
    return realOrComplex(windowKind) && realOrComplex(fileKind);
}

MatrixFile readMatrixFileFields(BinaryReader& reader, std::int32_t windowKind) {
    std::optional<WindowBlock> block = readWindowBlock(reader);
    require(block.has_value());
    require(block->version >= kOldestVersion && block->version <= kWindowBlockVersion);
    MatrixFile file;
    file.window = std::move(block->settings);

    std::array<std::int32_t, kHeaderWords> header{};
    for (std::int32_t& word : header)
        word = reader.int32();
    file.rows = header[kRowsWord];
    file.cols = header[kColsWord];
    file.kind = header[kKindWord];
    file.fieldWidth = header[kFieldWidthWord];
    file.decimals = header[kDecimalsWord];
    file.sciNotation = header[kScientificWord] != 0;
    file.notesPresent = header[kNotesWord] > 0;
    require(file.rows >= 1 && file.cols >= 1 &&
            std::int64_t{file.rows} * file.cols <= kMaxMatrixEntries);
    require(windowHolds(windowKind, file.kind));
    require(file.decimals >= 0 && file.decimals <= kMaxDecimals);
    require(file.fieldWidth >= 1 && file.fieldWidth <= kMaxFieldWidth);

    file.entries = readEntries(reader, file);
    if (file.notesPresent) file.notes = readNotes(reader);
    return file;
}

}  // namespace

std::vector<std::uint8_t> encodeMatrixFile(const MatrixFile& file) {
    BinaryWriter writer;
    writer.reserve(kMatrixWindowBlockSize + kMatrixHeaderSize +
                   2 * kExtendedRealSize * entryCount(file));
    writeWindowBlock(writer, file.window);

    std::array<std::int32_t, kHeaderWords> header{};
    header[kRowsWord] = file.rows;
    header[kColsWord] = file.cols;
    header[kKindWord] = file.kind;
    header[kFieldWidthWord] = file.fieldWidth;
    header[kDecimalsWord] = file.decimals;
    header[kScientificWord] = file.sciNotation ? 1 : 0;
    header[kNotesWord] = file.notesPresent ? 1 : 0;
    for (const std::int32_t word : header)
        writer.int32(word);

    writeEntries(writer, file);
    if (file.notesPresent) writeNotes(writer, file.notes);
    return writer.take();
}

int decodeMatrixFile(std::span<const std::uint8_t> bytes, std::int32_t windowKind,
                     MatrixFile& out) {
    BinaryReader reader(bytes);
    return decodeMatrixFile(reader, windowKind, out);
}

int decodeMatrixFile(BinaryReader& reader, std::int32_t windowKind, MatrixFile& out) {
    try {
        out = readMatrixFileFields(reader, windowKind);
        return code::Ok;
    } catch (const DamagedData&) {
        return code::CannotOpenFile;
    } catch (const std::bad_alloc&) {
        return code::CannotOpenFile;
    }
}

int readMatrixFile(const std::filesystem::path& path, std::int32_t windowKind, MatrixFile& out) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return code::CannotOpenFile;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return code::CannotOpenFile;
    std::ifstream in(path, std::ios::binary);
    if (!in) return code::CannotOpenFile;
    BinaryReader reader(in, size);
    return decodeMatrixFile(reader, windowKind, out);
}

int writeMatrixFile(const std::filesystem::path& path, const MatrixFile& file) {
    if (!isConsistent(file)) return code::CannotSaveFile;
    try {
        return replaceFileContents(path, encodeMatrixFile(file)) ? code::Ok : code::CannotSaveFile;
    } catch (const std::bad_alloc&) {
        return code::CannotSaveFile;
    }
}

int matrixKindForPath(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.size() - dot - 1 != 3) return -1;
    // Upper case by hand: the comparison must not depend on the locale.
    std::string extension(path.substr(dot + 1));
    for (char& c : extension) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (extension == "FMA") return matrix_kind::kReal;
    if (extension == "CMA") return matrix_kind::kComplex;
    if (extension == "IMA") return matrix_kind::kInteger;
    return -1;
}

}  // namespace lorvex
