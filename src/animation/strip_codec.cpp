#include "animation/strip_codec.h"

#include <new>
#include <span>
#include <utility>

#include "graphics/bmp_codec.h"
#include "support/zip_handler.h"

namespace plorvane {

std::string EncodeStrip(const Bitmap& strip) {
  std::string packed;
  if (!ZipHandler().CompressBytes(WriteBmp(strip), packed)) throw std::bad_alloc();
  return packed;
}

bool DecodeStrip(const std::string& encoded, Bitmap& strip) {
  if (encoded.empty()) return false;
  std::vector<std::uint8_t> file;
  if (!ZipHandler().DecompressBytes({reinterpret_cast<const std::uint8_t*>(encoded.data()), encoded.size()}, file)) {
    return false;
  }
  Bitmap decoded;
  if (!ReadBmp(file, decoded) || decoded.empty()) {
    return false;
  }
  strip = std::move(decoded);
  return true;
}

}  // namespace plorvane
