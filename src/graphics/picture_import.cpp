#include "graphics/picture_import.h"

#include <memory>
#include <new>

#include "graphics/bgra_image.h"
#include "graphics/bitmap_graphic.h"
#include "graphics/bmp_codec.h"
#include "graphics/gif_codec.h"
#include "graphics/ico_codec.h"
#include "graphics/icon_graphic.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/metafile_graphic.h"
#include "graphics/png_codec.h"
#include "graphics/webp_codec.h"
#include "support/limits.h"
#include "support/messages.h"

namespace plorvane {
namespace {

bool LooksLikeJpeg(std::span<const std::uint8_t> file) {
  return file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF;
}

bool LooksLikeBmp(std::span<const std::uint8_t> file) { return file.size() >= 2 && file[0] == 'B' && file[1] == 'M'; }

std::unique_ptr<Graphic> BitmapFrom(const BgraImage& image) {
  Bitmap bitmap;
  if (!FlattenOverWhite(image.width, image.height, image.bgra, bitmap)) return nullptr;
  return std::make_unique<TBitmap>(std::move(bitmap));
}

using Decoder = bool (*)(std::span<const std::uint8_t>, BgraImage&);

std::unique_ptr<Graphic> Decoded(std::span<const std::uint8_t> file, Decoder decode) {
  BgraImage image;
  return decode(file, image) ? BitmapFrom(image) : nullptr;
}

bool DecodePngPicture(std::span<const std::uint8_t> file, BgraImage& out) {
  return DecodePng(file, limits::kMaxBitmapSide, out);
}

// A kept graphic is refused when its pixels do not decode, as they are decoded only when drawn.
std::unique_ptr<Graphic> Drawable(std::unique_ptr<Graphic> graphic) {
  Bitmap pixels;
  if (graphic == nullptr || !graphic->Render(pixels)) return nullptr;
  return graphic;
}

// The graphic of a recognised kind, or nullptr with `error` saying why not.
std::unique_ptr<Graphic> GraphicOf(std::vector<std::uint8_t>& bytes, std::string_view& error) {
  const std::span<const std::uint8_t> file(bytes);
  error = msg::kDataCorrupt;
  if (LooksLikeBmp(file)) {
    Bitmap bitmap;
    if (!ReadBmp(file, bitmap)) return nullptr;
    return std::make_unique<TBitmap>(std::move(bitmap));
  }
  if (LooksLikeJpeg(file)) return Drawable(TJPEGImage::FromBytes(std::move(bytes)));
  if (LooksLikePng(file)) return Decoded(file, DecodePngPicture);
  if (LooksLikeGif(file)) return Decoded(file, DecodeGif);
  if (LooksLikeWebp(file)) {
    if (!IsAnimatedWebp(file)) return Decoded(file, DecodeWebp);
    error = msg::kUnsupportedFormat;
    return nullptr;
  }
  if (LooksLikeIconFile(file)) {
    IconDirectory directory;
    if (ReadIconDirectory(file, directory) != CursorError::kNone) return nullptr;
    if (directory.type != kIconFileType) {
      error = msg::kUnsupportedFormat;
      return nullptr;
    }
    return Drawable(TIcon::FromBytes(std::move(bytes)));
  }
  // Metafiles have more than one signature; their own reader knows them all.
  if (auto metafile = TMetafile::FromBytes(std::move(bytes))) return metafile;
  error = msg::kUnknownFormat;
  return nullptr;
}

}  // namespace

bool ImportPicture(std::vector<std::uint8_t> bytes, Picture& picture, std::string_view& error) {
  try {
    std::unique_ptr<Graphic> graphic = GraphicOf(bytes, error);
    if (graphic == nullptr || graphic->Empty()) return false;
    picture.SetGraphic(std::move(graphic));
    error = {};
    return true;
  } catch (const std::bad_alloc&) {
    error = msg::kOutOfMemory;
    return false;
  }
}

}  // namespace plorvane
