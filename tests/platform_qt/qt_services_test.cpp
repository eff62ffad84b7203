#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QTest>
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

TEST(QtDialogsTest, ColoursAndFontsMapBothWays) {
  for (const Colour colour : {kBlack, kWhite, MakeColour(255, 0, 0), MakeColour(0, 128, 0), MakeColour(1, 2, 250)}) {
    EXPECT_EQ(ColourOf(QColorOf(colour)), colour);
  }
  EXPECT_EQ(QColorOf(MakeColour(255, 0, 0)), QColor(Qt::red));
  EXPECT_EQ(ColourOf(QColor::fromHsv(240, 255, 255)), MakeColour(0, 0, 255));

  const Font font{"DejaVu Sans", 13, true, true, true, MakeColour(9, 8, 7), true};
  const QFont qt = QFontOf(font);
  EXPECT_EQ(qt.pointSize(), 13);
  EXPECT_TRUE(qt.strikeOut());
  EXPECT_EQ(FontOf(qt, font.colour), font);
  EXPECT_FALSE(FontOf(QFontOf(Font{"DejaVu Sans", 9}), kBlack).strikeout);
}

TEST(QtDialogsTest, DialogsLeaveOutWhatTheCallerDidNotAskFor) {
  const auto visible = [](QWidget& dialog, const char* class_suffix) {
    int shown = 0;
    for (QWidget* part : dialog.findChildren<QWidget*>()) {
      if (QString::fromLatin1(part->metaObject()->className()).endsWith(class_suffix) && part->isVisibleTo(&dialog)) {
        ++shown;
      }
    }
    return shown;
  };
  for (const bool asked : {false, true}) {
    QFontDialog fonts;
    ShapeFontDialog(fonts, asked);
    EXPECT_EQ(visible(fonts, "QCheckBox") > 0, asked);
    EXPECT_GT(visible(fonts, "ListView"), 0) << "faces and sizes stay";
    QColorDialog colours;
    ShapeColourDialog(colours, asked);
    EXPECT_EQ(visible(colours, "QColorPicker") > 0, asked);
  }
}

TEST(QtScreenTest, ReadsThePixelAWindowShows) {
  QWidget window(nullptr, Qt::FramelessWindowHint);
  window.setAutoFillBackground(true);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(12, 34, 56));
  window.setPalette(palette);
  window.setGeometry(40, 30, 20, 10);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QtScreen screen;
  QElapsedTimer waited;
  waited.start();
  while (screen.PixelAt({45, 35}) != MakeColour(12, 34, 56) && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_EQ(screen.PixelAt({45, 35}), MakeColour(12, 34, 56));
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
