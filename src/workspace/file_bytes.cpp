#include "workspace/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace lorvex {
namespace {

namespace fs = std::filesystem;

// The length of a symbolic link chain taken for a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Sixteen hex digits that make a temporary name unlikely to be taken, also by
// another program saving into the same folder at the same moment.
std::string randomNamePart() {
    thread_local std::mt19937_64 generator{(std::uint64_t{std::random_device{}()} << 32) ^
                                           std::random_device{}()};
    constexpr char kDigits[] = "0123456789abcdef";
    std::uint64_t value = generator();
    std::string part(16, '0');
    for (char& digit : part) {
        digit = kDigits[value & 0xF];
        value >>= 4;
    }
    return part;
}

// Creates a temporary file next to `target`, failing rather than opening a
// file that already exists: a taken name, a leftover of a crash or another
// save, only makes it draw another. Its name is short, whatever the length of
// the target's name, so that it never passes the file system's limit.
FileHandle createTemporaryFile(const fs::path& target, fs::path& temporary) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (;;) {
        temporary = folder / (".lorvex-saving-" + randomNamePart() + ".tmp");
        errno = 0;
        FileHandle file(std::fopen(temporary.string().c_str(), "wbx"));
        if (file || errno != EEXIST) return file;
    }
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

// The file a save to `path` replaces: `path` itself, or the end of the chain
// when it is a symbolic link, so that the link stays and its target gets the
// new contents. A dangling link names a file that does not exist yet; saving
// through it creates that file, as editors do, when its folder exists.
// Nothing when the end is not a regular file (a folder, a device, a FIFO or a
// socket would be destroyed by the rename) or the chain loops.
std::optional<fs::path> fileToReplace(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(current, error);
        if (status.type() == fs::file_type::not_found) return current;
        if (error) return std::nullopt;
        if (fs::is_regular_file(status)) return current;
        if (!fs::is_symlink(status)) return std::nullopt;
        const fs::path next = fs::read_symlink(current, error);
        if (error) return std::nullopt;
        // A relative link is relative to the folder of the link.
        current = current.parent_path() / next;
    }
    return std::nullopt;
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
    const std::optional<fs::path> found = fileToReplace(path);
    if (!found) return false;
    const fs::path& target = *found;
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

void letOversizedWritesFail() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace lorvex
