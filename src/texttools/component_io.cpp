#include "texttools/component_io.h"

#include <unistd.h>

#include "streaming/record_reader.h"
#include "support/file_io.h"
#include "support/limits.h"
#include "support/paths.h"

namespace plorvane {

bool TComponentIO::StreamToFile(const MemoryStream& stream, const std::string& file_name, std::string& error) {
  // Replacing the file in one rename takes the place of deleting the old file first: another
  // running program reading it sees the old bytes or the new ones, never a part.
  Step(msg::kFileInUse, error);
  try {
    const FileResult result = WriteFileReplacing(file_name, stream.bytes());
    if (result == FileResult::kOk) return true;
    Step(FileResultText(result), error);
    return false;
  } catch (...) {
    return false;
  }
}

bool TComponentIO::FileToStream(const std::string& file_name, MemoryStream& stream, std::string& error) {
  Step(msg::kFileNotFound, error);
  if (file_name.empty() || ::access(file_name.c_str(), F_OK) != 0) return false;
  Step(msg::kOutOfMemory, error);
  try {
    std::vector<std::uint8_t> bytes;
    // Reading needs no write permission, so a read-only file is read as it is and keeps its mode.
    Step(msg::kFileInUse, error);
    if (ReadWholeFile(file_name, bytes, limits::kMaxDocumentBytes) != FileResult::kOk) return false;
    stream.Assign(std::move(bytes));
    return true;
  } catch (...) {
    return false;
  }
}

std::string TComponentIO::SettingsFile(const std::string& file_name) {
  return Paths().SettingsFolder("Settings") + file_name;
}

bool TComponentIO::RecordOfClass(MemoryStream& stream, std::string_view class_name) {
  RecordReader reader(stream);
  const auto head = reader.ReadHead();
  const bool named = head && head->class_name == class_name;
  return stream.Seek(0) && named;
}

TComponentIO& ComponentIO() {
  static TComponentIO instance;
  return instance;
}

}  // namespace plorvane
