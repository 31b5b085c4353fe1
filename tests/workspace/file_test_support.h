#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lorvex::test {

using Bytes = std::vector<std::uint8_t>;

// A fresh empty folder for one test, removed with everything in it afterwards.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string("lorvex-") + info->test_suite_name() + "-" +
                                 info->name() + "-" + std::to_string(counter()++);
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // The names of everything in the folder, to see that no temporary file
    // was left behind.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

  private:
    static int& counter() {
        static int value = 0;
        return value;
    }
    std::filesystem::path path_;
};

inline Bytes fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void putFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void putFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

// Little-endian patching of a byte block, for building damaged files.
inline void putInt32(Bytes& bytes, std::size_t offset, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}
// Little-endian words one after another, for expected bytes whose layout a
// hand-written sample already pins.
inline Bytes words32(std::initializer_list<std::int32_t> values) {
    Bytes bytes(4 * values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        putInt32(bytes, 4 * i, values.begin()[i]);
    return bytes;
}
inline void putInt16(Bytes& bytes, std::size_t offset, std::int16_t value) {
    for (std::size_t i = 0; i < 2; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> (8 * i));
}

inline Bytes words16(std::initializer_list<std::int16_t> values) {
    Bytes bytes(2 * values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        putInt16(bytes, 2 * i, values.begin()[i]);
    return bytes;
}

}  // namespace lorvex::test
