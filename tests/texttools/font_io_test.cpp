// The font clipboard and the eye dropper.
#include "texttools/font_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"
#include "support/temp_home.h"
#include "texttools/eye_dropper.h"

namespace plorvane {
namespace {

class FontIOTest : public ::testing::Test {
 protected:
  testing::TempHome home_;
};

const Font kSymbolFont{"DejaVu Serif", 21, true, false, true, MakeColour(200, 10, 40), true};

TEST_F(FontIOTest, FontPassesBetweenWindowsThroughTheClipboardFile) {
  TFontIO symbol_window;
  TFontIO text_window;
  EXPECT_FALSE(text_window.CanPaste());
  symbol_window.pFont = kSymbolFont;
  ASSERT_TRUE(symbol_window.CopyFont()) << symbol_window.LastError();
  EXPECT_EQ(TFontIO::ClipboardFile(), home_.root() + "/data/Vumra Enterprises/Clipboard/clipboard-object-FN.FN");
  const auto bytes = test::FileBytes(TFontIO::ClipboardFile());
  EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("\x0apFont.Name"), std::string::npos);

  ASSERT_TRUE(text_window.CanPaste());
  ASSERT_TRUE(text_window.PasteFont()) << text_window.LastError();
  EXPECT_EQ(text_window.pFont, kSymbolFont);
}

// The platform's default face is written as no name at all; pasting it still replaces the
// pasting window's face.
TEST_F(FontIOTest, DefaultFaceReplacesTheFaceItIsPastedOver) {
  TFontIO copying;
  copying.pFont = Font{};
  ASSERT_TRUE(copying.CopyFont());
  TFontIO pasting;
  pasting.pFont = kSymbolFont;
  ASSERT_TRUE(pasting.PasteFont());
  EXPECT_EQ(pasting.pFont, Font{});
}

TEST_F(FontIOTest, DamagedFileKeepsTheFontAndShowsTheTextUntranslated) {
  TFontIO pasting;
  EXPECT_FALSE(pasting.PasteFont());
  EXPECT_EQ(pasting.LastError(), "File not found");
  std::filesystem::create_directories(std::filesystem::path(TFontIO::ClipboardFile()).parent_path());
  test::WriteBytes(TFontIO::ClipboardFile(), {'T', 'P', 'F', '0', 7, 'T', 'F', 'o', 'n', 't', 'I', 'O', 0, 4});
  pasting.pFont = kSymbolFont;
  EXPECT_FALSE(pasting.PasteFont());
  EXPECT_EQ(pasting.LastError(), "Unknown format");
  EXPECT_EQ(pasting.pFont, kSymbolFont);

  HeadlessPlatform platform;
  pasting.ShowError(platform.dialogs());
  ASSERT_EQ(platform.dialogs().messages().size(), 1U);
  EXPECT_EQ(platform.dialogs().messages()[0].text, "Unknown format");
  EXPECT_EQ(platform.dialogs().messages()[0].icon, MessageIcon::kError);
  EXPECT_EQ(platform.dialogs().messages()[0].buttons, MessageButtons::kOk);
}

TEST(EyeDropper, ReadsThePixelUnderAPointAndUnderTheMouse) {
  HeadlessPlatform platform;
  Bitmap screen;
  ASSERT_TRUE(screen.Resize(40, 30, MakeColour(255, 0, 0)));
  screen.SetPixel(3, 4, MakeColour(0, 128, 0));
  platform.screen().SetPixels(std::move(screen));
  const TEyeDropper dropper(platform.screen());
  platform.screen().SetMousePosition({20, 20});
  EXPECT_EQ(dropper.CursorColor(), 0x0000FFU);
  EXPECT_EQ(dropper.Color(3, 4), MakeColour(0, 128, 0));
  platform.screen().SetMousePosition({3, 4});
  EXPECT_EQ(dropper.CursorColor(), MakeColour(0, 128, 0));
}

}  // namespace
}  // namespace plorvane
