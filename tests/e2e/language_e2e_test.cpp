// The built editor with the German language file in its settings folder: its menu bar is no
// longer the English one, and the German mnemonic of "Datei" opens the File menu, whose items
// look different from the English ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "e2e/desktop_probe.h"
#include "e2e/editor_fixture.h"
#include "e2e/virtual_display.h"
#include "graphics/bmp_codec.h"
#include "graphics/colour.h"
#include "support/file_io.h"

namespace plorvane::e2e {
namespace {

// Whether dark text has been drawn: a menu that has just been mapped may not have painted yet.
bool ShowsText(const Bitmap& pixels) {
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) {
      const Colour c = pixels.GetPixel(x, y);
      if (RedOf(c) < 80 && GreenOf(c) < 80 && BlueOf(c) < 80) return true;
    }
  }
  return false;
}

class GermanEditorTest : public EditorFixture {
 protected:
  GermanEditorTest() : EditorFixture({{"QT_QPA_PLATFORM", "xcb"}}) {}
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    EditorFixture::SetUp();
    MoveMouse(VirtualDisplay::kWidth - 1, VirtualDisplay::kHeight - 1);  // away from hover effects
  }

  void InstallGerman() {
    const std::filesystem::path settings = folder_.File("home/config/Vumra Enterprises/Settings");
    std::filesystem::create_directories(settings);
    std::filesystem::copy_file(PLORVANE_GERMAN_LANGUAGE_FILE, settings / "language.llf",
                               std::filesystem::copy_options::overwrite_existing);
  }

  // The strip above its tool bar.
  [[nodiscard]] std::optional<Bitmap> MenuBar() const {
    auto strip = Geometry(strip_);
    if (!strip) return std::nullopt;
    strip->bottom -= kToolBarHeight;
    return Keep("menu-bar", Screenshot(*strip));
  }

  // The menu that the keys open, as it shows; it is closed again.
  [[nodiscard]] std::optional<Bitmap> OpenedMenu(const std::string& keys) const {
    editor_->Command(keys);
    const auto menu = editor_->WaitForDialog();
    if (!menu) return std::nullopt;
    const auto area = Geometry(*menu);
    std::optional<Bitmap> shot;
    if (area) shot = WaitForScreenshot(*area, ShowsText);
    PressKey("Escape");
    EXPECT_TRUE(editor_->WaitForDialogGone(*menu)) << "the menu stayed open";
    return Keep("menu", shot);
  }

  // With PLORVANE_E2E_SHOTS naming a folder, the pictures are left there to be looked at.
  std::optional<Bitmap> Keep(const std::string& what, std::optional<Bitmap> shot) const {
    const char* folder = std::getenv("PLORVANE_E2E_SHOTS");
    if (shot && folder != nullptr) {
      const std::string language = std::filesystem::exists(folder_.File(
                                       "home/config/Vumra Enterprises/Settings/language.llf"))
                                       ? "german"
                                       : "english";
      WriteFileReplacing(std::string(folder) + "/" + language + "-" + what + ".bmp", WriteBmp(*shot));
    }
    return shot;
  }

  VirtualDisplay display_;
};

TEST_F(GermanEditorTest, TheMenusSpeakGermanOnceTheGermanFileIsInstalled) {
  Start();
  if (HasFatalFailure()) return;
  const auto english_bar = MenuBar();
  const auto english_menu = OpenedMenu("alt+f");
  ASSERT_TRUE(english_bar && english_menu) << "no English menu bar or File menu";
  ASSERT_TRUE(editor_->CloseDiscardingChanges());

  InstallGerman();
  Start();
  if (HasFatalFailure()) return;
  const auto german_bar = MenuBar();
  ASSERT_TRUE(german_bar.has_value());
  EXPECT_FALSE(SamePixels(*german_bar, *english_bar)) << "the menu bar looks as in English";
  const auto german_menu = OpenedMenu("alt+d");
  ASSERT_TRUE(german_menu.has_value()) << "Alt+D (\"&Datei\") opened no menu";
  EXPECT_FALSE(SamePixels(*german_menu, *english_menu)) << "the File menu looks as in English";
  EXPECT_TRUE(editor_->CloseDiscardingChanges());
}

}  // namespace
}  // namespace plorvane::e2e
