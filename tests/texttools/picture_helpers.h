#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graphics/bitmap.h"
#include "streaming/memory_stream.h"
#include "texttools/text_picture.h"

namespace plorvane::testing {

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;

// Pixels in scan order.
inline Bitmap MakeBitmap(int width, int height, const std::vector<Colour>& pixels) {
  Bitmap bitmap;
  if (!bitmap.Resize(width, height, kWhite)) return bitmap;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    bitmap.SetPixel(static_cast<int>(i) % width, static_cast<int>(i) / width, pixels[i]);
  }
  return bitmap;
}

inline std::vector<Colour> PixelsOf(const Bitmap& bitmap) {
  std::vector<Colour> pixels;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) pixels.push_back(bitmap.GetPixel(x, y));
  }
  return pixels;
}

inline std::string SaveText(const Bitmap& bitmap, int depth, int line_style) {
  TTextPicture picture;
  picture.Assign(bitmap);
  picture.SetDepth(depth);
  picture.SetLineStyle(line_style);
  MemoryStream stream;
  picture.SaveToStream(stream);
  return stream.AsString();
}

}  // namespace plorvane::testing
