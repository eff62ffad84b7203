#include "cursor_writer.h"

#include <string_view>

#include "graphics/ico_codec.h"
#include "graphics/little_endian.h"

namespace plorvane::art {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint8_t kOpaqueEnough = 128;

// The DIB of one image: header, bottom-up BGRA rows, then the mask (1 where transparent).
std::vector<std::uint8_t> DibOf(const CursorFrame& image) {
  std::vector<std::uint8_t> dib;
  le::AppendU32(dib, kInfoHeaderSize);
  le::AppendI32(dib, image.width);
  le::AppendI32(dib, image.height * 2);  // colour and mask together
  le::AppendU16(dib, 1);                 // planes
  le::AppendU16(dib, 32);                // bits per pixel
  for (int field = 0; field < 6; ++field) le::AppendU32(dib, 0);  // uncompressed, sizes and palette unused
  const auto width = static_cast<std::size_t>(image.width);
  for (int row = image.height - 1; row >= 0; --row) {
    const auto* pixels = image.bgra.data() + static_cast<std::size_t>(row) * width * 4;
    for (std::size_t x = 0; x < width; ++x) {
      // A clear pixel is black too: through the mask it then leaves the screen as it is.
      const std::uint8_t* pixel = pixels + x * 4;
      if (pixel[3] == 0) {
        dib.insert(dib.end(), 4, 0);
      } else {
        dib.insert(dib.end(), pixel, pixel + 4);
      }
    }
  }
  const std::size_t mask_stride = (width + 31) / 32 * 4;
  for (int row = image.height - 1; row >= 0; --row) {
    std::vector<std::uint8_t> mask(mask_stride, 0);
    for (std::size_t x = 0; x < width; ++x) {
      if (image.bgra[(static_cast<std::size_t>(row) * width + x) * 4 + 3] < kOpaqueEnough)
        mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    dib.insert(dib.end(), mask.begin(), mask.end());
  }
  return dib;
}

void AppendTag(std::vector<std::uint8_t>& out, std::string_view tag) { out.insert(out.end(), tag.begin(), tag.end()); }

void AppendChunk(std::vector<std::uint8_t>& out, std::string_view tag, std::span<const std::uint8_t> data) {
  AppendTag(out, tag);
  le::AppendU32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() % 2 != 0) out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(std::span<const CursorFrame> images, std::uint16_t type) {
  std::vector<std::vector<std::uint8_t>> dibs;
  for (const CursorFrame& image : images) dibs.push_back(DibOf(image));
  std::vector<std::uint8_t> file;
  le::AppendU16(file, 0);
  le::AppendU16(file, type);
  le::AppendU16(file, static_cast<std::uint16_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const CursorFrame& image = images[i];
    file.push_back(static_cast<std::uint8_t>(image.width == 256 ? 0 : image.width));
    file.push_back(static_cast<std::uint8_t>(image.height == 256 ? 0 : image.height));
    file.push_back(0);  // no palette
    file.push_back(0);
    const bool cursor = type == kCursorFileType;
    le::AppendU16(file, cursor ? static_cast<std::uint16_t>(image.hot_spot.x) : 1);   // or planes
    le::AppendU16(file, cursor ? static_cast<std::uint16_t>(image.hot_spot.y) : 32);  // or bits per pixel
    le::AppendU32(file, static_cast<std::uint32_t>(dibs[i].size()));
    le::AppendU32(file, offset);
    offset += static_cast<std::uint32_t>(dibs[i].size());
  }
  for (const auto& dib : dibs) file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

std::vector<std::uint8_t> EncodeAniFile(std::span<const CursorFrame> frames, std::span<const AniStep> steps) {
  std::vector<std::uint8_t> header;
  le::AppendU32(header, 36);
  le::AppendU32(header, static_cast<std::uint32_t>(frames.size()));
  le::AppendU32(header, static_cast<std::uint32_t>(steps.size()));
  for (int field = 0; field < 4; ++field) le::AppendU32(header, 0);  // size, depth, planes: from the frames
  le::AppendU32(header, steps.empty() ? 1 : steps[0].jiffies);       // default rate
  le::AppendU32(header, 3);                                          // icon frames, with a sequence

  std::vector<std::uint8_t> rates;
  std::vector<std::uint8_t> sequence;
  for (const AniStep& step : steps) {
    le::AppendU32(rates, step.jiffies);
    le::AppendU32(sequence, step.frame);
  }
  std::vector<std::uint8_t> list;
  AppendTag(list, "fram");
  for (const CursorFrame& frame : frames) AppendChunk(list, "icon", EncodeIconFile({&frame, 1}, kCursorFileType));

  std::vector<std::uint8_t> body;
  AppendTag(body, "ACON");
  AppendChunk(body, "anih", header);
  AppendChunk(body, "rate", rates);
  AppendChunk(body, "seq ", sequence);
  AppendChunk(body, "LIST", list);
  std::vector<std::uint8_t> file;
  AppendChunk(file, "RIFF", body);
  return file;
}

}  // namespace plorvane::art
