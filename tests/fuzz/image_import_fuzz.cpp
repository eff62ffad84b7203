// Pictures taken in from files: whatever imports must draw at the size it reports (metafiles are
// drawn by the platform, icons at their image's own size), and a refusal always says why. The
// same bytes go to the BMP reader (run-length and OS/2 files) and the cursor reader (PNG images)
// directly, past the import's signature checks.
#include <cstdlib>

#include "fuzz/fuzz_target.h"
#include "graphics/bitmap_graphic.h"
#include "graphics/bmp_codec.h"
#include "graphics/bmp_files.h"
#include "graphics/ico_codec.h"
#include "graphics/image_files.h"
#include "graphics/jpeg_codec.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/picture_import.h"
#include "graphics/test_bitmaps.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  using test::Bytes;
  const BgraImage picture{3, 2, {0, 0, 255, 255, 0, 0, 255, 128, 9, 9, 9, 0, 0, 255, 0, 255, 255, 0, 0, 255, 1, 2, 3, 255}};
  Bytes jpeg;
  if (!EncodeJpeg(test::GradientBitmap(24, 16), 60, jpeg)) std::abort();
  return {
      test::RleBmp(4, 3, 8, test::kRle8,
                   {0x03, 0x05, 0x01, 0x07, 0x00, 0x00, 0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x00, 0x02, 0x00, 0x01,
                    0x01, 0x04, 0x00, 0x01}),
      test::RleBmp(5, 3, 4, test::kRle4,
                   {0x05, 0x12, 0x00, 0x00, 0x00, 0x05, 0xAB, 0xCD, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x02, 0x01, 0x00,
                    0x02, 0x37, 0x00, 0x01}),
      test::CoreBmp(7, 3, 4),
      test::IconFileOf(test::kIcoType, {test::IconEntry{3, 2, 1, 32, test::EncodePng(picture)}}),
      test::IconFileOf(test::kCurType, {test::IconEntry{3, 2, 1, 1, test::EncodePng(picture)}}),
      test::WithSegment(jpeg, test::ExifSegment(6, true)),
      test::WithSegment(jpeg, test::ExifSegment(5, false)),
      test::EncodePng(picture),
      test::EncodeWebp(picture),
      test::EncodeGif(4, 3, {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {9, 9, 9}},
                      {test::GifFrame{1, 0, 3, 3, true, 3, {0, 1, 2, 3, 0, 1, 2, 3, 0}}}),
  };
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  const std::span<const std::uint8_t> file(data, size);

  Bitmap bitmap;
  if (ReadBmp(file, bitmap)) {
    Bitmap again;
    if (!ReadBmp(WriteBmp(bitmap), again) || !(again == bitmap)) std::abort();
  }
  CursorFrame frame;
  if (DecodeIconFile(file, IconChoice::kCursorSize, frame) == CursorError::kNone &&
      (frame.width < 1 || frame.width > kMaxCursorSide || frame.height < 1 || frame.height > kMaxCursorSide ||
       frame.bgra.size() != static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height) * 4))
    std::abort();

  Picture picture;
  std::string_view error;
  if (!ImportPicture({file.begin(), file.end()}, picture, error)) {
    if (error.empty() || picture.HasGraphic()) std::abort();
    return 0;
  }
  const Graphic& graphic = *picture.graphic();
  if (!error.empty() || graphic.Empty()) std::abort();
  const bool sized_by_pixels =
      dynamic_cast<const TBitmap*>(&graphic) != nullptr || dynamic_cast<const TJPEGImage*>(&graphic) != nullptr;
  Bitmap drawn;
  if (sized_by_pixels &&
      (!graphic.Render(drawn) || drawn.width() != graphic.Width() || drawn.height() != graphic.Height()))
    std::abort();
  return 0;
}
