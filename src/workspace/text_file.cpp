#include "workspace/text_file.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "engine/result_codes.h"
#include "workspace/file_bytes.h"
#include "workspace/windows1252.h"

namespace lorvex {
namespace {

// A UTF-8 character takes at most four bytes, so this many bytes always hold
// the characters a text window can keep.
constexpr std::size_t kMaxBytesRead = 4 * kTextWindowLimit;

}  // namespace

int readTextFile(const std::filesystem::path& path, std::string& out) {
    try {
        std::vector<std::uint8_t> bytes;
        if (!readFileBytes(path, bytes, kMaxBytesRead)) return code::CannotOpenFile;
        const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()),
                                    static_cast<std::size_t>(end - bytes.begin()));
        out = decodeTextFileBytes(text, kTextWindowLimit);
        return code::Ok;
    } catch (const std::bad_alloc&) {
        return code::CannotOpenFile;
    }
}

int writeTextFile(const std::filesystem::path& path, std::string_view text) {
    try {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return replaceFileContents(path, bytes) ? code::Ok : code::CannotSaveFile;
    } catch (const std::bad_alloc&) {
        return code::CannotSaveFile;
    }
}

}  // namespace lorvex
