#include "workspace/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace lorvex {
namespace {

namespace fs = std::filesystem;

// How many temporary names are tried before giving up: a name is taken only
// when no file of that name exists, so leftovers of a crash are never reused.
constexpr int kTemporaryNameAttempts = 100;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Creates a temporary file next to `target`, failing rather than opening a
// file that already exists. Its name is short, whatever the length of the
// target's name, so that it never passes the file system's limit.
FileHandle createTemporaryFile(const fs::path& target, fs::path& temporary) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = folder / (".lorvex-saving-" + std::to_string(attempt) + ".tmp");
        errno = 0;
        FileHandle file(std::fopen(temporary.string().c_str(), "wbx"));
        if (file) return file;
        if (errno != EEXIST) break;
    }
    return nullptr;
}

// The data must be on the disk before the rename makes it the file's
// contents; otherwise a crash right after the rename could leave an empty file
// where the old one was.
bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#if __has_include(<unistd.h>)
    return ::fsync(::fileno(file)) == 0;
#else
    return true;
#endif
}

bool writeAll(FileHandle file, std::span<const std::uint8_t> bytes) {
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool flushed = written && flushToDisk(file.get());
    return std::fclose(file.release()) == 0 && flushed;
}

fs::path followLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path resolved = fs::canonical(path, error);
    return error ? path : resolved;
}

}  // namespace

bool readFileBytes(const fs::path& path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    in.seekg(0, std::ios::beg);

    std::vector<std::uint8_t> bytes(std::min(static_cast<std::size_t>(size), maxBytes));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size()) return false;
    out = std::move(bytes);
    return true;
}

bool replaceFileContents(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path target = followLink(path);
    fs::path temporary;
    FileHandle file = createTemporaryFile(target, temporary);
    if (!file) return false;

    std::error_code error;
    bool saved = writeAll(std::move(file), bytes);
    if (saved) {
        const fs::file_status old = fs::status(target, error);
        if (fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), error);
        error.clear();
        fs::rename(temporary, target, error);
        saved = !error;
    }
    if (!saved) fs::remove(temporary, error);
    return saved;
}

}  // namespace lorvex
