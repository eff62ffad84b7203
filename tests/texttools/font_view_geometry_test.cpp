// The symbol window's font view: its rules, its pictures (drawn with the headless renderer's
// fixed metric) and its settings records.
#include "texttools/font_view_geometry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_text_renderer.h"
#include "texttools/component_io.h"
#include "texttools/font_view_picture.h"
#include "texttools/symbol_window_settings.h"

namespace plorvane {
namespace {

constexpr int kScrollBar = 32;
constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kGrey = 0x808080;

TEST(FontViewGeometry, CellSizeFollowsTheViewWidthAndNeverReachesZero) {
  struct Case {
    int view_width;
    int cell;
  };
  for (const Case c : {Case{133, 79}, Case{126, 72}, Case{55, 1}, Case{54, 1}, Case{10, 1}, Case{0, 1}}) {
    SCOPED_TRACE(c.view_width);
    EXPECT_EQ(CellSize(c.view_width, kScrollBar), c.cell);
  }
  for (const int height : {1, 8, 72, 300, -72}) {
    SCOPED_TRACE(height);
    EXPECT_EQ(CellSize(ViewWidthForCell(height, kScrollBar), kScrollBar), std::abs(height));
  }
}

TEST(FontViewGeometry, RowsShownAndPressedStayWithinTheCodes) {
  struct RowsCase {
    int top;
    int height;
    int cell;
    RowRange rows;
  };
  for (const RowsCase c : {RowsCase{33, 271, 79, {33, 36}}, RowsCase{33, 316, 79, {33, 37}},
                           RowsCase{250, 500, 72, {250, 255}}, RowsCase{32, 0, 79, {32, 32}},
                           RowsCase{10, 100, 50, {32, 34}}, RowsCase{300, 100, 50, {255, 255}}}) {
    SCOPED_TRACE(c.top);
    EXPECT_EQ(VisibleRows(c.top, c.height, c.cell), c.rows);
  }

  struct PressCase {
    int y;
    int top;
    int item;
  };
  for (const PressCase c : {PressCase{0, 33, 33}, PressCase{78, 33, 33}, PressCase{79, 33, 34},
                            PressCase{100000, 33, 255}, PressCase{100, 250, 251}, PressCase{-100, 32, 32}}) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(ItemAt(c.y, c.top, 79), c.item);
  }
}

TEST(FontViewGeometry, BackgroundAndHighlightFollowTheFontColour) {
  struct Case {
    Colour font;
    Colour background;
    Colour highlight;
  };
  for (const Case c : {
           Case{kBlack, kWhite, kSilver},
           Case{MakeColour(192, 192, 192), kWhite, kGrey},
           Case{MakeColour(193, 0, 0), kBlack, kSilver},
           Case{MakeColour(0, 0, 255), kBlack, kSilver},
           Case{MakeColour(160, 160, 160), kWhite, kGrey},
           Case{MakeColour(220, 220, 220), kBlack, kGrey},
           Case{MakeColour(159, 200, 200), kBlack, kSilver},
           Case{MakeColour(200, 221, 200), kBlack, kSilver},
           Case{MakeColour(190, 170, 210), kBlack, kGrey},
           Case{kWhite, kBlack, kSilver},
       }) {
    SCOPED_TRACE(c.font);
    EXPECT_EQ(BackgroundColour(c.font), c.background);
    EXPECT_EQ(HighlightColour(c.font), c.highlight);
  }
}

TEST(FontViewGeometry, PointsAndPixelsConvertAtTheScreensResolution) {
  struct PointsCase {
    int pixels;
    int ppi;
    int points;
  };
  for (const PointsCase c : {PointsCase{72, 96, 54}, PointsCase{79, 96, 59}, PointsCase{-72, 96, 54},
                             PointsCase{1, 144, 0}, PointsCase{3, 144, 2}, PointsCase{5, 144, 2},
                             PointsCase{7, 144, 4}, PointsCase{72, 0, 0}}) {
    SCOPED_TRACE(c.pixels * 1000 + c.ppi);
    EXPECT_EQ(PointsForPixels(c.pixels, c.ppi), c.points);
  }

  struct HeightCase {
    Font font;
    int ppi;
    int pixels;
  };
  const auto sized = [](int points, int pixel_height) {
    Font font;
    font.size = points;
    font.pixel_height = pixel_height;
    return font;
  };
  for (const HeightCase& c : {HeightCase{sized(10, 72), 96, 72}, HeightCase{sized(54, 0), 96, 72},
                              HeightCase{sized(10, 0), 96, 13}, HeightCase{sized(1, 0), 36, 1},
                              HeightCase{sized(54, 0), 120, 90}}) {
    SCOPED_TRACE(c.font.size);
    EXPECT_EQ(FontPixelHeight(c.font, c.ppi), c.pixels);
  }
}

TEST(FontViewGeometry, StatusAndCharactersAreTheirOwnTexts) {
  EXPECT_EQ(GlyphSizeStatus(PixelSize{74, 86}, 54), "74x86 [54]");
  struct Case {
    int code;
    std::string text;
  };
  for (const Case& c : {Case{65, "A"}, Case{32, " "}, Case{128, "\xE2\x82\xAC"}, Case{150, "\xE2\x80\x93"},
                        Case{169, "\xC2\xA9"}, Case{255, "\xC3\xBF"}, Case{10, " "}, Case{300, "\xC3\xBF"}}) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(SymbolCharacter(c.code), c.text);
  }
}

// The headless renderer draws each character as a box 5 pixels wide from 2 pixels below the top,
// its line as high as the pixel height asks (the box 4 pixels less).
class FontViewPictureTest : public ::testing::Test {
 protected:
  static FontViewScene Scene(Colour colour) {
    FontViewScene scene;
    scene.font.name = "Wingdings";
    scene.font.colour = colour;
    scene.cell_size = 20;
    scene.top_index = 33;
    scene.item_index = 34;
    scene.height = 50;
    return scene;
  }

  HeadlessTextRenderer text_;
  Bitmap view_;
};

TEST_F(FontViewPictureTest, RowsHaveGlyphsLinesCodesAndTheSelection) {
  ASSERT_TRUE(DrawFontView(Scene(kBlack), text_, view_));
  ASSERT_EQ(view_.width(), 20 + kCodeColumnWidth);
  ASSERT_EQ(view_.height(), 50);
  struct Probe {
    int x;
    int y;
    Colour colour;
    const char* what;
  };
  for (const Probe p : {
           Probe{10, 0, kBlack, "line above the first row"},
           Probe{10, 20, kBlack, "line between rows"},
           Probe{10, 40, kBlack, "line above the cut-off third row"},
           Probe{10, 10, kWhite, "background of an unselected row"},
           Probe{10, 21, kSilver, "selected row just below its line"},
           Probe{10, 39, kSilver, "selected row's last pixel row"},
           Probe{2, 10, kBlack, "glyph of 33"},
           Probe{2, 30, kBlack, "glyph of 34 over the highlight"},
           Probe{41, 5, kBlack, "code right-aligned at the edge"},
           Probe{29, 5, kWhite, "left of the code"},
       }) {
    SCOPED_TRACE(p.what);
    EXPECT_EQ(view_.GetPixel(p.x, p.y), p.colour);
  }
}

TEST_F(FontViewPictureTest, LightGlyphsSitOnBlackAndSilveryOnesAreHighlightedInGrey) {
  ASSERT_TRUE(DrawFontView(Scene(kWhite), text_, view_));
  EXPECT_EQ(view_.GetPixel(10, 10), kBlack);
  EXPECT_EQ(view_.GetPixel(10, 30), kSilver);
  const Colour silvery = MakeColour(200, 200, 200);
  ASSERT_TRUE(DrawFontView(Scene(silvery), text_, view_));
  EXPECT_EQ(view_.GetPixel(10, 10), kBlack);
  EXPECT_EQ(view_.GetPixel(10, 30), kGrey);
  EXPECT_EQ(view_.GetPixel(10, 20), silvery);
}

TEST_F(FontViewPictureTest, GlyphImageHasItsMarginOfBackground) {
  Font font;
  font.colour = MakeColour(10, 20, 30);
  const Font glyph_font = GlyphFont(font, 72);
  EXPECT_EQ(glyph_font.pixel_height, 72);
  Bitmap image;
  ASSERT_TRUE(DrawGlyphImage(glyph_font, 65, 1, text_, image));
  EXPECT_EQ(image.width(), kHeadlessGlyphAdvance + 2);
  EXPECT_EQ(image.height(), 72 + 2);
  EXPECT_EQ((PixelSize{image.width(), image.height()}), GlyphImageSize(glyph_font, 65, 1, text_));
  EXPECT_EQ(image.GetPixel(0, 0), kWhite);
  EXPECT_EQ(image.GetPixel(2, 4), font.colour);
}

TEST(SymbolWindowSettingsRecord, KeepsItsOrderAndCarriesTheViewAsAString) {
  FontViewSettings view;
  view.pFont.name = "DejaVu Serif";
  view.pFont.italic = true;
  view.pFont.colour = MakeColour(1, 2, 3);
  view.pTopIndex = 100;
  view.pItemIndex = 120;
  SymbolWindowSettings window;
  std::string error;
  ASSERT_TRUE(ComponentIO().ComponentToString(view, window.pFontView, error));
  window.pWidth = 200;

  std::string record;
  ASSERT_TRUE(ComponentIO().ComponentToString(window, record, error));
  std::size_t at = record.find("TInsertSymbolWindow");
  ASSERT_NE(at, std::string::npos);
  for (const char* name : {"pFontView", "pWidth", "pHeight", "pOnTop", "pLeft", "pTop", "pVisible"}) {
    SCOPED_TRACE(name);
    const std::size_t next = record.find(name, at);
    ASSERT_NE(next, std::string::npos);
    at = next;
  }

  SymbolWindowSettings window_read;
  ASSERT_TRUE(ComponentIO().StringToComponent(record, window_read, error));
  EXPECT_EQ(window_read.pWidth, 200);
  FontViewSettings view_read;
  ASSERT_TRUE(ComponentIO().StringToComponent(window_read.pFontView, view_read, error));
  EXPECT_EQ(view_read.pFont, view.pFont);
  EXPECT_EQ(view_read.pTopIndex, 100);
  EXPECT_EQ(view_read.pItemIndex, 120);
}

}  // namespace
}  // namespace plorvane
