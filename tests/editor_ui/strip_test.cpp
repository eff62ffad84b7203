// The strip as the user meets it: its place and size, the tool buttons where the tool bar's rule
// puts them, their hints, cursors and toggles, the caption, and a close request that only asks.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "editor/ui/tool_bar_panel.h"
#include "texttools/ui/tool_window_frame.h"
#include "editor_ui/editor_fixture.h"

namespace plorvane::test {
namespace {

using StripTest = EditorWindowTest;

// Buttons 25 pixels wide from left 1, a gap of 10 before buttons 5, 7, 13, 16 and 20.
int ExpectedLeft(int tag) {
  int left = 1;
  for (int before = 2; before <= tag; ++before) {
    left += TForm1::kToolButtonSide;
    if (before == 5 || before == 7 || before == 13 || before == 16 || before == 20) left += 10;
  }
  return left;
}

TEST_F(StripTest, StripIsAtTheTopLeftWithOnlyMenuAndToolBar) {
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(window_.frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(window_.frameGeometry().width(), 640);
  EXPECT_EQ(window_.ToolBar().height(), 27);
  EXPECT_EQ(window_.height(), window_.MenuBar().height() + 27);
  EXPECT_EQ(window_.ToolBar().y(), window_.MenuBar().height());
  EXPECT_EQ(window_.windowTitle(), "Untitled.exe - Plorvane");
}

TEST_F(StripTest, ButtonsSitWhereTheToolBarRulePutsThem) {
  for (int tag = 1; tag <= TForm1::kToolButtonCount; ++tag) {
    const QToolButton& button = window_.ToolBar().Button(tag);
    SCOPED_TRACE(tag);
    EXPECT_EQ(button.geometry(), QRect(ExpectedLeft(tag), 1, 25, 25));
    EXPECT_TRUE(button.autoRaise());
    EXPECT_FALSE(button.icon().isNull());
    const bool drags = tag == 16 || tag == 17 || tag == 19;
    EXPECT_EQ(button.cursor().shape(), drags ? Qt::DragMoveCursor : Qt::PointingHandCursor);
    // Button 15 adds a line of its own while no volume control is installed (the editor's tests).
    if (tag != 15) {
      EXPECT_EQ(button.toolTip().count('\n'), drags ? 2 : 0) << button.toolTip().toStdString();
    }
  }
  EXPECT_EQ(window_.ToolBar().Button(16).toolTip(),
            "Frame Size\n* Click for Size Dialog Window\n* Click and drag up/down for Size Adjust");
  EXPECT_EQ(window_.ToolBar().Button(1).toolTip(), "New");
}

TEST_F(StripTest, PauseAndLockButtonsStayDownWhileTheirStateIsOn) {
  for (const int tag : {9, 10}) {
    QToolButton& button = window_.ToolBar().Button(tag);
    SCOPED_TRACE(tag);
    EXPECT_FALSE(button.isChecked());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isChecked());
    EXPECT_TRUE(form_->ToolButtons()[static_cast<std::size_t>(tag - 1)].down);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isChecked());
  }
}

TEST_F(StripTest, CloseRequestOfASavedCardEndsThroughTheFormNotTheWindow) {
  QCloseEvent close;
  QCoreApplication::sendEvent(&window_, &close);
  EXPECT_FALSE(close.isAccepted());
  // The form's close flow hid the strip and asked the program to end; the widget itself was
  // never closed, so nothing of it is destroyed behind the form's back.
  EXPECT_FALSE(window_.isVisible());
}

TEST(ToolBarTexts, MultiLineHintsBreakAtEachLineEnd) {
  EXPECT_EQ(TooltipOf("Frame Color\r\n* Click for Color Window\r\n* Click and drag for Screen Color"),
            "Frame Color\n* Click for Color Window\n* Click and drag for Screen Color");
  EXPECT_EQ(TooltipOf("Stop"), "Stop");
}

TEST(ToolBarGlyphs, BackgroundOfTheLowerLeftColourIsTransparent) {
  Bitmap glyph;
  ASSERT_TRUE(glyph.Resize(4, 4));  // white
  glyph.SetPixel(1, 1, MakeColour(0, 0, 0));
  const QImage shown = GlyphPixmap(glyph).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(shown.pixel(0, 3)), 0);
  EXPECT_EQ(qAlpha(shown.pixel(3, 0)), 0);
  EXPECT_EQ(shown.pixel(1, 1), qRgba(0, 0, 0, 255));
}

}  // namespace
}  // namespace plorvane::test
