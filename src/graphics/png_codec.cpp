#include "graphics/png_codec.h"

#include <png.h>

#include <algorithm>
#include <new>

#include "support/limits.h"

namespace plorvane {
namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// libpng's simplified reader keeps its own error handling inside its calls (no jump crosses our
// frames); this frees what it holds on every way out.
struct SimplePngImage {
  png_image image{};

  SimplePngImage() { image.version = PNG_IMAGE_VERSION; }
  SimplePngImage(const SimplePngImage&) = delete;
  SimplePngImage& operator=(const SimplePngImage&) = delete;
  ~SimplePngImage() { png_image_free(&image); }
};

}  // namespace

bool LooksLikePng(std::span<const std::uint8_t> file) {
  return file.size() >= std::size(kPngSignature) &&
         std::equal(std::begin(kPngSignature), std::end(kPngSignature), file.begin());
}

bool DecodePng(std::span<const std::uint8_t> file, int max_side, BgraImage& out) {
  if (!LooksLikePng(file)) return false;
  try {
    SimplePngImage png;
    if (png_image_begin_read_from_memory(&png.image, file.data(), file.size()) == 0) return false;
    const png_uint_32 width = png.image.width;
    const png_uint_32 height = png.image.height;
    const auto side_cap = static_cast<png_uint_32>(std::min(max_side, limits::kMaxBitmapSide));
    if (width == 0 || height == 0 || width > side_cap || height > side_cap ||
        std::int64_t{width} * height > limits::kMaxBitmapPixels)
      return false;
    png.image.format = PNG_FORMAT_BGRA;
    BgraImage decoded{static_cast<int>(width), static_cast<int>(height),
                      std::vector<std::uint8_t>(std::size_t{width} * height * 4)};
    if (png_image_finish_read(&png.image, nullptr, decoded.bgra.data(), 0, nullptr) == 0) return false;
    out = std::move(decoded);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
