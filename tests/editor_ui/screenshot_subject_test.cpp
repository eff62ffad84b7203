// The help pictures' subjects: what --shoot understands, and that a subject opens what it names
// and pictures just those windows.
#include "editor/ui/screenshot_subject.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <chrono>

#include "clipboard/card_clipboard.h"
#include "editor/ui/qt_tool_windows.h"
#include "editor_ui/editor_fixture.h"

namespace plorvane::test {
namespace {

using Kind = ScreenshotSubject::Kind;

TEST(ScreenshotSubjectWords, EachKnownWordNamesItsSubjectAndOthersNone) {
  struct Case {
    std::string_view word;
    Kind kind;
    ToolWindow window;
    std::string menu;
  };
  const Case cases[] = {{"editor", Kind::kEditor, ToolWindow::kTextInsert, ""},
                        {"strip", Kind::kStrip, ToolWindow::kTextInsert, ""},
                        {"text", Kind::kToolWindow, ToolWindow::kTextInsert, ""},
                        {"symbol", Kind::kToolWindow, ToolWindow::kInsertSymbol, ""},
                        {"animation", Kind::kToolWindow, ToolWindow::kAnimationElement, ""},
                        {"menu:Frame", Kind::kMenu, ToolWindow::kTextInsert, "Frame"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const auto subject = ReadScreenshotSubject(c.word);
    ASSERT_TRUE(subject.has_value());
    EXPECT_EQ(subject->kind, c.kind);
    if (c.kind == Kind::kToolWindow) {
      EXPECT_EQ(subject->window, c.window);
    }
    EXPECT_EQ(subject->menu, c.menu);
  }
  for (const std::string_view word : {"", "menu:", "Text", "menu", "all", "symbols"}) {
    EXPECT_FALSE(ReadScreenshotSubject(word).has_value()) << word;
  }
}

TEST(ScreenshotSubjectWords, CaptionsReadWithoutTheirMnemonicMarks) {
  EXPECT_EQ(WithoutMnemonic("F&rame"), "Frame");
  EXPECT_EQ(WithoutMnemonic("Save &As..."), "Save As...");
  EXPECT_EQ(WithoutMnemonic("Salt && Pepper"), "Salt & Pepper");
  EXPECT_EQ(WithoutMnemonic("Last&"), "Last");
  EXPECT_EQ(WithoutMnemonic("Plain"), "Plain");
}

class ScreenshotStageTest : public EditorWindowTest {
 protected:
  // The windows once the subject's finder answers them, events running meanwhile.
  static std::vector<QWidget*> WaitForWindows(const ShotWindows& windows) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::vector<QWidget*> shown;
    while ((shown = windows()).empty() && std::chrono::steady_clock::now() < deadline) {
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return shown;
  }
  [[nodiscard]] QImage Picture(const std::vector<QWidget*>& windows) const {
    const QString path = QString::fromStdString(folder_.File("shot.png"));
    if (!WriteWidgetsPicture(windows, path)) return {};
    return QImage(path);
  }

  QtToolWindows tools_{platform_, ZarvickClipboard()};
};

TEST_F(ScreenshotStageTest, AMenuSubjectOpensThatMenuAndPicturesItWithTheStrip) {
  const auto finder = StageScreenshot(*ReadScreenshotSubject("menu:Frame"), window_, tools_);
  ASSERT_TRUE(finder.has_value());
  const auto windows = WaitForWindows(*finder);
  ASSERT_EQ(windows.size(), 2U);
  EXPECT_EQ(windows[0], &window_);
  auto* menu = qobject_cast<QMenu*>(windows[1]);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->title(), "F&rame");
  const QImage picture = Picture(windows);
  ASSERT_FALSE(picture.isNull());
  const QRect both = window_.geometry() | menu->geometry();
  EXPECT_EQ(picture.size(), both.size());
  EXPECT_GT(picture.height(), window_.height()) << "the open menu is not in the picture";
}

TEST_F(ScreenshotStageTest, AMenuTheStripDoesNotHaveIsNothingToPicture) {
  EXPECT_FALSE(StageScreenshot(*ReadScreenshotSubject("menu:Frames"), window_, tools_).has_value());
  EXPECT_FALSE(StageScreenshot(*ReadScreenshotSubject("menu:F&rame"), window_, tools_).has_value());
}

TEST_F(ScreenshotStageTest, AToolWindowSubjectShowsThatWindowAndPicturesItAlone) {
  const auto finder = StageScreenshot(*ReadScreenshotSubject("symbol"), window_, tools_);
  ASSERT_TRUE(finder.has_value());
  const auto windows = WaitForWindows(*finder);
  ASSERT_EQ(windows.size(), 1U);
  EXPECT_EQ(windows[0], &tools_.SymbolWindow());
  EXPECT_FALSE(tools_.TextWindow().isVisible());
  const QImage picture = Picture(windows);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), tools_.SymbolWindow().size());
  // The window's own face, not the white ground the picture starts from.
  int white = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) white += picture.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
  }
  EXPECT_LT(white, picture.width() * picture.height() * 9 / 10);
}

TEST(ScreenshotPicture, NoVisibleWindowGivesNoPicture) {
  QWidget hidden;
  EXPECT_FALSE(WriteWidgetsPicture({&hidden}, "/nonexistent-folder/shot.png"));
  EXPECT_FALSE(WriteWidgetsPicture({}, "/nonexistent-folder/shot.png"));
}

}  // namespace
}  // namespace plorvane::test
