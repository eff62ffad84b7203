#pragma once
// Whole-file reading and safe replacement of files. Every file the system writes goes through
// WriteFileReplacing: the bytes go to a fresh temporary file beside the target, which is then
// renamed over it, so a failed write never destroys the file that was there.

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plorvane {

enum class FileResult {
  kOk,
  kNotFound,      // nothing to read at that name
  kInUse,         // it exists but cannot be opened, read or replaced
  kOutOfDiskSpace,  // the new bytes could not be written
};

// Reads the whole file, or its first `max_bytes`; other readers and writers are not locked out.
FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::size_t max_bytes = std::numeric_limits<std::size_t>::max());

// The new file gets `mode` less the user's umask, as any newly created file does.
FileResult WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes, unsigned mode = 0666);

// Copies a regular file over `target` the same way; the copy keeps the source's permission bits
// (a card executable stays executable). False when the source cannot be read or the target
// cannot be written.
bool CopyFileReplacing(const std::string& source, const std::string& target);

// The error text of the system for a failed result ("File not found" ...); empty for kOk.
std::string_view FileResultText(FileResult result);

}  // namespace plorvane
