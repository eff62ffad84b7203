// Loads arbitrary bytes as a text picture. Whatever loads with at most 64 colours must also
// survive a save and reload unchanged. (Pixels left white by a short text can add a 65th.)

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "fuzz/fuzz_target.h"
#include "graphics/bitmap.h"
#include "streaming/memory_stream.h"
#include "support/general_error.h"
#include "texttools/text_picture.h"

namespace {

constexpr std::int64_t kRoundTripPixelLimit = 1 << 16;  // keeps each run fast
constexpr std::size_t kDeepestPalette = 64;

bool FitsOnePalette(const plorvane::Bitmap& bitmap) {
  std::unordered_set<plorvane::Colour> colours;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      colours.insert(bitmap.GetPixel(x, y));
      if (colours.size() > kDeepestPalette) return false;
    }
  }
  return true;
}

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  TTextPicture picture;
  MemoryStream input(AsText(data, size));
  try {
    picture.LoadFromStream(input);
  } catch (const EGeneralError&) {
    return 0;
  }
  if (input.Position() > input.Size()) std::abort();  // the reader must stop within the text
  if (static_cast<std::int64_t>(picture.width()) * picture.height() > kRoundTripPixelLimit) return 0;
  if (!FitsOnePalette(picture.bitmap())) return 0;

  MemoryStream written;
  picture.SaveToStream(written);
  TTextPicture reloaded;
  if (!reloaded.LoadFromText(written.AsString()) || !(reloaded.bitmap() == picture.bitmap())) std::abort();
  return 0;
}

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  std::vector<std::vector<std::uint8_t>> seeds;
  const auto add = [&seeds](std::string_view text) { seeds.emplace_back(text.begin(), text.end()); };
  add("T1200100)))))300~2#");
  add("{glyph} 'T1 200 100'+\r\n')))))300~{pixels {nested}}2#'");

  // A small gradient written at every depth and line style by the writer itself.
  Bitmap gradient;
  if (!gradient.Resize(23, 9, kWhite)) return seeds;
  for (int y = 0; y < gradient.height(); ++y) {
    for (int x = 0; x < gradient.width(); ++x) {
      gradient.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x * 11), static_cast<std::uint8_t>(y * 29), 0x40));
    }
  }
  for (int depth = 1; depth <= 6; ++depth) {
    TTextPicture picture;
    picture.Assign(gradient);
    picture.SetDepth(depth);
    picture.SetLineStyle(depth % 3);
    MemoryStream stream;
    picture.SaveToStream(stream);
    seeds.push_back(stream.TakeBytes());
  }
  return seeds;
}

}  // namespace plorvane::fuzz
