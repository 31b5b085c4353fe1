#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <vector>

namespace lorvex {

// Reads a regular file into `out`, at most `maxBytes` of it from the start.
// Returns false, leaving `out` as it was, when the path is not a regular file
// or the file cannot be read.
[[nodiscard]] bool readFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                                 std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Makes `bytes` the contents of the file at `path` without ever losing the
// previous file: the bytes go to a new temporary file in the same folder,
// which is flushed to disk and then renamed over the old one, taking over its
// permissions. A failure at any step removes the temporary file and leaves the
// old file exactly as it was. A chain of symbolic links is followed to its
// end, which is replaced (or created, for a dangling link whose folder
// exists) while the links stay. Nothing is written, and false returned, when
// `path` or the end of its chain is not a regular file (a folder, a device, a
// FIFO, a socket) or the chain loops. Returns true when the file was written.
[[nodiscard]] bool replaceFileContents(const std::filesystem::path& path,
                                       std::span<const std::uint8_t> bytes);

// Makes a write past the process's file-size limit (ulimit -f) fail with an
// error, which a save reports, instead of ending the program with SIGXFSZ and
// leaving a temporary file behind. The signal's handling belongs to the whole
// process, so each program calls this once as it starts rather than a save
// changing it behind the program's back.
void letOversizedWritesFail();

}  // namespace lorvex
