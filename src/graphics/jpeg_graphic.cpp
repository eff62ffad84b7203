#include "graphics/jpeg_graphic.h"

#include "graphics/bitmap_orientation.h"
#include "graphics/counted_block.h"
#include "graphics/jpeg_codec.h"

namespace plorvane {

std::unique_ptr<TJPEGImage> TJPEGImage::FromBytes(std::vector<std::uint8_t> bytes) {
  auto image = std::make_unique<TJPEGImage>();
  if (bytes.empty() || !image->Assign(std::move(bytes))) return nullptr;
  return image;
}

std::unique_ptr<TJPEGImage> TJPEGImage::FromBitmap(const Bitmap& bitmap, int quality) {
  std::vector<std::uint8_t> encoded;
  if (!EncodeJpeg(bitmap, quality, encoded)) return nullptr;
  return FromBytes(std::move(encoded));
}

bool TJPEGImage::Assign(std::vector<std::uint8_t> bytes) {
  int width = 0;
  int height = 0;
  const bool ok = bytes.empty() || ReadJpegSize(bytes, width, height);
  orientation_ = ok ? ReadExifOrientation(bytes) : ExifOrientation::kUpright;
  const bool swap = SwapsSides(orientation_);
  bytes_ = ok ? std::move(bytes) : std::vector<std::uint8_t>{};
  width_ = ok ? (swap ? height : width) : 0;
  height_ = ok ? (swap ? width : height) : 0;
  decoded_.reset();
  return ok;
}

void TJPEGImage::WriteData(std::vector<std::uint8_t>& out) const { AppendCountedBlock(out, bytes_, 0); }

bool TJPEGImage::ReadData(std::span<const std::uint8_t> block) {
  std::span<const std::uint8_t> file;
  if (SplitCountedBlock(block, 0, file)) return Assign({file.begin(), file.end()});
  Assign({});
  return false;
}

bool TJPEGImage::Render(Bitmap& out) const {
  if (bytes_.empty()) return false;
  if (!decoded_) {
    Bitmap pixels;
    if (!DecodeJpeg(bytes_, pixels) || !OrientUpright(orientation_, pixels)) return false;
    decoded_ = std::move(pixels);
  }
  out = *decoded_;
  return true;
}

std::unique_ptr<Graphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->bytes_ = bytes_;
  copy->width_ = width_;
  copy->height_ = height_;
  copy->orientation_ = orientation_;
  copy->decoded_ = decoded_;
  return copy;
}

}  // namespace plorvane
