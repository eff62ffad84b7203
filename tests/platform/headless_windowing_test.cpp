#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace plorvane {
namespace {

class RecordingReceiver final : public WindowEventReceiver {
 public:
  void OnMouseDown(const MouseEvent& event) override { Add("down", event); }
  void OnMouseMove(const MouseEvent& event) override { Add("move", event); }
  void OnMouseUp(const MouseEvent& event) override { Add("up", event); }
  bool OnKeyDown(const KeyEvent& event) override {
    events.push_back("key " + std::to_string(event.key));
    return event.key == kKeyDelete;
  }
  void OnPaint() override { events.push_back("paint"); }
  void OnClose() override { events.push_back("close"); }

  std::vector<std::string> events;

 private:
  void Add(const char* what, const MouseEvent& event) {
    events.push_back(std::string(what) + " " + std::to_string(event.position.x) + "," +
                     std::to_string(event.position.y));
  }
};

TEST(HeadlessWindowingTest, RightClickShowsTheAttachedMenuAndPicksOnlyEnabledItems) {
  HeadlessPlatform platform;
  RecordingReceiver receiver;
  auto window = platform.windowing().CreateCardWindow(receiver, WindowRole::kMain);
  window->MoveTo({100, 50});
  std::vector<std::string> clicked;
  PopupMenu menu;
  const int play = menu.AddItem("Play", [&] { clicked.push_back("Play"); });
  menu.AddSeparator();
  menu.AddItem("Exit", [&] { clicked.push_back("Exit"); });
  menu.OnOpen = [&] { menu.SetEnabled(play, false); };  // decided as the menu opens
  window->AttachPopupMenu(&menu);

  platform.windowing().ScriptMenuPick("Play");
  platform.windowing().ScriptMenuPick("Exit");
  HeadlessCardWindow& headless = *platform.windowing().last_window();
  ASSERT_TRUE(headless.SimulateRightClick({10, 20}));
  ASSERT_TRUE(headless.SimulateRightClick({11, 21}));

  EXPECT_EQ(clicked, (std::vector<std::string>{"Exit"})) << "a disabled item was activated";
  const std::vector<ShownMenu>& shown = platform.windowing().shown_menus();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_FALSE(shown[0].picked);
  EXPECT_TRUE(shown[1].picked);
  EXPECT_EQ(shown[0].screen_position, (Point{110, 70}));
  EXPECT_EQ(shown[0].items, (std::vector<ShownMenuItem>{{"Play", false, false}, {"-", true, true}, {"Exit", true, false}}));
  EXPECT_EQ(receiver.events, (std::vector<std::string>{"down 10,20", "up 10,20", "down 11,21", "up 11,21"}));
}

TEST(HeadlessWindowingTest, DisabledWindowIgnoresInput) {
  HeadlessPlatform platform;
  RecordingReceiver receiver;
  auto window = platform.windowing().CreateCardWindow(receiver, WindowRole::kOrdinary);
  HeadlessCardWindow& headless = *platform.windowing().last_window();
  window->SetEnabled(false);
  EXPECT_FALSE(headless.SimulateMouseDown({MouseButton::kLeft, false, false, {1, 1}}));
  EXPECT_FALSE(headless.SimulateKeyDown({kKeyDelete}));
  window->SetEnabled(true);
  EXPECT_TRUE(headless.SimulateKeyDown({kKeyDelete}));
  EXPECT_FALSE(headless.SimulateKeyDown({'A'}));
  EXPECT_EQ(receiver.events, (std::vector<std::string>{"key 46", "key 65"}));
}

TEST(HeadlessWindowingTest, PresentedPixelsLandOnTheSurfaceClipped) {
  HeadlessPlatform platform;
  RecordingReceiver receiver;
  auto window = platform.windowing().CreateCardWindow(receiver, WindowRole::kMain);
  window->SetClientSize({4, 3});
  Bitmap red;
  ASSERT_TRUE(red.Resize(3, 3, MakeColour(255, 0, 0)));
  window->Present(red, {2, 1});

  const Bitmap& surface = platform.windowing().last_window()->surface();
  ASSERT_EQ(surface.width(), 4);
  ASSERT_EQ(surface.height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const bool covered = x >= 2 && y >= 1;
      EXPECT_EQ(surface.GetPixel(x, y), covered ? MakeColour(255, 0, 0) : kBlack) << x << "," << y;
    }
  }
}

TEST(HeadlessWindowingTest, ProcessingEventsPaintsOnlyWindowsThatAsked) {
  HeadlessPlatform platform;
  RecordingReceiver asked;
  RecordingReceiver quiet;
  auto first = platform.windowing().CreateCardWindow(asked, WindowRole::kMain);
  auto second = platform.windowing().CreateCardWindow(quiet, WindowRole::kOrdinary);
  first->RequestRepaint();
  first->RequestRepaint();
  platform.application().ProcessPendingEvents();
  platform.application().ProcessPendingEvents();
  EXPECT_EQ(asked.events, (std::vector<std::string>{"paint"}));
  EXPECT_TRUE(quiet.events.empty());

  second.reset();
  ASSERT_EQ(platform.windowing().windows().size(), 1u);
  EXPECT_EQ(platform.windowing().windows()[0]->id(), 1);
  EXPECT_TRUE(platform.log().ContainsInOrder({"window 1: create main", "window 2: create ordinary",
                                              "window 1: repaint request", "process events", "window 2: destroy"}));
}

}  // namespace
}  // namespace plorvane
