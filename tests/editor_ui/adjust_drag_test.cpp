// The adjust buttons of the real strip under Qt's own mouse handling: a drag on the size button
// changes the frame without the size dialog, a plain click asks once, and a colour drag shows
// the cross only while the button is held.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <optional>
#include <string>
#include <vector>

#include "card/card.h"
#include "editor/ui/tool_bar_panel.h"
#include "editor_ui/editor_fixture.h"

namespace plorvane::test {
namespace {

constexpr int kSizeButton = 16;
constexpr int kFrameColourButton = 17;
constexpr int kLinkColourButton = 19;
const QPoint kMiddle{12, 10};

class AdjustDragTest : public EditorWindowTest {
 protected:
  QToolButton& Button(int tag) { return window_.ToolBar().Button(tag); }

  // Pressed in the middle of the button, moved through `path` with the button held, released at
  // the last point.
  void Drag(int tag, const std::vector<QPoint>& path) {
    QToolButton& button = Button(tag);
    QTest::mousePress(&button, Qt::LeftButton, {}, kMiddle);
    for (const QPoint& at : path) QTest::mouseMove(&button, at);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, path.empty() ? kMiddle : path.back());
  }

  [[nodiscard]] std::size_t InputBoxes() { return platform_.dialogs().input_boxes().size(); }
};

TEST_F(AdjustDragTest, DraggingTheSizeButtonSetsTheSizeAndNeverAsks) {
  struct Case {
    const char* what;
    std::vector<QPoint> path;
    int size;
  };
  // The first move of a press is taken for the hand's shake; 15 + 12 = 27 gives 25.
  const std::vector<Case> cases = {
      {"down by 12", {{12, 11}, {12, 22}}, 25},
      {"up by 20, the frame goes", {{12, 9}, {12, -10}}, 0},
      {"far down, below the strip", {{12, 11}, {12, 400}}, 75},
  };
  for (const auto& [what, path, size] : cases) {
    SCOPED_TRACE(what);
    form_->Card().SetSize(15);
    Drag(kSizeButton, path);
    EXPECT_EQ(form_->Card().pSize(), size);
    EXPECT_EQ(InputBoxes(), 0U) << "a drag ended in the size dialog";
  }
  // The whole last drag is one step back.
  ASSERT_TRUE(form_->Card().Undo());
  EXPECT_EQ(form_->Card().pSize(), 15);
}

TEST_F(AdjustDragTest, ClickingTheSizeButtonAsksForTheSizeOnce) {
  form_->Card().SetSize(15);
  platform_.dialogs().ScriptInputAnswer("40");
  QTest::mouseClick(&Button(kSizeButton), Qt::LeftButton, {}, kMiddle);
  ASSERT_EQ(InputBoxes(), 1U);
  EXPECT_EQ(platform_.dialogs().input_boxes()[0].caption, "Frame Size");
  EXPECT_EQ(platform_.dialogs().input_boxes()[0].default_text, "15");
  EXPECT_EQ(form_->Card().pSize(), 40);
  EXPECT_EQ(window_.windowTitle(), "*Untitled.exe - Plorvane");
}

TEST_F(AdjustDragTest, ColourButtonsShowTheCrossWhileHeldAndAskOnlyOnAPlainClick) {
  for (const int tag : {kFrameColourButton, kLinkColourButton}) {
    SCOPED_TRACE(tag);
    QToolButton& button = Button(tag);
    const std::size_t dialogs_before = platform_.dialogs().colour_dialogs().size();
    QTest::mousePress(&button, Qt::LeftButton, {}, kMiddle);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QTest::mouseMove(&button, {-60, 40});
    QTest::mouseMove(&button, {-80, 40});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {-80, 40});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the cross stayed after the release";
    EXPECT_EQ(platform_.dialogs().colour_dialogs().size(), dialogs_before) << "a release away from the button asked";

    platform_.dialogs().ScriptColourAnswer(std::nullopt);
    QTest::mouseClick(&button, Qt::LeftButton, {}, kMiddle);
    EXPECT_EQ(platform_.dialogs().colour_dialogs().size(), dialogs_before + 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  // The size button takes nothing from the screen.
  QTest::mousePress(&Button(kSizeButton), Qt::LeftButton, {}, kMiddle);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  QTest::mouseRelease(&Button(kSizeButton), Qt::LeftButton, {}, {12, 40});
}

TEST_F(AdjustDragTest, OtherButtonsStillClick) {
  // Button 5 is Undo: it takes the drag back.
  form_->Card().SetSize(15);
  Drag(kSizeButton, {{12, 11}, {12, 40}});
  ASSERT_NE(form_->Card().pSize(), 15);
  QTest::mouseClick(&Button(5), Qt::LeftButton);
  EXPECT_EQ(form_->Card().pSize(), 15);
}

}  // namespace
}  // namespace plorvane::test
