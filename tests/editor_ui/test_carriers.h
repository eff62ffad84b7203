#pragma once
// Carriers for an editor under test: a critical carrier with small pictures and a stand-in
// player image, and support and help carriers with one file each.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/main_form.h"
#include "graphics/jpeg_codec.h"
#include "support/carrier_bitmap.h"

namespace plorvane::test {

inline std::vector<std::uint8_t> Carrier(const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& files) {
  std::vector<TBoxItem> items(files.size());
  for (std::size_t at = 0; at < files.size(); ++at) {
    if (!PackBoxItem(files[at].first, files[at].second, items[at])) return {};
  }
  return WriteCarrierBitmap(WriteArchive(items));
}

inline std::vector<std::uint8_t> SmallJpeg(int width, int height) {
  Bitmap picture;
  std::vector<std::uint8_t> jpeg;
  if (!picture.Resize(width, height, MakeColour(40, 60, 120)) || !EncodeJpeg(picture, 80, jpeg)) return {};
  return jpeg;
}

inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

inline EditorCarriers TestCarriers() {
  return {Carrier({{"A.JPG", SmallJpeg(200, 120)}, {"B.JPG", SmallJpeg(120, 80)}, {"A.EXE", Bytes("player image")}}),
          Carrier({{"Sample.bmp", Bytes("BM")}}),
          Carrier({{"index.html", Bytes("<html></html>")}})};
}

}  // namespace plorvane::test
