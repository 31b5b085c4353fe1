#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "workspace/extended_real.h"

namespace lorvex {

// Appends little-endian fields, one after the other and without padding, to
// a block of bytes that is written to disk in one piece.
class BinaryWriter {
  public:
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }
    void reserve(std::size_t size) { data_.reserve(size); }

    void bytes(std::span<const std::uint8_t> field) {
        data_.insert(data_.end(), field.begin(), field.end());
    }
    void zeros(std::size_t count) { data_.insert(data_.end(), count, 0); }

    void uint8(std::uint8_t value) { data_.push_back(value); }
    void uint16(std::uint16_t value) { unsignedField(value, 2); }
    void int16(std::int16_t value) { uint16(static_cast<std::uint16_t>(value)); }
    void uint32(std::uint32_t value) { unsignedField(value, 4); }
    void int32(std::int32_t value) { uint32(static_cast<std::uint32_t>(value)); }
    void extendedReal(long double value) { bytes(encodeExtendedReal(value)); }

  private:
    void unsignedField(std::uint64_t value, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i)
            data_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::vector<std::uint8_t> data_;
};

}  // namespace lorvex
