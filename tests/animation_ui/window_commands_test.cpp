// The tool buttons and menus of the window, and a card that goes away or is replaced.
#include <filesystem>

#include "animation_window_fixture.h"

namespace plorvane::test {
namespace {

using WindowCommands = AnimationWindowTest;

PopupMenu& EditMenu(TAnimationElementWindow& window) { return *window.MainMenu().Submenu(1); }
PopupMenu& HelpMenu(TAnimationElementWindow& window) { return *window.MainMenu().Submenu(2); }

bool EditItemEnabled(TAnimationElementWindow& window, std::string_view caption) {
  PopupMenu& edit = EditMenu(window);
  return edit.IsEnabled(edit.IndexOf(caption));
}

TEST_F(WindowCommands, EditMenuFollowsTheSelection) {
  PlaceSelected();
  PlaceSelected(*card_, {}, 2);  // the top one is selected
  EditMenu(window_).Opening();
  for (const char* caption : {"Dup&licate", "&Send to Bottom", "Cu&t", "&Copy", "&Delete"}) {
    EXPECT_TRUE(EditItemEnabled(window_, caption)) << caption;
  }
  EXPECT_FALSE(EditItemEnabled(window_, "&Bring to Top"));
  EXPECT_FALSE(EditItemEnabled(window_, "&Paste"));

  card_->Animations().Select(-1);
  WriteBytes(File("SAN"), {1});
  EditMenu(window_).Opening();
  for (const char* caption : {"Dup&licate", "&Bring to Top", "&Send to Bottom", "Cu&t", "&Copy", "&Delete"}) {
    EXPECT_FALSE(EditItemEnabled(window_, caption)) << caption;
  }
  EXPECT_TRUE(EditItemEnabled(window_, "&Paste"));
}

TEST_F(WindowCommands, ButtonsRunTheClipboardOperations) {
  const int first = PlaceSelected(WithInterval(100));
  EXPECT_FALSE(Button("bring_to_top").isEnabled());

  Button("duplicate").click();
  EXPECT_EQ(card_->Animations().GetCounts().elements, 2);
  EXPECT_TRUE(Selected().Shown);

  card_->Animations().Select(first);
  ASSERT_TRUE(Button("bring_to_top").isEnabled());
  EXPECT_FALSE(Button("send_to_bottom").isEnabled());
  Button("bring_to_top").click();
  EXPECT_EQ(card_->Animations().Selected(), 1);
  EXPECT_FALSE(Button("bring_to_top").isEnabled());
  Button("send_to_bottom").click();
  EXPECT_EQ(card_->Animations().Selected(), 0);

  EXPECT_FALSE(Button("paste").isEnabled());
  Button("copy").click();
  EXPECT_TRUE(Exists("SAN"));
  ASSERT_TRUE(Button("paste").isEnabled());
  Button("paste").click();
  EXPECT_EQ(card_->Animations().GetCounts().elements, 3);
  EXPECT_EQ(Selected().pD, 100);
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
}

TEST_F(WindowCommands, CutAndDeleteFromTheMenu) {
  PlaceSelected();
  PlaceSelected(*card_, {}, 2);
  EditMenu(window_).Opening();
  ASSERT_TRUE(EditMenu(window_).ActivateByCaption("Cu&t"));
  EXPECT_TRUE(Exists("SAN"));
  EXPECT_EQ(card_->Animations().GetCounts().elements, 1);

  card_->Animations().Select(0);
  EditMenu(window_).Opening();
  ASSERT_TRUE(EditMenu(window_).ActivateByCaption("&Delete"));
  EXPECT_EQ(card_->Animations().GetCounts().elements, 0);
  EXPECT_FALSE(Box("transparent").isEnabled());
}

TEST_F(WindowCommands, FailedOperationShowsTheClipboardsError) {
  PlaceSelected();
  // A folder where the clipboard file belongs cannot be replaced by the copy.
  std::filesystem::create_directories(File("SAN") + "/in-the-way");
  Button("copy").click();
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].caption, "Error");
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].text, clipboard_.LastError());
}

TEST_F(WindowCommands, OnTopTogglesAndShowsItsMark) {
  PopupMenu& edit = EditMenu(window_);
  const int on_top = edit.IndexOf("&OnTop");
  ASSERT_TRUE(edit.Activate(on_top));
  EXPECT_TRUE(window_.OnTop());
  edit.Opening();
  EXPECT_TRUE(edit.IsChecked(on_top));
  ASSERT_TRUE(edit.Activate(on_top));
  EXPECT_FALSE(window_.OnTop());
  edit.Opening();
  EXPECT_FALSE(edit.IsChecked(on_top));
}

TEST_F(WindowCommands, HelpNeedsSomeoneToShowIt) {
  PopupMenu& help = HelpMenu(window_);
  help.Opening();
  EXPECT_FALSE(help.IsEnabled(0));
  int asked = 0;
  window_.OnHelp = [&] { ++asked; };
  help.Opening();
  ASSERT_TRUE(help.Activate(0));
  EXPECT_EQ(asked, 1);
}

TEST_F(WindowCommands, CloseHidesAndShowBringsItBack) {
  window_.Show();
  ASSERT_TRUE(window_.Form().isVisible());
  ASSERT_TRUE(window_.MainMenu().Submenu(0)->ActivateByCaption("&Close"));
  EXPECT_FALSE(window_.Form().isVisible());
  window_.Form().showMinimized();
  window_.Show();
  EXPECT_TRUE(window_.Form().isVisible());
  EXPECT_FALSE(window_.Form().isMinimized());
}

TEST_F(WindowCommands, WithoutACardNothingIsSelectedAndNothingBreaks) {
  PlaceSelected(WithInterval(100));
  clipboard_.SetCard(nullptr);
  window_.Refresh();
  EXPECT_FALSE(window_.IsListener());
  EXPECT_FALSE(Box("transparent").isEnabled());
  EXPECT_FALSE(Button("paste").isEnabled());

  window_.Show();
  window_.Attach();
  window_.SetFps(12);
  SpeedBar().setValue(1000);
  EditMenu(window_).Opening();
  for (const char* caption : {"Dup&licate", "&Bring to Top", "Cu&t", "&Copy", "&Paste", "&Delete"}) {
    EXPECT_FALSE(EditItemEnabled(window_, caption)) << caption;
  }
  EXPECT_EQ(Selected().pD, 100);

  clipboard_.SetCard(card_.get());
  window_.Show();
  EXPECT_TRUE(window_.IsListener());
  EXPECT_TRUE(Box("transparent").isEnabled());
}

TEST_F(WindowCommands, ReplacedCardIsListenedToOnceShown) {
  TElementRec old_settings = WithInterval(100);
  old_settings.pT = true;
  PlaceSelected(old_settings);
  ASSERT_TRUE(Box("transparent").isChecked());

  auto replacement = NewEditorCard();
  TElementRec new_settings = WithInterval(500);
  new_settings.pFH = true;
  PlaceSelected(*replacement, new_settings);
  clipboard_.SetCard(replacement.get());
  card_ = std::move(replacement);  // the old card and its group are gone

  window_.Refresh();
  EXPECT_FALSE(window_.IsListener());
  EXPECT_FALSE(Box("mirror").isEnabled());
  SpeedBar().setValue(2000);
  EXPECT_EQ(Selected().pD, 500);

  window_.Show();
  EXPECT_TRUE(window_.IsListener());
  EXPECT_TRUE(Box("mirror").isChecked());
  EXPECT_EQ(SpeedLabel(), "Speed 2.00fps [500ms]");
}

TEST_F(WindowCommands, ClosingTheWindowStopsListening) {
  auto window = std::make_unique<TAnimationElementWindow>(platform_, clipboard_);
  window->Attach();
  ASSERT_TRUE(window->IsListener());
  window.reset();
  EXPECT_FALSE(card_->Animations().OnChange);
  PlaceSelected();  // would call the window that is gone
}

}  // namespace
}  // namespace plorvane::test
