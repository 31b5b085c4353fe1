#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <vector>

#include "workspace/extended_real.h"

namespace lorvex {

// Raised while decoding a file whose bytes do not form a valid record: it ends
// too early, or a count or a value is impossible. The decoders of the file
// formats catch it and report the file as unreadable; it never leaves them.
struct DamagedData {};

// Throws DamagedData unless `condition` holds.
inline void require(bool condition) {
    if (!condition) throw DamagedData{};
}

// Reads little-endian fields one after the other from a block of bytes or
// from a file, throwing DamagedData when a field would run past its end.
class BinaryReader {
  public:
    explicit BinaryReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes), size_(bytes.size()) {}

    // Reads from `file`, of which `size` bytes are left from its current
    // position. Each field is taken from the file as it is asked for and
    // nothing ahead of it, so a file is read only as far as its counts say,
    // however many bytes follow. A field's bytes stay valid until the next
    // field is read.
    BinaryReader(std::istream& file, std::uint64_t size) : file_(&file), size_(size) {}

    std::uint64_t remaining() const { return size_ - position_; }

    // True when `count` items of `itemSize` bytes each are still there. Every
    // count taken from a file is checked this way before anything is
    // allocated for it, so no count can ask for more memory than the file
    // itself occupies.
    bool holds(std::int64_t count, std::size_t itemSize) const {
        return count >= 0 && static_cast<std::uint64_t>(count) <= remaining() / itemSize;
    }

    std::span<const std::uint8_t> bytes(std::size_t count) {
        require(count <= remaining());
        if (file_ == nullptr) {
            const auto field = bytes_.subspan(static_cast<std::size_t>(position_), count);
            position_ += count;
            return field;
        }
        buffer_.resize(count);
        file_->read(reinterpret_cast<char*>(buffer_.data()), static_cast<std::streamsize>(count));
        require(static_cast<std::size_t>(file_->gcount()) == count);
        position_ += count;
        return buffer_;
    }
    void skip(std::size_t count) { bytes(count); }

    std::uint8_t uint8() { return bytes(1)[0]; }
    std::uint16_t uint16() { return static_cast<std::uint16_t>(unsignedField(2)); }
    std::int16_t int16() { return static_cast<std::int16_t>(uint16()); }
    std::uint32_t uint32() { return static_cast<std::uint32_t>(unsignedField(4)); }
    std::int32_t int32() { return static_cast<std::int32_t>(uint32()); }
    long double extendedReal() {
        return decodeExtendedReal(bytes(kExtendedRealSize).first<kExtendedRealSize>());
    }

  private:
    std::uint64_t unsignedField(std::size_t size) {
        const auto field = bytes(size);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= std::uint64_t{field[i]} << (8 * i);
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::istream* file_ = nullptr;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

}  // namespace lorvex
