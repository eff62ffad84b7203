#include "animation/object_file.h"

#include <cstdint>
#include <vector>

#include "streaming/memory_stream.h"
#include "support/file_io.h"
#include "support/messages.h"

namespace plorvane {

bool SaveObjectFile(const std::string& path, std::string& last_error, const std::function<bool(Stream&)>& save) {
  last_error = msg::kOutOfMemory;
  try {
    MemoryStream content;
    if (!save(content)) return false;
    last_error = msg::kFileInUse;
    const FileResult result = WriteFileReplacing(path, content.bytes());
    if (result != FileResult::kOk) {
      last_error = FileResultText(result);
      return false;
    }
    return true;
  } catch (...) {
    return false;
  }
}

bool LoadObjectFile(const std::string& path, std::string& last_error, const std::function<bool(Stream&)>& load) {
  // Whether the file is missing or unreadable shows only when reading it.
  last_error = msg::kFileInUse;
  try {
    std::vector<std::uint8_t> bytes;
    const FileResult result = ReadWholeFile(path, bytes);
    if (result != FileResult::kOk) {
      last_error = FileResultText(result);
      return false;
    }
    last_error = msg::kUnknownFormat;
    MemoryStream content(std::move(bytes));
    return load(content);
  } catch (...) {
    return false;
  }
}

}  // namespace plorvane
