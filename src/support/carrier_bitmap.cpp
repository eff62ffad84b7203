#include "support/carrier_bitmap.h"

#include <limits>

#include "graphics/little_endian.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/zip_handler.h"

namespace plorvane {
namespace {

constexpr std::size_t kRowBytes = (kCarrierWidth * 3 + 3) & ~std::size_t{3};  // 1,004
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::string_view kItemObjectName = "_1";

void AppendHeaders(std::vector<std::uint8_t>& out, std::uint32_t rows) {
  const auto pixel_bytes = static_cast<std::uint32_t>(rows * kRowBytes);
  out.push_back('B');
  out.push_back('M');
  le::AppendU32(out, static_cast<std::uint32_t>(kCarrierHeadersSize) + pixel_bytes);
  le::AppendU32(out, 0);  // two reserved words
  le::AppendU32(out, static_cast<std::uint32_t>(kCarrierHeadersSize));
  le::AppendU32(out, kInfoHeaderSize);
  le::AppendI32(out, kCarrierWidth);
  le::AppendI32(out, static_cast<std::int32_t>(rows));  // positive: bottom-up, as files usually are
  le::AppendU16(out, 1);                                 // planes
  le::AppendU16(out, 24);                                // bits per pixel
  le::AppendU32(out, 0);                                 // no compression
  le::AppendU32(out, pixel_bytes);
  le::AppendU32(out, 0);  // horizontal resolution
  le::AppendU32(out, 0);  // vertical resolution
  le::AppendU32(out, 0);  // colours used
  le::AppendU32(out, 0);  // important colours
}

}  // namespace

bool PackBoxItem(std::string_view name, std::span<const std::uint8_t> content, TBoxItem& item) {
  constexpr auto kMaxItemBytes = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  if (content.size() > kMaxItemBytes) return false;
  std::string stored;
  if (!ZipHandler().CompressBytes(content, stored) || stored.size() > kMaxItemBytes) return false;
  item.pName = name;
  item.pPath.clear();
  item.pSize = static_cast<std::int32_t>(content.size());
  item.pSizeB = static_cast<std::int32_t>(stored.size());
  item.pM = TBoxItem::kZlib;
  item.pD = std::move(stored);
  return true;
}

std::vector<std::uint8_t> WriteArchive(std::span<const TBoxItem> items) {
  MemoryStream archive;
  for (const TBoxItem& item : items) WriteObject(archive, item, kItemObjectName);
  return archive.TakeBytes();
}

std::vector<std::uint8_t> WriteCarrierBitmap(std::span<const std::uint8_t> archive) {
  const std::size_t area = kCarrierLeadInSize + archive.size();
  const std::size_t rows = (area + kRowBytes - 1) / kRowBytes;
  if (rows * kRowBytes > std::numeric_limits<std::uint32_t>::max() - kCarrierHeadersSize) return {};
  std::vector<std::uint8_t> file;
  file.reserve(kCarrierHeadersSize + rows * kRowBytes);
  AppendHeaders(file, static_cast<std::uint32_t>(rows));
  file.insert(file.end(), kCarrierLeadInSize, kCarrierLeadInByte);
  file.insert(file.end(), archive.begin(), archive.end());
  file.resize(kCarrierHeadersSize + rows * kRowBytes, 0x00);
  return file;
}

bool ReadCarrierBitmap(std::span<const std::uint8_t> carrier_file, TZipBox& box) {
  MemoryStream stream(std::vector<std::uint8_t>(carrier_file.begin(), carrier_file.end()));
  return box.LoadFromStream(stream, false);
}

}  // namespace plorvane
