// The main window's side of the tool windows: the Edit menu and the frame-rate menu reach them,
// their pictures become animations on the card, their help pages open, and they follow the
// editor's busy state, lock, settings and lifetime.
#include <algorithm>

#include "editor_fixture.h"
#include "graphics/jpeg_graphic.h"

namespace plorvane::test {
namespace {

class ToolWindowsTest : public EditorTest {
 protected:
  [[nodiscard]] RecordingToolWindows& Windows() { return view_.windows; }
  [[nodiscard]] ToolWindowEvents& Events() {
    if (Windows().events == nullptr) throw std::logic_error("the tool windows were not wired");
    return *Windows().events;
  }
  [[nodiscard]] int Elements() { return form_->Card().Animations().GetCounts().elements; }
  [[nodiscard]] bool Logged(const std::string& entry) {
    const std::vector<std::string> entries = platform_.log().Entries();
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
  }
};

TEST_F(ToolWindowsTest, StartUpWiresTheWindowsAndExitLetsThemGo) {
  TForm1& form = Start();
  EXPECT_TRUE(platform_.log().ContainsInOrder({"tool windows wired", "tool windows load settings", "strip show"}));
  EXPECT_TRUE(Windows().insert_enabled);
  EXPECT_EQ(Windows().sync_caption, "&Synchronise");

  form.Card().SetSaved(true);
  form.FormCloseQuery();
  EXPECT_TRUE(platform_.log().ContainsInOrder({"tool windows save settings", "tool windows unwired"}));
  EXPECT_EQ(Windows().events, nullptr);
}

TEST_F(ToolWindowsTest, TheEditMenuAndTheFrameRateMenuReachTheWindows) {
  TForm1& form = Start();
  ASSERT_TRUE(Pick("&Edit", "&Modify Animation..."));
  ASSERT_TRUE(Pick("&Edit", "Insert Te&xt..."));
  ASSERT_TRUE(Pick("&Edit", "Insert &Symbol..."));
  EXPECT_TRUE(platform_.log().ContainsInOrder(
      {"tool window show animation", "tool window show text", "tool window show symbol"}));

  // The element window's frame-rate button pops the menu up at the pointer; its choice comes back.
  platform_.screen().SetMousePosition({310, 220});
  platform_.windowing().ScriptMenuPick("12");
  Events().OnFpsMenu();
  ASSERT_EQ(platform_.windowing().shown_menus().size(), 1U);
  EXPECT_EQ(platform_.windowing().shown_menus()[0].screen_position, (Point{310, 220}));
  EXPECT_EQ(platform_.windowing().shown_menus()[0].items.front().caption, "Still");
  EXPECT_TRUE(Logged("tool window fps 12"));
  ASSERT_TRUE(form.PopupMenu2().ActivateByCaption("Still"));
  EXPECT_TRUE(Logged("tool window fps 0"));
}

TEST_F(ToolWindowsTest, AnInsertedPictureIsATransparentAnimationThatOneUndoTakesBack) {
  TForm1& form = Start();
  ASSERT_TRUE(Windows().picture.Resize(40, 12, kWhite));
  Windows().picture.SetPixel(5, 5, kBlack);

  Events().OnInsert(ToolWindow::kTextInsert);
  ASSERT_EQ(Elements(), 1);
  TElementRec element;
  form.Card().Animations().GetSelectedElement(element);
  EXPECT_TRUE(element.pT);
  EXPECT_EQ(form.Card().Animations().GetCounts().animations, 1);
  // The window rendered while the editor was busy, and got its picture back afterwards.
  EXPECT_TRUE(platform_.log().ContainsInOrder({"tool window picture text busy", "tool window release text"}));
  EXPECT_FALSE(Windows().busy);

  ASSERT_TRUE(Pick("&Edit", "&Undo"));
  EXPECT_EQ(Elements(), 0);

  Events().OnInsert(ToolWindow::kInsertSymbol);
  EXPECT_EQ(Elements(), 1);
  EXPECT_TRUE(Logged("tool window release symbol"));
}

TEST_F(ToolWindowsTest, AStoppedRenderingLeavesTheCardAsItWasWithoutAnError) {
  Start();
  ASSERT_TRUE(Windows().picture.empty());
  Events().OnInsert(ToolWindow::kTextInsert);
  EXPECT_EQ(Elements(), 0);
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
  EXPECT_TRUE(form_->Card().Saved());
  EXPECT_TRUE(Logged("tool window release text"));
}

TEST_F(ToolWindowsTest, InsertingWhileLockedIsRefusedAndTheWindowsKnowIt) {
  TForm1& form = Start();
  ASSERT_TRUE(Windows().picture.Resize(10, 10, kWhite));
  form.iButtons_OnClick(10);  // Lock All
  form.Timer1Timer();
  EXPECT_FALSE(Windows().insert_enabled);

  Events().OnInsert(ToolWindow::kTextInsert);
  EXPECT_EQ(Elements(), 0);
  ASSERT_FALSE(platform_.dialogs().error_boxes().empty());
  EXPECT_EQ(platform_.dialogs().error_boxes().back().text, "Locked");
  EXPECT_TRUE(Logged("tool window release text"));

  form.iButtons_OnClick(10);
  form.Timer1Timer();
  EXPECT_TRUE(Windows().insert_enabled);
}

TEST_F(ToolWindowsTest, EachWindowOpensItsOwnHelpPage) {
  form_ = MakeForm({TestCarriers().critical, TestCarriers().support,
                    Carrier({{"index.html", Bytes("<html></html>")},
                             {"text.html", Bytes("<html>text</html>")},
                             {"symbol.html", Bytes("<html>symbol</html>")},
                             {"animation.html", Bytes("<html>animation</html>")}})});
  ASSERT_TRUE(form_->FormCreate());
  Events().OnHelp(ToolWindow::kTextInsert);
  Events().OnHelp(ToolWindow::kInsertSymbol);
  Events().OnHelp(ToolWindow::kAnimationElement);
  const auto& opened = platform_.shell().opened_documents();
  ASSERT_EQ(opened.size(), 3U);
  EXPECT_TRUE(opened[0].ends_with("/text.html")) << opened[0];
  EXPECT_TRUE(opened[1].ends_with("/symbol.html")) << opened[1];
  EXPECT_TRUE(opened[2].ends_with("/animation.html")) << opened[2];
}

TEST_F(ToolWindowsTest, SynchroniseSizesTheTextAreaLikeTheCardPicture) {
  TForm1& form = Start();
  Picture picture;
  Bitmap pixels;
  ASSERT_TRUE(pixels.Resize(330, 240, kWhite));
  picture.SetGraphic(TJPEGImage::FromBitmap(pixels, 80));
  form.Card().SetCardPicture(std::move(picture));
  Events().OnSync();
  EXPECT_TRUE(Logged("tool window sync 330x240"));
}

TEST_F(ToolWindowsTest, TheWindowsAreBusyWhileTheEditorIs) {
  Start();
  bool busy_during_command = false;
  form_->Card().OnChange = [&] { busy_during_command = busy_during_command || Windows().busy; };
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Classic"));
  EXPECT_TRUE(busy_during_command);
  EXPECT_FALSE(Windows().busy);
}

}  // namespace
}  // namespace plorvane::test
