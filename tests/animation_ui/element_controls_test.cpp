// What the window shows of the selected element and what its controls write back.
#include <cstdlib>
#include <functional>
#include <vector>

#include "animation_window_fixture.h"

namespace plorvane::test {
namespace {

using ElementControls = AnimationWindowTest;

TEST_F(ElementControls, NothingSelectedDisablesEverythingButPasteAndDrag) {
  PlaceSelected(WithInterval(100));
  card_->Animations().Select(-1);

  for (const char* name : {"transparent", "flip", "mirror"}) EXPECT_FALSE(Box(name).isEnabled()) << name;
  EXPECT_FALSE(SpeedBar().isEnabled());
  EXPECT_FALSE(Button("fps_button").isEnabled());
  for (const char* name : {"flash", "horizontal_amount", "horizontal_direction", "vertical_amount", "vertical_direction"}) {
    EXPECT_FALSE(List(name).isEnabled()) << name;
  }
  for (const char* name : {"duplicate", "bring_to_top", "send_to_bottom", "copy"}) {
    EXPECT_FALSE(Button(name).isEnabled()) << name;
  }
  EXPECT_TRUE(Button("drag_window").isEnabled());
  EXPECT_EQ(SpeedLabel(), "Speed Still ");
}

TEST_F(ElementControls, PasteNeedsTheAnimationFileAndUnlockedAnimations) {
  struct Case {
    bool file;
    bool locked;
    bool enabled;
  };
  for (const Case c : {Case{false, false, false}, Case{true, false, true}, Case{true, true, false}}) {
    std::filesystem::remove(File("SAN"));
    if (c.file) WriteBytes(File("SAN"), {1, 2, 3});
    ASSERT_TRUE(clipboard_.SetLocked(c.locked));
    window_.Refresh();
    EXPECT_EQ(Button("paste").isEnabled(), c.enabled) << c.file << c.locked;
  }
}

TEST_F(ElementControls, StillElementShowsStillAndDisablesFlashAndScrolling) {
  TElementRec settings;
  settings.pT = true;
  settings.pF = 1;
  settings.pSH = 5;
  PlaceSelected(settings);

  EXPECT_EQ(SpeedLabel(), "Speed Still ");
  EXPECT_EQ(SpeedBar().value(), 49);
  EXPECT_TRUE(Box("transparent").isEnabled());
  EXPECT_TRUE(Box("transparent").isChecked());
  EXPECT_TRUE(SpeedBar().isEnabled());
  for (const char* name : {"flash", "horizontal_amount", "horizontal_direction", "vertical_amount", "vertical_direction"}) {
    EXPECT_FALSE(List(name).isEnabled()) << name;
  }
}

TEST_F(ElementControls, ShowsTheElementsSettings) {
  TElementRec settings;
  settings.pD = 500;
  settings.pFV = true;
  settings.pF = 2;
  settings.pSH = -7;
  settings.pSV = 12;
  PlaceSelected(settings);

  EXPECT_EQ(SpeedLabel(), "Speed 2.00fps [500ms]");
  EXPECT_EQ(SpeedBar().value(), 1550);
  EXPECT_FALSE(Box("transparent").isChecked());
  EXPECT_TRUE(Box("flip").isChecked());
  EXPECT_FALSE(Box("mirror").isChecked());
  EXPECT_EQ(List("flash").currentText(), "Odd");
  EXPECT_EQ(List("horizontal_amount").currentText(), "7%");
  EXPECT_EQ(List("horizontal_direction").currentText(), "Left");
  EXPECT_EQ(List("vertical_amount").currentText(), "12%");
  EXPECT_EQ(List("vertical_direction").currentText(), "Down");
  for (const char* name : {"flash", "horizontal_amount", "horizontal_direction", "vertical_amount", "vertical_direction"}) {
    EXPECT_TRUE(List(name).isEnabled()) << name;
  }
}

TEST_F(ElementControls, FrameRateChoiceSetsIntervalBarAndLabel) {
  PlaceSelected();
  window_.SetFps(12);
  EXPECT_EQ(Selected().pD, 83);
  EXPECT_EQ(SpeedBar().value(), 1967);
  EXPECT_EQ(SpeedLabel(), "Speed 12.04fps [83ms]");
  EXPECT_TRUE(List("flash").isEnabled());

  for (const int still : {0, -4}) {
    window_.SetFps(20);
    window_.SetFps(still);
    EXPECT_EQ(Selected().pD, 0) << still;
    EXPECT_EQ(SpeedLabel(), "Speed Still ");
  }
}

TEST_F(ElementControls, StillChoiceStopsAnElementTooFastForTheBar) {
  PlaceSelected(WithInterval(30));
  ASSERT_EQ(SpeedBar().value(), 49);
  // The bar stays where it is, so only `apply` writes the element.
  window_.SetFps(0, false);
  EXPECT_EQ(Selected().pD, 30);
  window_.SetFps(0);
  EXPECT_EQ(Selected().pD, 0);
}

TEST_F(ElementControls, MovingTheBarWritesTheInterval) {
  PlaceSelected(WithInterval(500));
  SpeedBar().setValue(2000);
  EXPECT_EQ(Selected().pD, 50);
  EXPECT_EQ(SpeedLabel(), "Speed 20.00fps [50ms]");
  SpeedBar().setValue(49);
  EXPECT_EQ(Selected().pD, 0);
  EXPECT_FALSE(List("flash").isEnabled());
}

TEST_F(ElementControls, CheckBoxesWriteTheirFlagAndMarkTheCardChanged) {
  struct Case {
    const char* box;
    bool TElementRec::*flag;
  };
  PlaceSelected(WithInterval(100));
  for (const Case c : {Case{"transparent", &TElementRec::pT}, Case{"flip", &TElementRec::pFV},
                       Case{"mirror", &TElementRec::pFH}}) {
    card_->SetSaved(true);
    Box(c.box).click();
    EXPECT_TRUE(Selected().*c.flag) << c.box;
    EXPECT_FALSE(card_->Saved()) << c.box;
    Box(c.box).click();
    EXPECT_FALSE(Selected().*c.flag) << c.box;
  }
  EXPECT_EQ(Selected().pD, 100);
}

TEST_F(ElementControls, ListsWriteFlashAndScrollSteps) {
  PlaceSelected(WithInterval(100));
  List("flash").setCurrentIndex(1);
  EXPECT_EQ(Selected().pF, 1);

  EXPECT_FALSE(List("horizontal_direction").isEnabled());
  List("horizontal_amount").setCurrentIndex(5);
  EXPECT_EQ(Selected().pSH, 5);
  EXPECT_TRUE(List("horizontal_direction").isEnabled());
  List("horizontal_direction").setCurrentIndex(0);
  EXPECT_EQ(Selected().pSH, -5);

  EXPECT_FALSE(List("vertical_direction").isEnabled());
  List("vertical_amount").setCurrentIndex(50);
  List("vertical_direction").setCurrentIndex(0);
  EXPECT_EQ(Selected().pSV, -50);
  List("vertical_amount").setCurrentIndex(0);
  EXPECT_EQ(Selected().pSV, 0);
  EXPECT_FALSE(List("vertical_direction").isEnabled());
}

TEST_F(ElementControls, SettingsBeyondTheControlsSurviveOtherChanges) {
  // 30 ms shows as still and 3000 ms as 2000; scroll steps go to 99% but the lists to 50%.
  struct Case {
    int interval;
    int horizontal;
    int vertical;
  };
  for (const Case c : {Case{30, 80, -99}, Case{3000, -60, 51}}) {
    TElementRec settings = WithInterval(c.interval);
    settings.pSH = c.horizontal;
    settings.pSV = c.vertical;
    PlaceSelected(settings);
    Box("transparent").click();
    ASSERT_TRUE(Selected().pT);
    EXPECT_EQ(Selected().pD, c.interval);
    EXPECT_EQ(Selected().pSH, c.horizontal);
    EXPECT_EQ(Selected().pSV, c.vertical);
  }
}

TEST_F(ElementControls, GroupChangesRefreshTheWindow) {
  PlaceSelected(WithInterval(100));
  TElementRec element = Selected();
  element.pFH = true;
  element.pD = 250;
  card_->Animations().SetSelectedElement(element);
  EXPECT_TRUE(Box("mirror").isChecked());
  EXPECT_EQ(SpeedLabel(), "Speed 4.00fps [250ms]");

  card_->Animations().Select(-1);
  EXPECT_FALSE(Box("mirror").isEnabled());
  EXPECT_FALSE(Box("mirror").isChecked());
}

TEST_F(ElementControls, ControlsDoNothingWhileTheWindowDoesNotListen) {
  PlaceSelected(WithInterval(100));
  card_->Animations().OnChange = [] {};
  window_.Refresh();
  EXPECT_FALSE(Box("transparent").isEnabled());
  EXPECT_FALSE(Button("paste").isEnabled());
  SpeedBar().setValue(2000);
  List("flash").setCurrentIndex(2);
  EXPECT_EQ(Selected().pD, 100);
  EXPECT_EQ(Selected().pF, 0);
}

TEST_F(ElementControls, FpsButtonAsksForTheFrameRateMenu) {
  PlaceSelected(WithInterval(100));
  EXPECT_FALSE(Button("fps_button").isEnabled());  // nobody to ask yet
  int asked = 0;
  window_.OnFpsMenu = [&] {
    ++asked;
    window_.SetFps(5);
  };
  window_.Refresh();
  ASSERT_TRUE(Button("fps_button").isEnabled());
  Button("fps_button").click();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Selected().pD, 200);
  EXPECT_EQ(SpeedLabel(), "Speed 5.00fps [200ms]");
}

}  // namespace
}  // namespace plorvane::test
