#include "animation/strip_codec.h"

#include <new>
#include <span>
#include <utility>

#include "graphics/bmp_codec.h"
#include "support/zip_handler.h"

namespace plorvane {

std::string EncodeStrip(const Bitmap& strip) {
  const std::vector<std::uint8_t> file = WriteBmp(strip);
  std::string text(file.begin(), file.end());
  if (!ZipHandler().CompressString(text)) throw std::bad_alloc();
  return text;
}

bool DecodeStrip(const std::string& encoded, Bitmap& strip) {
  if (encoded.empty()) return false;
  std::string file = encoded;
  if (!ZipHandler().DecompressString(file)) return false;
  Bitmap decoded;
  if (!ReadBmp(std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()), decoded) || decoded.empty()) {
    return false;
  }
  strip = std::move(decoded);
  return true;
}

}  // namespace plorvane
