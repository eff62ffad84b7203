#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <thread>

#include "platform/qt/qt_application.h"
#include "platform/qt/qt_cursors.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_services.h"

namespace plorvane {
namespace {

TEST(QtDialogsTest, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtNameFilters("Bitmap (*.bmp)|*.bmp|Pictures|*.jpg;*.jpeg|Zarvicks (*.exe)|*.exe"),
            (std::vector<std::string>{"Bitmap (*.bmp)", "Pictures (*.jpg *.jpeg)", "Zarvicks (*.exe)"}));
  EXPECT_EQ(QtLines("A program exists with that name\rUse another"), "A program exists with that name\nUse another");
}

TEST(QtTextRendererTest, MeasuresAndDrawsInsideTheClipOnly) {
  const QtTextRenderer renderer;
  const Font font{"", 12, true, false, false, MakeColour(0, 0, 0)};
  const PixelSize one = renderer.Measure("menu", font);
  EXPECT_GT(one.width, 0);
  EXPECT_GT(one.height, 0);
  EXPECT_GT(renderer.Measure("menu menu", font).width, one.width);
  EXPECT_EQ(renderer.Measure("", font).width, 0);

  Bitmap target;
  ASSERT_TRUE(target.Resize(120, 40, kWhite));
  renderer.Draw(target, {2, 2}, "WWWWWWWW", font, Rect{0, 0, 30, 40});
  int inside = 0;
  int outside = 0;
  for (int y = 0; y < target.height(); ++y) {
    for (int x = 0; x < target.width(); ++x) {
      if (target.GetPixel(x, y) != kWhite) ++(x < 30 ? inside : outside);
    }
  }
  EXPECT_GT(inside, 0);
  EXPECT_EQ(outside, 0);
}

TEST(QtClipboardTest, TextAndBitmapsRoundTrip) {
  QtClipboard clipboard;
  ASSERT_TRUE(clipboard.SetText("Grüße"));
  EXPECT_EQ(clipboard.GetText(), "Grüße");
  Bitmap picture;
  ASSERT_TRUE(picture.Resize(7, 5, MakeColour(1, 2, 3)));
  picture.SetPixel(6, 4, MakeColour(250, 128, 0));
  ASSERT_TRUE(clipboard.SetBitmap(picture));
  const auto back = clipboard.GetBitmap();
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(*back == picture);
}

TEST(QtCursorsTest, BusyCursorNests) {
  QtCursors cursors;
  cursors.SetBusy(true);
  cursors.SetBusy(true);
  cursors.SetBusy(false);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  cursors.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  cursors.SetBusy(false);  // one too many does not undo somebody else's cursor
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtApplicationTest, SynchronizeRunsTheTaskOnTheMainThread) {
  QtApplication application;
  const auto main_thread = std::this_thread::get_id();
  std::thread::id ran_on;
  bool answered = false;
  std::thread worker([&] { answered = application.Synchronize([&] { ran_on = std::this_thread::get_id(); }, {}); });
  QElapsedTimer waited;
  waited.start();
  while (ran_on == std::thread::id() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(ran_on, main_thread);
}

}  // namespace
}  // namespace plorvane
