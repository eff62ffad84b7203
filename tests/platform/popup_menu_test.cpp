#include "platform/popup_menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace plorvane {
namespace {

TEST(PopupMenuTest, ActivatesOnlyEnabledItems) {
  std::vector<std::string> clicked;
  PopupMenu menu;
  const int play = menu.AddItem("Play", [&] { clicked.push_back("Play"); });
  const int separator = menu.AddSeparator();
  menu.AddItem("Exit", [&] { clicked.push_back("Exit"); });
  menu.AddItem("Silent", {});
  ASSERT_TRUE(menu.SetEnabled(play, false));

  EXPECT_FALSE(menu.ActivateByCaption("Play"));
  EXPECT_FALSE(menu.Activate(separator));
  EXPECT_FALSE(menu.ActivateByCaption("-"));
  EXPECT_FALSE(menu.ActivateByCaption("Silent"));
  EXPECT_FALSE(menu.ActivateByCaption("Missing"));
  EXPECT_FALSE(menu.Activate(-1));
  EXPECT_FALSE(menu.Activate(menu.Count()));
  EXPECT_TRUE(menu.ActivateByCaption("Exit"));
  ASSERT_TRUE(menu.SetEnabled(play, true));
  EXPECT_TRUE(menu.Activate(play));

  EXPECT_EQ(clicked, (std::vector<std::string>{"Exit", "Play"}));
}

TEST(PopupMenuTest, SeparatorsCarryTheDashCaption) {
  PopupMenu menu;
  menu.AddItem("About", [] {});
  const int separator = menu.AddSeparator();
  EXPECT_EQ(menu.Caption(separator), "-");
  EXPECT_TRUE(menu.IsSeparator(separator));
  EXPECT_FALSE(menu.IsSeparator(0));
  EXPECT_FALSE(menu.SetCaption(5, "x"));
  EXPECT_EQ(menu.Caption(5), "");
}

TEST(PopupMenuTest, SubmenusMarksAndShortcutsBelongToTheirItem) {
  PopupMenu bar;
  const int frame = bar.AddSubmenu("F&rame");
  PopupMenu* styles = bar.Submenu(frame);
  ASSERT_NE(styles, nullptr);
  bool ran = false;
  const int love = styles->AddItem("Love", [&] { ran = true; });
  ASSERT_TRUE(styles->SetMark(love, MenuMark::kRadio));
  ASSERT_TRUE(styles->SetChecked(love, true));
  ASSERT_TRUE(styles->SetShortcut(love, "Ctrl+F3"));

  EXPECT_EQ(bar.Submenu(frame), styles);  // stable while the bar grows
  bar.AddItem("&Help", [] {});
  EXPECT_EQ(bar.Submenu(frame), styles);
  EXPECT_EQ(bar.Submenu(1), nullptr);
  EXPECT_FALSE(bar.Activate(frame));  // a submenu item only opens its menu
  EXPECT_EQ(styles->Mark(love), MenuMark::kRadio);
  EXPECT_TRUE(styles->IsChecked(love));
  EXPECT_EQ(styles->Shortcut(love), "Ctrl+F3");
  EXPECT_EQ(bar.Mark(frame), MenuMark::kNone);
  EXPECT_EQ(bar.Shortcut(7), "");
  EXPECT_FALSE(styles->SetMark(3, MenuMark::kCheck));

  int opened = 0;
  styles->OnOpen = [&] { ++opened; };
  styles->Opening();
  bar.Opening();  // no OnOpen: nothing to run
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(styles->Activate(love));
  EXPECT_TRUE(ran);
}

TEST(PopupMenuTest, HandlerMayDestroyItsMenu) {
  auto menu = std::make_unique<PopupMenu>();
  bool ran = false;
  menu->AddItem("Exit", [&] {
    menu.reset();
    ran = true;
  });
  EXPECT_TRUE(menu->ActivateByCaption("Exit"));
  EXPECT_TRUE(ran);
  EXPECT_EQ(menu, nullptr);
}

}  // namespace
}  // namespace plorvane
