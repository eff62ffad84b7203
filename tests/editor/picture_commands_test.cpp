// The Picture menu: the card's picture through the system clipboard, plain or compressed, and
// from the picture files a user has.
#include <gtest/gtest.h>

#include <string>

#include "card/card.h"
#include "editor_fixture.h"
#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "graphics/image_files.h"
#include "graphics/jpeg_graphic.h"
#include "platform/picture_pixels.h"
#include "support/file_io.h"

namespace plorvane::test {
namespace {

Bitmap Striped(int width, int height) {
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.Resize(width, height, kWhite));
  for (int x = 0; x < width; x += 2) FillRect(bitmap, Rect{x, 0, x + 1, height}, MakeColour(0xFF, 0x00, 0x00));
  return bitmap;
}

class PictureCommandsTest : public EditorTest {
 protected:
  [[nodiscard]] Bitmap Shown() { return PicturePixels(form_->Card().CardPicture(), platform_.metafiles()); }
};

TEST_F(PictureCommandsTest, PasteTakesTheClipboardBitmapAndUndoTakesItBack) {
  Start();
  EXPECT_FALSE(ItemEnabled("&Picture", "P&aste")) << "nothing on the clipboard";
  const Bitmap before = Shown();
  ASSERT_TRUE(Pick("&Picture", "&Copy"));
  ASSERT_TRUE(platform_.clipboard().GetBitmap().has_value());
  EXPECT_TRUE(*platform_.clipboard().GetBitmap() == before);

  const Bitmap pasted = Striped(120, 80);
  ASSERT_TRUE(platform_.clipboard().SetBitmap(pasted));
  ASSERT_TRUE(ItemEnabled("&Picture", "P&aste"));
  ASSERT_TRUE(Pick("&Picture", "P&aste"));
  EXPECT_TRUE(Shown() == pasted);
  ASSERT_TRUE(form_->Card().Undo());
  EXPECT_TRUE(Shown() == before);
}

TEST_F(PictureCommandsTest, PasteWithCompressionStoresAJpegOfQuality62) {
  Start();
  const Bitmap pasted = Striped(64, 48);
  ASSERT_TRUE(platform_.clipboard().SetBitmap(pasted));
  ASSERT_TRUE(Pick("&Picture", "&Paste with Compression"));
  const auto* jpeg = dynamic_cast<const TJPEGImage*>(form_->Card().CardPicture().graphic());
  ASSERT_NE(jpeg, nullptr);
  const auto expected = TJPEGImage::FromBitmap(pasted, 62);
  ASSERT_NE(expected, nullptr);
  Bitmap expected_pixels;
  ASSERT_TRUE(expected->Render(expected_pixels));
  EXPECT_TRUE(Shown() == expected_pixels) << "what shows is the compressed picture";
}

TEST_F(PictureCommandsTest, PictureFilesOfEveryKindBecomeTheCardsPictureAndBadOnesChangeNothing) {
  Start();
  BgraImage image{2, 1, {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF}};  // red, blue
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } files[] = {{"picture.png", EncodePng(image)}, {"picture.webp", EncodeWebp(image)}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = folder_.File(file.name);
    ASSERT_EQ(WriteFileReplacing(path, file.bytes), FileResult::kOk);
    platform_.dialogs().ScriptFileChoice(path);
    ASSERT_TRUE(Pick("&Picture", "Select from &File..."));
    const Bitmap shown = Shown();
    ASSERT_EQ(shown.width(), 2);
    EXPECT_EQ(shown.GetPixel(0, 0), MakeColour(0xFF, 0x00, 0x00));
    EXPECT_EQ(shown.GetPixel(1, 0), MakeColour(0x00, 0x00, 0xFF));
  }

  const Bitmap before = Shown();
  const std::string bad = folder_.Write("broken.png", "\x89PNG\r\n\x1a\n not really");
  platform_.dialogs().ScriptFileChoice(bad);
  ASSERT_TRUE(Pick("&Picture", "Select from &File..."));
  EXPECT_TRUE(Shown() == before);
  ASSERT_FALSE(platform_.dialogs().error_boxes().empty());
  EXPECT_EQ(platform_.dialogs().error_boxes().back().text, "Data corrupt");
}

}  // namespace
}  // namespace plorvane::test
