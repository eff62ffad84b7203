#pragma once
// PNG, GIF and WebP files written through the reference libraries' own encoders, and JPEG files
// with a hand-built Exif block, for the import tests and the fuzz seeds. Nothing here uses the
// decoders under test.

#include <gif_lib.h>
#include <png.h>
#include <webp/encode.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "graphics/bgra_image.h"

namespace plorvane::test {

inline std::vector<std::uint8_t> EncodePng(const BgraImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  if (png_image_write_to_memory(&png, nullptr, &size, 0, image.bgra.data(), 0, nullptr) == 0) std::abort();
  std::vector<std::uint8_t> out(size);
  if (png_image_write_to_memory(&png, out.data(), &size, 0, image.bgra.data(), 0, nullptr) == 0) std::abort();
  out.resize(size);
  return out;
}

// Lossless, so every visible pixel comes back exactly.
inline std::vector<std::uint8_t> EncodeWebp(const BgraImage& image) {
  std::uint8_t* encoded = nullptr;
  const std::size_t size =
      WebPEncodeLosslessBGRA(image.bgra.data(), image.width, image.height, image.width * 4, &encoded);
  if (size == 0) std::abort();
  std::vector<std::uint8_t> out(encoded, encoded + size);
  WebPFree(encoded);
  return out;
}

struct GifColour {
  std::uint8_t r = 0, g = 0, b = 0;
};

// One frame of a GIF: palette indices, top-down, placed at (left, top) on the screen.
struct GifFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool interlaced = false;
  int transparent = NO_TRANSPARENT_COLOR;
  std::vector<std::uint8_t> indices;
};

inline int WriteToVector(GifFileType* gif, const GifByteType* data, int length) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out.insert(out.end(), data, data + length);
  return length;
}

// A GIF89a file with a global colour table (a power of two of entries) and the given frames.
inline std::vector<std::uint8_t> EncodeGif(int screen_width, int screen_height, const std::vector<GifColour>& palette,
                                           const std::vector<GifFrame>& frames) {
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteToVector, &error);
  if (gif == nullptr) std::abort();
  EGifSetGifVersion(gif, true);
  std::vector<GifColorType> colours;
  for (const GifColour& c : palette) colours.push_back({c.r, c.g, c.b});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  if (map == nullptr || EGifPutScreenDesc(gif, screen_width, screen_height, 8, 0, map) != GIF_OK) std::abort();
  GifFreeMapObject(map);
  for (const GifFrame& frame : frames) {
    GraphicsControlBlock control{};
    control.TransparentColor = frame.transparent;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_OK ||
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced, nullptr) != GIF_OK)
      std::abort();
    // An interlaced frame stores every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
    std::vector<int> rows;
    if (frame.interlaced) {
      for (const auto& [start, step] : {std::pair{0, 8}, std::pair{4, 8}, std::pair{2, 4}, std::pair{1, 2}})
        for (int y = start; y < frame.height; y += step) rows.push_back(y);
    } else {
      for (int y = 0; y < frame.height; ++y) rows.push_back(y);
    }
    for (const int y : rows) {
      std::vector<GifPixelType> line(frame.indices.begin() + y * frame.width,
                                     frame.indices.begin() + (y + 1) * frame.width);
      if (EGifPutLine(gif, line.data(), frame.width) != GIF_OK) std::abort();
    }
  }
  if (EGifCloseFile(gif, &error) != GIF_OK) std::abort();
  return out;
}

// An APP1 Exif segment recording `orientation`, in Motorola ("MM") or Intel ("II") byte order.
// Its first directory holds another tag before the orientation, as cameras write them.
inline std::vector<std::uint8_t> ExifSegment(std::uint16_t orientation, bool big_endian) {
  std::vector<std::uint8_t> tiff;
  const auto put16 = [&](std::uint32_t v) {
    if (big_endian) tiff.insert(tiff.end(), {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
    else tiff.insert(tiff.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
  };
  const auto put32 = [&](std::uint32_t v) {
    if (big_endian) {
      put16(v >> 16);
      put16(v & 0xFFFF);
    } else {
      put16(v & 0xFFFF);
      put16(v >> 16);
    }
  };
  tiff.push_back(big_endian ? 'M' : 'I');
  tiff.push_back(big_endian ? 'M' : 'I');
  put16(42);
  put32(8);  // the first directory follows the header
  put16(2);  // entries
  put16(0x011A);  // horizontal resolution: rational, one, at an offset not read here
  put16(5);
  put32(1);
  put32(38);
  put16(0x0112);  // orientation: short, one, the value in the entry's first two bytes
  put16(3);
  put32(1);
  put16(orientation);
  put16(0);
  put32(0);  // no next directory
  constexpr std::uint8_t kHead[] = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};  // marker, length, Exif header
  std::vector<std::uint8_t> segment(std::begin(kHead), std::end(kHead));
  segment.resize(segment.size() + tiff.size());
  std::copy(tiff.begin(), tiff.end(), segment.end() - static_cast<std::ptrdiff_t>(tiff.size()));
  const std::size_t length = segment.size() - 2;
  segment[2] = static_cast<std::uint8_t>(length >> 8);
  segment[3] = static_cast<std::uint8_t>(length);
  return segment;
}

// The JPEG with the segment put right after its start-of-image marker.
inline std::vector<std::uint8_t> WithSegment(std::vector<std::uint8_t> jpeg, const std::vector<std::uint8_t>& segment) {
  jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  return jpeg;
}

}  // namespace plorvane::test
