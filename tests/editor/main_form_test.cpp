// The main window's core: tool bar, start-up, caption, busy state and the close flow.
#include <filesystem>

#include "editor_fixture.h"
#include "card/card_format.h"
#include "platform/headless/headless_card_window.h"
#include "sound_files.h"

namespace plorvane::test {
namespace {

TEST_F(EditorTest, ToolButtonsSitInARowWithGapsBeforeTheirGroups) {
  const TForm1& form = Start();
  const int expected_left[TForm1::kToolButtonCount] = {1,   26,  51,  76,  111, 136, 171, 196, 221, 246, 271,
                                                       296, 331, 356, 381, 416, 441, 466, 491, 526, 551};
  for (const ToolButtonState& button : form.ToolButtons()) {
    EXPECT_EQ(button.position, (Point{expected_left[button.tag - 1], 1})) << button.tag;
    EXPECT_EQ(button.drag_cursor, button.tag == 16 || button.tag == 17 || button.tag == 19) << button.tag;
  }
  EXPECT_EQ(form.ToolBarHeight(), 27);
  EXPECT_EQ(form.ToolButtons()[15].hint,
            "Frame Size\r\n* Click for Size Dialog Window\r\n* Click and drag up/down for Size Adjust");
  EXPECT_EQ(form.ToolButtons()[18].hint, "Menu/Link Color\r\n* Click for Color Window\r\n* Click and drag for Screen Color");
  EXPECT_EQ(form.ToolButtons()[5].hint, "Center");
}

TEST_F(EditorTest, ToolButtonsAreEnabledOnlyForBuiltCommands) {
  TForm1& form = Start();
  form.Timer1Timer();
  const auto enabled = [&form](int tag) { return form.ToolButtons()[static_cast<std::size_t>(tag - 1)].enabled; };
  for (int tag : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20, 21}) EXPECT_TRUE(enabled(tag)) << tag;
  // Print has no companion; 13 and 14 wait for a sound.
  for (int tag : {4, 13, 14}) EXPECT_FALSE(enabled(tag)) << tag;

  form.iButtons_OnClick(9);
  form.iButtons_OnClick(10);
  EXPECT_TRUE(form.ToolButtons()[8].down);
  EXPECT_TRUE(form.ToolButtons()[9].down);
  EXPECT_TRUE(form.Card().Animations().Paused);
  ASSERT_TRUE(Pick("&Animation", "Pause All"));
  EXPECT_FALSE(form.ToolButtons()[8].down);
  PopupMenu& animation = Menu("&Animation");
  animation.Opening();
  EXPECT_TRUE(animation.IsChecked(animation.IndexOf("Loc&k All")));
  EXPECT_FALSE(animation.IsChecked(animation.IndexOf("Pause All")));
  form.iButtons_OnClick(0);  // not a button: nothing
}

TEST_F(EditorTest, StartUpRunsInItsOrder) {
  TForm1& form = Start(folder_.File("missing.exe"));
  auto& card_window = dynamic_cast<HeadlessCardWindow&>(form.Card().Window());
  auto* splash_window = dynamic_cast<HeadlessCardWindow*>(form.Splash().Window());
  ASSERT_NE(splash_window, nullptr);
  const std::string card = "window " + std::to_string(card_window.id()) + ": ";
  const std::string splash = "window " + std::to_string(splash_window->id()) + ": ";
  EXPECT_TRUE(platform_.log().ContainsInOrder({card + "create ordinary", splash + "show", "strip place 0,0 width 640",
                                               "error box Error: File not found", card + "attach menu",
                                               "cursor normal", splash + "hide", "strip show", card + "show"}));
  EXPECT_FALSE(form.Splash().IsShown());
  EXPECT_GE(platform_.clock().Milliseconds(), 1000U);
  EXPECT_TRUE(view_.IsVisible());
  EXPECT_FALSE(form.GetBusy());
  EXPECT_EQ(form.Caption(), "Untitled.exe - Plorvane");
  EXPECT_EQ(form.Card().FileName(), Library("Zarvicks") + "Untitled.exe");
  EXPECT_EQ(form.Card().PlayerStub(), PlayerImage());
  // The player's "Edit" finds the editor's copy.
  EXPECT_EQ(testing::ReadTextFile(TZarvickV2::EditorPath()), "the editor program");
}

TEST_F(EditorTest, TheEditorsCopyIsRenewedOnlyWhenTheProgramChanged) {
  Start();
  const std::string copy = TZarvickV2::EditorPath();
  // Same size and time: taken for the program's own copy and kept as it is.
  const auto stamp = std::filesystem::last_write_time(copy);
  testing::WriteTextFile(copy, "THE EDITOR PROGRAM");
  std::filesystem::last_write_time(copy, stamp);
  form_.reset();
  Start();
  EXPECT_EQ(testing::ReadTextFile(copy), "THE EDITOR PROGRAM");
  // A changed program replaces it.
  testing::WriteTextFile(own_executable_, "the editor program, new");
  form_.reset();
  Start();
  EXPECT_EQ(testing::ReadTextFile(copy), "the editor program, new");
}

TEST_F(EditorTest, TheCaptionShowsUnsavedChanges) {
  TForm1& form = Start();
  const int refreshes = view_.refreshes;
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Love"));
  EXPECT_EQ(form.Caption(), "*Untitled.exe - Plorvane");
  EXPECT_GT(view_.refreshes, refreshes);
  // Undo marks the card unsaved too, so the star stays.
  ASSERT_TRUE(Pick("&Edit", "&Undo"));
  EXPECT_EQ(form.Caption(), "*Untitled.exe - Plorvane");
  EXPECT_FALSE(form.GetBusy());
}

TEST_F(EditorTest, BusyDisablesMenusAndButtonsButStopAndPlay) {
  TForm1& form = Start();
  platform_.dialogs().ScriptFileCancel();
  // While the save dialog is up the editor is not busy yet; during the command it is.
  bool busy_during_new = false;
  form.Card().OnChange = [&form, &busy_during_new] { busy_during_new = busy_during_new || form.GetBusy(); };
  ASSERT_TRUE(Pick("&File", "&New"));
  EXPECT_TRUE(busy_during_new);
  EXPECT_FALSE(form.GetBusy());
  EXPECT_TRUE(platform_.log().ContainsInOrder({"cursor busy", "cursor normal"}));
  EXPECT_EQ(platform_.dialogs().UnusedAnswers(), 1U);  // New on a saved card asks nothing
}

// Without a volume-control program the button and the menu item are disabled and say why.
TEST_F(EditorTest, VolumeControlIsOfferedOnlyWithAMixerAndSaysWhyNot) {
  TForm1& form = Start();
  const std::string bin = folder_.File("bin");
  std::filesystem::create_directories(bin);
  home_.Set("PATH", bin);
  const auto button = [&form] { return form.ToolButtons()[14]; };
  PopupMenu& sound = Menu("&Sound");
  const int item = sound.IndexOf("&Volume Control");

  form.Timer1Timer();
  sound.Opening();
  EXPECT_FALSE(button().enabled);
  EXPECT_EQ(button().hint, "Volume Control\r\n* No volume control is installed (install pavucontrol)");
  EXPECT_FALSE(sound.IsEnabled(item));
  EXPECT_EQ(sound.Hint(item), "No volume control is installed (install pavucontrol)");

  folder_.Write("bin/pavucontrol", "#!/bin/sh\n");
  std::filesystem::permissions(bin + "/pavucontrol", std::filesystem::perms::owner_all);
  form.Timer1Timer();
  sound.Opening();
  EXPECT_TRUE(button().enabled);
  EXPECT_EQ(button().hint, "Volume Control");
  EXPECT_TRUE(sound.IsEnabled(item));
  EXPECT_EQ(sound.Hint(item), "");
}

// Stop and Play follow the sound on the timer's tick, and busy leaves them as they are.
TEST_F(EditorTest, TheTimerOffersStopAndPlayAsTheSoundAllows) {
  TForm1& form = Start();
  const auto button = [&form](int tag) { return form.ToolButtons()[static_cast<std::size_t>(tag - 1)]; };
  form.Card().SetSoundType(kWaveSound);
  form.Card().SetSoundData(WaveFile());
  form.Timer1Timer();
  EXPECT_TRUE(button(14).enabled);
  EXPECT_FALSE(button(13).enabled);
  form.iButtons_OnClick(14);
  ASSERT_TRUE(form.Card().IsPlaying());
  EXPECT_TRUE(button(14).enabled);  // until the next tick
  form.Timer1Timer();
  EXPECT_TRUE(button(13).enabled);
  EXPECT_FALSE(button(14).enabled);
  EXPECT_TRUE(ItemEnabled("&Sound", "St&op"));
  EXPECT_FALSE(ItemEnabled("&Sound", "Pl&ay"));

  // While a command runs the strip is not refreshed by the timer and Stop stays usable.
  bool stop_usable_while_busy = false;
  form.Card().OnChange = [&] {
    if (!form.GetBusy()) return;
    form.Timer1Timer();
    stop_usable_while_busy = button(13).enabled && !button(1).enabled;
  };
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Classic"));
  EXPECT_TRUE(stop_usable_while_busy);
  form.iButtons_OnClick(13);
  EXPECT_FALSE(form.Card().IsPlaying());
}

struct CloseCase {
  const char* name;
  MessageAnswer answer;
  bool save_chosen;
  bool ends;
  bool file_written;
};

class CloseFlowTest : public EditorTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseFlowTest, ClosingAnUnsavedCardAsksFirst) {
  const CloseCase& c = GetParam();
  TForm1& form = Start();
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Joy"));
  const std::string target = folder_.File("closing.exe");
  platform_.dialogs().ScriptMessageAnswer(c.answer);
  if (c.save_chosen) platform_.dialogs().ScriptFileChoice(target);
  form.FormCloseQuery();
  ASSERT_EQ(platform_.dialogs().messages().size(), 1U);
  EXPECT_EQ(platform_.dialogs().messages()[0].text, "Save Changes to Untitled.exe?");
  EXPECT_EQ(platform_.dialogs().messages()[0].buttons, MessageButtons::kYesNoCancel);
  EXPECT_EQ(platform_.application().exit_code().has_value(), c.ends);
  EXPECT_EQ(view_.IsVisible(), !c.ends);
  EXPECT_EQ(std::filesystem::exists(target), c.file_written);
  if (c.ends) {
    EXPECT_EQ(platform_.application().exit_code(), 0);
    EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
    // The strip may still tick, be closed or have a menu picked once more: nothing happens.
    form.Timer1Timer();
    form.FormCloseQuery();
    Pick("&Edit", "&Center");
    form.iButtons_OnClick(1);
  } else {
    EXPECT_EQ(form.Caption(), "*Untitled.exe - Plorvane");
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseFlowTest,
                         ::testing::Values(CloseCase{"Cancel", MessageAnswer::kCancel, false, false, false},
                                           CloseCase{"No", MessageAnswer::kNo, false, true, false},
                                           CloseCase{"Yes", MessageAnswer::kYes, true, true, true},
                                           CloseCase{"YesButSaveCancelled", MessageAnswer::kYes, false, false, false}),
                         CaseName<CloseCase>);

TEST_F(EditorTest, ClosingWhileBusyDoesNothing) {
  TForm1& form = Start();
  bool closed_while_busy = false;
  form.Card().OnChange = [&] {
    if (!form.GetBusy()) return;
    form.FormCloseQuery();
    closed_while_busy = platform_.application().exit_code().has_value();
  };
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Hope"));
  EXPECT_FALSE(closed_while_busy);
}

TEST_F(EditorTest, StayOnTopFollowsTheEditMenuAndIsKept) {
  TForm1& form = Start();
  ASSERT_TRUE(Pick("&Edit", "&OnTop"));
  EXPECT_TRUE(form.GetOnTop());
  EXPECT_TRUE(view_.stay_on_top);
  PopupMenu& edit = Menu("&Edit");
  edit.Opening();
  EXPECT_TRUE(edit.IsChecked(edit.IndexOf("&OnTop")));
  form.FormCloseQuery();
  EXPECT_NE(testing::ReadTextFile(SettingsFile()).find("OnTop=1"), std::string::npos);
}

TEST_F(EditorTest, CenterPutsTheCardInTheMiddleOfTheScreen) {
  TForm1& form = Start();
  form.Card().Window().MoveTo({3, 4});
  form.iButtons_OnClick(6);
  const PixelSize screen = platform_.screen().Size();
  const PixelSize size = form.Card().Window().ClientSize();
  EXPECT_EQ(form.Card().Window().ScreenPosition(),
            (Point{(screen.width - size.width) / 2, (screen.height - size.height) / 2}));
}

TEST_F(EditorTest, ADamagedCriticalCarrierEndsTheProgramWithTheArchiveError) {
  EditorCarriers carriers = TestCarriers();
  // Damage the first item's compressed content inside the archive.
  ASSERT_GT(carriers.critical.size(), 400U);
  for (std::size_t at = 300; at < 400; ++at) carriers.critical[at] ^= 0x5A;
  form_ = MakeForm(std::move(carriers));
  EXPECT_FALSE(form_->FormCreate());
  EXPECT_EQ(platform_.application().exit_code(), 1);
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].caption, "Error");
  EXPECT_FALSE(view_.IsVisible());
}

}  // namespace
}  // namespace plorvane::test
