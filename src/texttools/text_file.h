#pragma once
// Plain text files as the text window loads and saves them: lines of bytes (the window takes
// them as UTF-8), separated by CR LF when written, any line break when read.

#include <cstddef>
#include <string>
#include <vector>

namespace plorvane {

struct TextFileContent {
  std::vector<std::string> lines;
  // False when the file went on beyond the bytes read; `lines` then ends before the line that
  // was cut.
  bool whole = true;
};

// "File not found" when nothing is at the path, then "File in use" while it is read. A break at
// the very end starts no further line (an empty file has no lines). A read-only file is read as
// it is: reading needs no write permission, so its permissions are never touched.
bool ReadTextFile(const std::string& path, std::size_t max_bytes, TextFileContent& content, std::string& error);

// The lines, CR LF between them, replace the file in one step (written beside it, then renamed
// over it, so a failed save keeps the old file): "File in use" when the file cannot be replaced,
// "Out of disk space" when the bytes could not be written.
bool WriteTextFile(const std::string& path, const std::vector<std::string>& lines, std::string& error);

}  // namespace plorvane
