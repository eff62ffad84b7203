// Cursor and icon files: whatever decodes must be a cursor every platform accepts. The decoders
// are called directly, past the final validity check of DecodeCursor, so a slip in them shows.
#include <cstdlib>

#include "fuzz/fuzz_target.h"
#include "graphics/ani_codec.h"
#include "graphics/cursor_files.h"
#include "graphics/ico_codec.h"
#include "graphics/icon_graphic.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  using test::Bgra;
  const std::vector<Bgra> pixels = {{0, 0, 255, 255}, {0, 255, 0, 128}, test::kClear, {255, 0, 0, 255}};
  const test::Bytes cursor = test::SolidCursor({10, 20, 30, 255}, 4, 5, 4);
  const test::Bytes icon = test::IconFile(
      test::kIcoType,
      {test::EncodeImage(2, 2, 32, pixels), test::EncodeImage(2, 2, 1, {pixels[0], pixels[2], pixels[2], pixels[0]})});
  const test::Bytes animated = test::AniFile({cursor, icon}, 6, {6, 12, 18}, {1, 0, 1});
  return {cursor, icon, animated};
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  const std::span<const std::uint8_t> file(data, size);
  CursorImage animated;
  if (DecodeAniFile(file, animated) == CursorError::kNone && !animated.IsValid()) std::abort();
  CursorFrame frame;
  if (DecodeIconFile(file, IconChoice::kCursorSize, frame) == CursorError::kNone && !CursorImage{{frame}}.IsValid())
    std::abort();
  if (auto icon = TIcon::FromBytes({file.begin(), file.end()})) {
    Bitmap drawn;
    if (icon->Render(drawn) && (drawn.empty() || drawn.width() > kMaxCursorSide || drawn.height() > kMaxCursorSide))
      std::abort();
  }
  return 0;
}
