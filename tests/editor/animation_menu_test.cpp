// The Animation menu and the card window's popup menu: what each offers and checks in the
// states a user meets, and the commands reaching the card through the card clipboard.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "animation/animation_test_support.h"
#include "card/card.h"
#include "editor_fixture.h"

namespace plorvane::test {
namespace {

class AnimationMenuTest : public EditorTest {
 protected:
  // Two shown elements; the second, drawn on top, is selected.
  void PlaceTwo() {
    TSAG& group = form_->Card().Animations();
    for (std::uint32_t seed : {1U, 2U}) {
      int index = -1;
      ASSERT_TRUE(group.AddFromBitmap(NoisyStrip(40, 20, seed), 20, index));
      TElementRec element;
      group.GetElement(index, element);
      element.Shown = true;
      group.SetElement(index, element);
    }
  }
  std::map<std::string, bool> Enabled(PopupMenu& menu, const std::vector<std::string>& items) {
    menu.Opening();
    std::map<std::string, bool> enabled;
    for (const std::string& item : items) enabled[item] = menu.IsEnabled(menu.IndexOf(item));
    return enabled;
  }
};

const std::vector<std::string> kItems = {"Bring to T&op", "Send to &Bottom", "&Duplicate", "D&elete",
                                         "T&ransparent", "Select from &File...", "Cu&t"};

TEST_F(AnimationMenuTest, StatesFollowSelectionLockAndPlace) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::map<std::string, bool> menu;
    std::map<std::string, bool> popup;
  };
  const std::vector<Case> cases = {
      {"nothing selected", [] {},
       {{"Bring to T&op", false}, {"Send to &Bottom", false}, {"&Duplicate", false}, {"D&elete", false},
        {"T&ransparent", false}, {"Select from &File...", true}, {"Cu&t", false}},
       {{"Bring to T&op", false}, {"Send to &Bottom", false}, {"&Duplicate", false}, {"D&elete", false},
        {"T&ransparent", false}, {"Select from &File...", true}, {"Cu&t", false}}},
      {"topmost selected",
       [this] { PlaceTwo(); },
       {{"Bring to T&op", true}, {"Send to &Bottom", true}, {"&Duplicate", true}, {"D&elete", true},
        {"T&ransparent", true}, {"Select from &File...", true}, {"Cu&t", true}},
       {{"Bring to T&op", false}, {"Send to &Bottom", true}, {"&Duplicate", true}, {"D&elete", true},
        {"T&ransparent", true}, {"Select from &File...", true}, {"Cu&t", true}}},
      {"locked",
       [this] {
         PlaceTwo();
         form_->iButtons_OnClick(10);
       },
       {{"Bring to T&op", false}, {"Send to &Bottom", false}, {"&Duplicate", false}, {"D&elete", false},
        {"T&ransparent", false}, {"Select from &File...", false}, {"Cu&t", false}},
       {{"Bring to T&op", false}, {"Send to &Bottom", false}, {"&Duplicate", false}, {"D&elete", false},
        {"T&ransparent", false}, {"Select from &File...", false}, {"Cu&t", false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    c.arrange();
    EXPECT_EQ(Enabled(Menu("&Animation"), kItems), c.menu);
    EXPECT_EQ(Enabled(form_->PopupMenu1(), kItems), c.popup);
  }
}

TEST_F(AnimationMenuTest, CommandsChangeTheCardAndLockAllShowsOnButtonTen) {
  Start();
  PlaceTwo();
  TSAG& group = form_->Card().Animations();
  ASSERT_TRUE(Pick("&Animation", "T&ransparent"));
  TElementRec element;
  group.GetSelectedElement(element);
  EXPECT_TRUE(element.pT);
  PopupMenu& animation = Menu("&Animation");
  animation.Opening();
  EXPECT_TRUE(animation.IsChecked(animation.IndexOf("T&ransparent")));

  ASSERT_TRUE(Pick("&Animation", "&Duplicate"));
  EXPECT_EQ(group.LastElement(), 2);
  ASSERT_TRUE(form_->PopupMenu1().ActivateByCaption("D&elete"));
  EXPECT_EQ(group.LastElement(), 1);

  ASSERT_TRUE(Pick("&Animation", "Loc&k All"));
  EXPECT_TRUE(form_->ToolButtons()[9].down);
  animation.Opening();
  EXPECT_TRUE(animation.IsChecked(animation.IndexOf("Loc&k All")));
  form_->Timer1Timer();
  EXPECT_FALSE(form_->ToolButtons()[7].enabled) << "no animations from files while locked";
}

TEST_F(AnimationMenuTest, OutlineModesAreRadioItems) {
  Start();
  for (const auto& [item, mode] : std::map<std::string, int>{{"All", 1}, {"None", 2}, {"Focus", 0}}) {
    ASSERT_TRUE(Pick("&Animation > O&utline", item));
    EXPECT_EQ(form_->Card().Animations().OutlineMode(), mode);
    PopupMenu& outline = Menu("&Animation > O&utline");
    outline.Opening();
    EXPECT_TRUE(outline.IsChecked(outline.IndexOf(item)));
  }
}

}  // namespace
}  // namespace plorvane::test
