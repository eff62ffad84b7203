#include "texttools/text_file.h"

#include <unistd.h>

#include <cstdint>
#include <new>
#include <string_view>

#include "support/file_io.h"
#include "support/messages.h"
#include "texttools/text_lines.h"

namespace plorvane {

bool ReadTextFile(const std::string& path, std::size_t max_bytes, TextFileContent& content, std::string& error) {
  error = msg::kFileNotFound;
  if (path.empty() || ::access(path.c_str(), F_OK) != 0) return false;
  error = msg::kFileInUse;
  try {
    std::vector<std::uint8_t> bytes;
    // One byte more than asked tells a file that goes on from one that ends there.
    const std::size_t limit = max_bytes < SIZE_MAX ? max_bytes + 1 : max_bytes;
    if (ReadWholeFile(path, bytes, limit) != FileResult::kOk) return false;
    const bool whole = bytes.size() <= max_bytes;
    if (!whole) bytes.resize(max_bytes);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<std::string> lines = SplitLines(text);
    // The last piece is empty after a final break, or is the line the limit cut.
    if (!whole || lines.back().empty()) lines.pop_back();
    content.lines = std::move(lines);
    content.whole = whole;
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool WriteTextFile(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
  error = msg::kFileInUse;
  try {
    const std::string text = JoinLines(lines, "\r\n");
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    const FileResult result = WriteFileReplacing(path, {data, text.size()});
    if (result == FileResult::kOk) return true;
    error = FileResultText(result);
    return false;
  } catch (const std::bad_alloc&) {
    error = msg::kOutOfMemory;
    return false;
  }
}

}  // namespace plorvane
