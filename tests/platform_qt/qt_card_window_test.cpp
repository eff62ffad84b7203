#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QTest>

#include "platform/popup_menu.h"
#include "platform/qt/qt_card_window.h"
#include "platform/qt/qt_windowing.h"

namespace plorvane {
namespace {

// Keeps what the window reported.
class Recorder final : public WindowEventReceiver {
 public:
  void OnMouseDown(const MouseEvent& event) override { downs.push_back(event); }
  void OnMouseMove(const MouseEvent& event) override { moves.push_back(event); }
  void OnMouseUp(const MouseEvent& event) override { ups.push_back(event); }
  bool OnKeyDown(const KeyEvent& event) override {
    keys.push_back(event);
    return true;
  }
  void OnPaint() override { ++paints; }
  void OnClose() override { ++closes; }

  std::vector<MouseEvent> downs, moves, ups;
  std::vector<KeyEvent> keys;
  int paints = 0;
  int closes = 0;
};

class QtCardWindowTest : public ::testing::Test {
 protected:
  QtCursors cursors_;
  QtWindowing windowing_{cursors_};
  Recorder receiver_;
  std::unique_ptr<CardWindow> created_ = windowing_.CreateCardWindow(receiver_, WindowRole::kOrdinary);
  QtCardWindow& window_ = static_cast<QtCardWindow&>(*created_);
};

Bitmap Filled(int width, int height, Colour colour) {
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.Resize(width, height, colour));
  return bitmap;
}

TEST_F(QtCardWindowTest, ShowsPresentedPixelsWhereAskedAndKeepsItsSize) {
  window_.SetClientSize({120, 90});
  window_.Show();
  EXPECT_EQ(window_.ClientSize(), (PixelSize{120, 90}));
  window_.Present(Filled(120, 90, MakeColour(10, 20, 30)), {0, 0});
  window_.Present(Filled(50, 40, MakeColour(200, 100, 50)), {100, 70});  // runs off the edge
  const QImage shown = window_.grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(5, 5)), QColor(10, 20, 30));
  EXPECT_EQ(QColor(shown.pixel(100, 70)), QColor(200, 100, 50));
  EXPECT_EQ(QColor(shown.pixel(119, 89)), QColor(200, 100, 50));
  EXPECT_EQ(QColor(shown.pixel(99, 70)), QColor(10, 20, 30));
  // The user cannot resize it.
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
}

TEST_F(QtCardWindowTest, AsksForPixelsOnlyWhileItHasNone) {
  window_.SetClientSize({20, 20});
  window_.Show();
  static_cast<void>(window_.grab());
  EXPECT_GE(receiver_.paints, 1);
  window_.Present(Filled(20, 20, kWhite), {0, 0});
  const int asked = receiver_.paints;
  static_cast<void>(window_.grab());
  EXPECT_EQ(receiver_.paints, asked);
}

// Collects the parts Qt asks the window to paint.
class PaintedRegion final : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

TEST_F(QtCardWindowTest, PaintsOnlyThePartsPresentedSinceTheLastPaint) {
  window_.SetClientSize({200, 200});
  window_.Show();
  PaintedRegion recorder;
  window_.installEventFilter(&recorder);
  const QRect everything(0, 0, 200, 200);
  window_.Present(Filled(200, 200, kWhite), {0, 0});
  ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.painted.contains(everything); }));

  recorder.painted = QRegion();
  window_.Present(Filled(10, 10, kBlack), {5, 5});
  window_.Present(Filled(20, 8, kBlack), {150, 170});
  const QRegion presented = QRegion(5, 5, 10, 10) + QRegion(150, 170, 20, 8);
  ASSERT_TRUE(QTest::qWaitFor([&] { return (recorder.painted & presented) == presented; }));
  EXPECT_EQ(recorder.painted, presented);
  EXPECT_EQ(QColor(window_.grab().toImage().pixel(155, 175)), QColor(Qt::black));
}

TEST_F(QtCardWindowTest, MovesItsClientAreaToTheScreenPoint) {
  window_.SetClientSize({30, 30});
  window_.MoveTo({123, 45});
  EXPECT_EQ(window_.ScreenPosition(), (Point{123, 45}));
}

TEST_F(QtCardWindowTest, MouseAndKeysReachTheCoreInClientCoordinates) {
  window_.SetClientSize({100, 100});
  window_.Show();
  QTest::mousePress(&window_, Qt::RightButton, Qt::ShiftModifier, QPoint(12, 34));
  QTest::mouseMove(&window_, QPoint(40, 50));
  QTest::mouseRelease(&window_, Qt::RightButton, Qt::NoModifier, QPoint(40, 50));
  ASSERT_EQ(receiver_.downs.size(), 1U);
  EXPECT_EQ(receiver_.downs[0].button, MouseButton::kRight);
  EXPECT_TRUE(receiver_.downs[0].shift);
  EXPECT_EQ(receiver_.downs[0].position, (Point{12, 34}));
  ASSERT_FALSE(receiver_.moves.empty());
  EXPECT_EQ(receiver_.moves.back().position, (Point{40, 50}));
  ASSERT_EQ(receiver_.ups.size(), 1U);

  QTest::keyClick(&window_, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(&window_, Qt::Key_Space, Qt::ControlModifier);
  QTest::keyClick(&window_, Qt::Key_Escape);
  ASSERT_EQ(receiver_.keys.size(), 3U);
  EXPECT_EQ(receiver_.keys[0].key, kKeyLeft);
  EXPECT_TRUE(receiver_.keys[0].shift);
  EXPECT_EQ(receiver_.keys[1].key, ' ');
  EXPECT_TRUE(receiver_.keys[1].control);
  EXPECT_EQ(receiver_.keys[2].key, kKeyEscape);

  window_.close();
  EXPECT_EQ(receiver_.closes, 1);
}

TEST(QtPopupMenuTest, ItemsBecomeActionsThatActivateTheirItem) {
  PopupMenu menu;
  std::vector<std::string> ran;
  menu.AddItem("&Play", [&] { ran.push_back("play"); });
  menu.AddSeparator();
  const int stop = menu.AddItem("Stop", [&] { ran.push_back("stop"); });
  menu.SetEnabled(stop, false);

  QMenu shown;
  FillMenu(shown, menu);
  const QList<QAction*> actions = shown.actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), "&Play");
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_FALSE(actions[2]->isEnabled());
  EXPECT_EQ(PickedIndex(actions[1]), -1);
  EXPECT_EQ(PickedIndex(nullptr), -1);
  EXPECT_TRUE(menu.Activate(PickedIndex(actions[0])));
  EXPECT_FALSE(menu.Activate(PickedIndex(actions[2])));
  EXPECT_EQ(ran, std::vector<std::string>{"play"});
}

}  // namespace
}  // namespace plorvane
