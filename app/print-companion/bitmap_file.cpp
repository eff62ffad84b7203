#include "bitmap_file.h"

#include <cstdint>
#include <vector>

#include "graphics/bmp_codec.h"
#include "support/file_io.h"
#include "support/limits.h"
#include "support/messages.h"

namespace plorvane {
namespace {

// The largest bitmap the reader accepts at 32 bits per pixel, with room for headers and a
// palette; anything beyond would be refused after decoding anyway, so it is not read.
constexpr std::size_t kMaxBitmapFileBytes = static_cast<std::size_t>(limits::kMaxBitmapPixels) * 4 + 64 * 1024;

}  // namespace

bool ReadBitmapFile(const std::string& path, Bitmap& bitmap, std::string& error_text) {
  std::vector<std::uint8_t> bytes;
  if (const FileResult read = ReadWholeFile(path, bytes, kMaxBitmapFileBytes); read != FileResult::kOk) {
    error_text = FileResultText(read);
    return false;
  }
  // A picture without pixels has nothing to print.
  if (!ReadBmp(bytes, bitmap) || bitmap.empty()) {
    error_text = msg::kUnknownFormat;
    return false;
  }
  return true;
}

}  // namespace plorvane
