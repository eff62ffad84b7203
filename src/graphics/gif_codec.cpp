#include "graphics/gif_codec.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>
#include <utility>

#include "support/limits.h"

namespace plorvane {
namespace {

constexpr std::array<std::string_view, 2> kSignatures = {"GIF87a", "GIF89a"};
constexpr std::size_t kSignatureSize = 6;

// giflib reads through this callback; a short read is an error to giflib, never an overread.
struct MemoryInput {
  std::span<const std::uint8_t> data;
  std::size_t at = 0;
};

int ReadInput(GifFileType* gif, GifByteType* buffer, int wanted) {
  auto& input = *static_cast<MemoryInput*>(gif->UserData);
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(wanted, 0)), input.data.size() - input.at);
  std::memcpy(buffer, input.data.data() + input.at, count);
  input.at += count;
  return static_cast<int>(count);
}

struct CloseGif {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, CloseGif>;

// Skips the extensions before the first frame, keeping its transparent colour.
bool ReadUpToFirstFrame(GifFileType* gif, int& transparent) {
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) != GIF_OK) return false;
    if (record == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) == GIF_OK;
    if (record != EXTENSION_RECORD_TYPE) return false;  // the file ends without a frame
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    GraphicsControlBlock control{};
    // giflib hands each block with its length in the first byte.
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr &&
        DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
      transparent = control.TransparentColor;
    while (block != nullptr) {
      if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    }
  }
}

// The stored order of an interlaced frame's rows: every 8th from 0, every 8th from 4, every 4th
// from 2, every 2nd from 1.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  constexpr std::array<std::pair<int, int>, 4> kPasses = {{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
  for (const auto& [start, step] : kPasses)
    for (int y = start; y < height; y += step) rows.push_back(y);
  return rows;
}

bool DecodeFirstFrame(GifFileType* gif, BgraImage& out) {
  int transparent = NO_TRANSPARENT_COLOR;
  if (!ReadUpToFirstFrame(gif, transparent)) return false;
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* colours = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
  if (colours == nullptr || frame.Width <= 0 || frame.Height <= 0 || frame.Left < 0 || frame.Top < 0) return false;
  // Sides are 16-bit in the file, so these sums cannot overflow.
  const std::int64_t width = std::max<std::int64_t>(gif->SWidth, std::int64_t{frame.Left} + frame.Width);
  const std::int64_t height = std::max<std::int64_t>(gif->SHeight, std::int64_t{frame.Top} + frame.Height);
  if (width * height > limits::kMaxBitmapPixels) return false;

  BgraImage canvas{static_cast<int>(width), static_cast<int>(height),
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width * height) * 4, 0)};
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  for (const int row : RowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) return false;
    std::uint8_t* out_pixel =
        canvas.bgra.data() + (static_cast<std::size_t>(frame.Top + row) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(frame.Left)) * 4;
    for (const GifPixelType index : line) {
      if (index != transparent) {
        const bool listed = index < colours->ColorCount;
        out_pixel[0] = listed ? colours->Colors[index].Blue : 0;
        out_pixel[1] = listed ? colours->Colors[index].Green : 0;
        out_pixel[2] = listed ? colours->Colors[index].Red : 0;
        out_pixel[3] = 0xFF;
      }
      out_pixel += 4;
    }
  }
  out = std::move(canvas);
  return true;
}

}  // namespace

bool LooksLikeGif(std::span<const std::uint8_t> file) {
  if (file.size() < kSignatureSize) return false;
  const std::string_view start(reinterpret_cast<const char*>(file.data()), kSignatureSize);
  return std::find(kSignatures.begin(), kSignatures.end(), start) != kSignatures.end();
}

bool DecodeGif(std::span<const std::uint8_t> file, BgraImage& out) {
  if (!LooksLikeGif(file)) return false;
  try {
    MemoryInput input{file};
    int error = 0;
    const GifHandle gif(DGifOpen(&input, ReadInput, &error));
    return gif != nullptr && DecodeFirstFrame(gif.get(), out);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
