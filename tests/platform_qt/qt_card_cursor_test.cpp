// The card's cursor on the real platform: CUR, ICO and ANI files become the card window's cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "card/card.h"
#include "graphics/cursor_files.h"
#include "platform/headless/call_log.h"
#include "platform/headless/headless_sound.h"
#include "platform/qt/qt_card_window.h"
#include "platform/qt/qt_platform.h"
#include "scratch_folder.h"
#include "support/temp_home.h"

namespace plorvane {
namespace {

class QtCardCursorTest : public ::testing::Test {
 protected:
  QCursor WindowCursor() { return static_cast<QtCardWindow&>(card_.Window()).cursor(); }
  bool Load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    test::WriteBytes(folder_.File(name), bytes);
    return card_.LoadCursor(folder_.File(name));
  }

  testing::TempHome home_;
  bool tmp_made_ = std::filesystem::create_directories(std::getenv("TMPDIR"));
  test::ScratchFolder folder_;
  CallLog log_;
  QtPlatform platform_{std::make_unique<HeadlessSoundDevices>(log_)};
  TZarvickV2 card_{platform_, CardMode::kPlayer};
};

TEST_F(QtCardCursorTest, CursorFilesBecomeTheWindowsCursorWithTheirHotSpots) {
  EXPECT_EQ(WindowCursor().shape(), Qt::PointingHandCursor);

  ASSERT_TRUE(Load("arrow.cur", test::SolidCursor({0, 0, 255, 255}, 5, 7))) << card_.LastError();
  EXPECT_EQ(WindowCursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(WindowCursor().hotSpot(), QPoint(5, 7));
  EXPECT_EQ(WindowCursor().pixmap().toImage().pixelColor(10, 10), QColor(255, 0, 0));

  // An icon has no hot spot of its own: its centre is used.
  ASSERT_TRUE(Load("star.ico", test::IconFile(test::kIcoType, {test::SolidImage(32, 32, {0, 255, 0, 255})})));
  EXPECT_EQ(WindowCursor().hotSpot(), QPoint(16, 16));

  // Clearing the cursor brings back the hand.
  ASSERT_TRUE(card_.LoadCursor(""));
  EXPECT_EQ(WindowCursor().shape(), Qt::PointingHandCursor);
}

TEST_F(QtCardCursorTest, AnimatedCursorStepsThroughItsFramesAtTheirRates) {
  const auto first = test::SolidCursor({255, 0, 0, 255}, 1, 2);
  const auto second = test::SolidCursor({0, 0, 255, 255}, 3, 4);
  ASSERT_TRUE(Load("busy.ani", test::AniFile({first, second}, 3))) << card_.LastError();  // 50 ms each
  EXPECT_EQ(WindowCursor().hotSpot(), QPoint(1, 2));
  QElapsedTimer waited;
  waited.start();
  while (platform_.cursors().FrameIndex() == 0 && waited.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_GE(waited.elapsed(), 40) << "the first frame stays for its rate";
  EXPECT_EQ(platform_.cursors().FrameIndex(), 1U);
  EXPECT_EQ(WindowCursor().hotSpot(), QPoint(3, 4));
}

TEST_F(QtCardCursorTest, TheDragCursorShowsOnlyWhereTheCoreAsks) {
  card_.Window().SetCursor(WindowCursor::kDragCursor);
  EXPECT_EQ(WindowCursor().shape(), Qt::SizeAllCursor);
  card_.Window().SetCursor(WindowCursor::kSlotCursor);
  EXPECT_EQ(WindowCursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace plorvane
