// Faces with Windows names drawn with the free faces that stand in for them.
#include "platform/qt/qt_font_substitutes.h"

#include <gtest/gtest.h>

#include <QFont>
#include <string>

#include "platform/qt/qt_services.h"

namespace plorvane {
namespace {

Bitmap Drawn(const QtTextRenderer& renderer, const std::string& face, const std::string& text) {
  Font font;
  font.name = face;
  font.pixel_height = 40;
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.Resize(60, 60, kWhite));
  renderer.Draw(bitmap, Point{2, 2}, text, font, Rect{0, 0, 60, 60});
  return bitmap;
}

TEST(QtFontSubstitutesTest, WingdingsIsDrawnWithTheDingbatFaceAtEveryLetter) {
  const QtTextRenderer renderer;  // installs the substitutes
  InstallFontSubstitutes();       // a second time changes nothing
  for (const std::string text : {"A", "l", "\xC3\xBF"}) {
    SCOPED_TRACE(text);
    const Bitmap wingdings = Drawn(renderer, "Wingdings", text);
    EXPECT_EQ(wingdings, Drawn(renderer, "D050000L", text));
    EXPECT_NE(wingdings, Drawn(renderer, "DejaVu Sans", text)) << "a letter, not a dingbat";
    EXPECT_NE(wingdings, Drawn(renderer, "D050000L", " ")) << "something is drawn";
  }
  EXPECT_EQ(QFontOf(Font{"Wingdings"}).family(), "Wingdings") << "the name stays as chosen";
}

}  // namespace
}  // namespace plorvane
