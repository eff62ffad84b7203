#include "media/compact_splash.h"

#include <gtest/gtest.h>

#include <thread>

#include "graphics/bitmap_graphic.h"
#include "platform/headless/headless_platform.h"
#include "support/scramble.h"

namespace plorvane {
namespace {

class CompactSplashTest : public ::testing::Test {
 protected:
  CompactSplashTest() {
    Bitmap pixels;
    EXPECT_TRUE(pixels.Resize(300, 200, MakeColour(10, 90, 30)));
    Picture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(std::move(pixels)));
    splash_.SetPicture(picture);
    splash_.Title = ScrambleText("Animated Zarvick", true);
    splash_.VersionText = ScrambleText("2.00.1003", true);
    splash_.CurrentYear = [] { return 2026; };
  }
  HeadlessCardWindow& Window() { return static_cast<HeadlessCardWindow&>(*splash_.Window()); }
  static int Bottom(const TSimpleLabel& label) { return label.Top() + label.Height(); }

  HeadlessPlatform platform_;
  TCompactSplash splash_{platform_};
};

TEST_F(CompactSplashTest, RowsStackUpFromTheBottomLeftCorner) {
  splash_.ShowAbout();
  ASSERT_TRUE(splash_.IsShown());
  EXPECT_EQ(Window().ClientSize(), (PixelSize{300, 200}));
  EXPECT_EQ(Window().surface().GetPixel(150, 20), MakeColour(10, 90, 30)) << "the picture is shown";

  // Rows 2 and 3 are empty and take no room; the link row is the lowest.
  EXPECT_FALSE(splash_.Caption(2).Visible());
  EXPECT_FALSE(splash_.Value(3).Visible());
  EXPECT_EQ(Bottom(splash_.Value(5)), 200 - splash_.BottomMargin);
  EXPECT_EQ(Bottom(splash_.Value(4)), splash_.Value(5).Top());
  EXPECT_EQ(Bottom(splash_.Value(1)), splash_.Value(4).Top());
  for (const int row : {1, 4, 5}) {
    EXPECT_EQ(splash_.Caption(row).Left(), splash_.LeftMargin) << row;
    EXPECT_EQ(splash_.Value(row).Left(), splash_.LeftMargin + splash_.Caption(row).Width()) << row;
    EXPECT_EQ(splash_.Value(row).Top(), splash_.Caption(row).Top()) << row;
  }
  EXPECT_EQ(splash_.Caption(1).Caption(), "Version: ");
  EXPECT_EQ(splash_.Value(1).Caption(), "2.00.1003");
  EXPECT_NE(splash_.Caption(4).Caption().find("2026"), std::string::npos);
  EXPECT_TRUE(splash_.Value(5).GetFont().underline);
  EXPECT_FALSE(splash_.Value(1).GetFont().underline);
}

TEST_F(CompactSplashTest, TitleRowShowsOnlyWhenAsked) {
  splash_.ShowAbout();
  EXPECT_FALSE(splash_.Caption(0).Visible());
  splash_.ShowTitle = 1;
  splash_.ShowAbout();
  ASSERT_TRUE(splash_.Caption(0).Visible());
  EXPECT_EQ(splash_.Caption(0).Caption(), "Animated Zarvick");
  EXPECT_EQ(splash_.Caption(0).Left(), splash_.LeftMargin);
  EXPECT_EQ(Bottom(splash_.Value(0)), splash_.Value(1).Top());
}

TEST_F(CompactSplashTest, NoticeNeverNamesAYearBefore2002) {
  splash_.CurrentYear = [] { return 1999; };
  splash_.ShowSplash();
  EXPECT_NE(splash_.Caption(4).Caption().find("2002"), std::string::npos);
  EXPECT_EQ(splash_.Caption(4).Caption().find("1999"), std::string::npos);
}

TEST_F(CompactSplashTest, AboutIsACaptionedDialogThatEscapeCloses) {
  int before_show = 0;
  splash_.OnBeforeShow = [&] { ++before_show; };
  splash_.ShowAbout();
  EXPECT_EQ(before_show, 1);
  EXPECT_EQ(Window().role(), WindowRole::kDialog);
  EXPECT_EQ(Window().title(), "About Animated Zarvick");
  KeyEvent escape;
  escape.key = kKeyEscape;
  EXPECT_TRUE(Window().SimulateKeyDown(escape));
  EXPECT_FALSE(splash_.IsShown());

  splash_.ShowSplash();
  EXPECT_EQ(Window().role(), WindowRole::kOrdinary);
  EXPECT_FALSE(Window().SimulateKeyDown(escape)) << "the splash takes no keys";
  EXPECT_TRUE(splash_.IsShown());
}

TEST_F(CompactSplashTest, CloseAfterWaitsAtMostTenSeconds) {
  std::uint32_t waited = 0;
  splash_.Sleep = [&](std::chrono::milliseconds pause) {
    waited += static_cast<std::uint32_t>(pause.count());
    platform_.clock().Advance(static_cast<std::uint32_t>(pause.count()));
  };
  splash_.ShowSplash();
  splash_.CloseAfter(0);
  EXPECT_FALSE(splash_.IsShown());
  EXPECT_EQ(waited, 0U);

  splash_.ShowSplash();
  splash_.CloseAfter(15);
  EXPECT_FALSE(splash_.IsShown());
  EXPECT_GT(waited, 10000U);
  EXPECT_LE(waited, 10050U);
}

TEST_F(CompactSplashTest, LinkOpensItsAddressUnderTheBusyCursor) {
  splash_.ShowAbout();
  const TSimpleLabel& link = splash_.Value(5);
  MouseEvent click;
  click.position = {link.Left() + 2, link.Top() + 2};
  Window().SimulateMouseDown(click);
  ASSERT_EQ(platform_.shell().opened_documents().size(), 1U);
  EXPECT_EQ(platform_.shell().opened_documents()[0], link.Caption());
  EXPECT_EQ(link.Caption().rfind("https://", 0), 0U);
  EXPECT_EQ(platform_.cursors().busy_history(), (std::vector<bool>{true, false}));
  EXPECT_EQ(link.GetFont().colour, splash_.TextFont.colour) << "the link is back in its colour";

  // The hand shows over the link only.
  MouseEvent move;
  move.position = {link.Left() + 2, link.Top() + 2};
  Window().SimulateMouseMove(move);
  EXPECT_EQ(Window().cursor(), WindowCursor::kLinkCursor);
  move.position = {150, 20};
  Window().SimulateMouseMove(move);
  EXPECT_EQ(Window().cursor(), WindowCursor::kArrowCursor);

  // The other rows are not links.
  click.position = {splash_.Value(1).Left() + 2, splash_.Value(1).Top() + 2};
  Window().SimulateMouseDown(click);
  EXPECT_EQ(platform_.shell().opened_documents().size(), 1U);
}

TEST_F(CompactSplashTest, SecondClickWhileOpeningDoesNothing) {
  splash_.ShowAbout();
  const TSimpleLabel& link = splash_.Value(5);
  MouseEvent click;
  click.position = {link.Left() + 2, link.Top() + 2};

  // The opening processes pending events before it hands the address over; the second click
  // arrives there, as a user's impatient click would.
  Colour colour_while_opening = kBlack;
  std::jthread impatient_user([&](std::stop_token stop) {
    platform_.application().Synchronize(
        [&] {
          colour_while_opening = link.GetFont().colour;
          Window().SimulateMouseDown(click);
        },
        stop);
  });
  ASSERT_TRUE(platform_.application().WaitForPendingTask(std::chrono::seconds(5)));
  Window().SimulateMouseDown(click);
  impatient_user.join();

  EXPECT_EQ(colour_while_opening, MakeColour(255, 0, 0));
  EXPECT_EQ(platform_.shell().opened_documents().size(), 1U);
  EXPECT_EQ(platform_.cursors().busy_history(), (std::vector<bool>{true, false}));

  // Once the opening is over, the link opens again.
  Window().SimulateMouseDown(click);
  EXPECT_EQ(platform_.shell().opened_documents().size(), 2U);
}

TEST_F(CompactSplashTest, CloseButtonEndsTheAboutBoxAndAnotherShowBringsItBack) {
  splash_.ShowAbout();
  Window().SimulateClose();
  EXPECT_FALSE(splash_.IsShown());
  splash_.VersionText = ScrambleText("2.00.1390", true);
  splash_.ShowAbout();
  EXPECT_TRUE(splash_.IsShown());
  EXPECT_EQ(splash_.Value(1).Caption(), "2.00.1390") << "each show takes the current fields";
}

}  // namespace
}  // namespace plorvane
