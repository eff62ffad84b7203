// The player: starting from its own executable, its menu, its link and its send-to commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "card/desktop_entry.h"
#include "card_fixture.h"
#include "graphics/bitmap_graphic.h"
#include "support/messages.h"
#include "support/paths.h"

namespace plorvane::test {
namespace {

using Command = TZarvickV2::PlayerCommand;

class PlayerTest : public CardTest {
 protected:
  // Saves the fixture's editor card, with or without a sound, as a card executable.
  std::string SaveCard(const std::string& name, bool with_sound) {
    if (with_sound) {
      WriteBytes(folder_.File("s.wav"), WaveFile());
      EXPECT_TRUE(card_->LoadSound(folder_.File("s.wav"))) << card_->LastError();
    }
    const std::string path = folder_.File(name);
    EXPECT_TRUE(card_->SaveToExecutable(path)) << card_->LastError();
    return path;
  }
  // A player started from that executable, as the player program does it.
  std::unique_ptr<TZarvickV2> StartPlayer(const std::string& path) {
    auto player = std::make_unique<TZarvickV2>(platform_, CardMode::kPlayer);
    player_window_ = platform_.windowing().last_window();
    player->StartPlayer(path);
    return player;
  }
  // The menu as the right button opens it on the player's window.
  std::vector<ShownMenuItem> RightClickMenu() {
    const auto before = platform_.windowing().shown_menus().size();
    player_window_->SimulateRightClick({100, 100});
    EXPECT_EQ(platform_.windowing().shown_menus().size(), before + 1);
    return platform_.windowing().shown_menus().back().items;
  }
  static bool Enabled(const std::vector<ShownMenuItem>& items, std::string_view caption) {
    for (const auto& item : items) {
      if (item.caption == caption) return item.enabled;
    }
    ADD_FAILURE() << "no item " << caption;
    return false;
  }

  HeadlessCardWindow* player_window_ = nullptr;
};

TEST_F(PlayerTest, StartsFromItsOwnExecutableCentredAndPlaying) {
  const std::string path = SaveCard("card.exe", true);
  card_->SetSize(10);  // the player must show the saved card, not this one
  auto player = StartPlayer(path);
  EXPECT_TRUE(player_window_->IsVisible());
  EXPECT_EQ(player_window_->ClientSize(), (PixelSize{430, 430}));
  EXPECT_EQ(player_window_->ScreenPosition(), (Point{(1024 - 430) / 2, (768 - 430) / 2}));
  EXPECT_TRUE(player->IsPlaying());
  EXPECT_FALSE(platform_.application().exit_code().has_value());
}

TEST_F(PlayerTest, UnreadableCardShowsTheErrorAndEndsBeforeAnyWindowAppears) {
  std::vector<std::uint8_t> broken = FakePlayerImage(static_cast<std::size_t>(kCardStreamOffset));
  broken.insert(broken.end(), 100, 0x55);
  WriteBytes(folder_.File("broken.exe"), broken);
  auto player = StartPlayer(folder_.File("broken.exe"));
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].text, msg::kUnknownFormat);
  EXPECT_EQ(platform_.application().exit_code(), 1);
  EXPECT_FALSE(player_window_->IsVisible());
}

TEST_F(PlayerTest, MenuEnablesPlayAndStopByTheSoundsState) {
  auto player = StartPlayer(SaveCard("card.exe", true));
  auto items = RightClickMenu();
  ASSERT_EQ(items.size(), 9U);
  EXPECT_EQ(items[0].caption, "Play");
  EXPECT_TRUE(items[2].separator);
  EXPECT_EQ(items[3].caption, "About");
  EXPECT_TRUE(items[7].separator);
  EXPECT_EQ(items[8].caption, "Exit");
  EXPECT_FALSE(Enabled(items, "Play"));
  EXPECT_TRUE(Enabled(items, "Stop"));
  EXPECT_FALSE(Enabled(items, "Edit")) << "no editor is installed";
  EXPECT_TRUE(Enabled(items, "Send To Desktop..."));
  EXPECT_TRUE(Enabled(items, "Exit"));

  player->HandleClick(Command::kStop);
  items = RightClickMenu();
  EXPECT_TRUE(Enabled(items, "Play"));
  EXPECT_FALSE(Enabled(items, "Stop"));
  // The hourglass came and went around every command.
  EXPECT_FALSE(platform_.cursors().busy());
}

TEST_F(PlayerTest, CardWithoutSoundOffersNeitherPlayNorStop) {
  auto player = StartPlayer(SaveCard("card.exe", false));
  const auto items = RightClickMenu();
  EXPECT_FALSE(Enabled(items, "Play"));
  EXPECT_FALSE(Enabled(items, "Stop"));
}

TEST_F(PlayerTest, EditorCardsMenuDisablesThePlayerCommands) {
  card_->HandleClick(Command::kMenu);
  const auto& items = platform_.windowing().shown_menus().back().items;
  for (const char* caption : {"Edit", "Send To Desktop...", "Send To Start Button...", "Exit"}) {
    EXPECT_FALSE(Enabled(items, caption)) << caption;
  }
  card_->ExitPlayer();
  EXPECT_FALSE(platform_.application().exit_code().has_value());
}

TEST_F(PlayerTest, LinkOpensOnlyWebAndMailAddresses) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"http://example.org/", "http://example.org/"},
      {"HTTPS://example.org/?a=1&b=2", "HTTPS://example.org/?a=1&b=2"},
      {"MailTo:someone@example.org", "MailTo:someone@example.org"},
      // Mail programs that honour attach= would send a local file along.
      {"mailto:a@example.org?attach=/etc/passwd", "mailto:a@example.org"},
      {"mailto:a@example.org,b@example.org?Subject=Hi&attachment=~/.ssh/id_rsa&body=Hello%20you&bcc=x@y&CC=c@example.org",
       "mailto:a@example.org,b@example.org?Subject=Hi&body=Hello%20you&CC=c@example.org"},
      {"mailto:a@example.org?%61ttach=/etc/passwd&body=x", "mailto:a@example.org?body=x"},
      {"mailto:a@example.org?subject", "mailto:a@example.org?subject"},
      {"/usr/bin/xterm", std::nullopt},
      {"file:///etc/passwd", std::nullopt},
      {"javascript:alert(1)", std::nullopt},
      {"xhttp://example.org/", std::nullopt},
  };
  for (const auto& [link, opened] : cases) {
    const auto before = platform_.shell().opened_documents();
    card_->SetLink(link);
    card_->HandleClick(Command::kLink);
    const auto& after = platform_.shell().opened_documents();
    ASSERT_EQ(after.size(), before.size() + (opened ? 1 : 0)) << link;
    if (opened) {
      EXPECT_EQ(after.back(), *opened) << link;
    }
  }
  EXPECT_TRUE(platform_.shell().started_programs().empty());
}

TEST_F(PlayerTest, RightPressOnALabelIsAClickOnIt) {
  card_->SetLink("http://example.org/");
  card_->Redraw(true);
  auto player = StartPlayer(SaveCard("card.exe", false));
  const int bottom = player->pSize() + player->PictureLayer().height() - 5;
  const auto menus = platform_.windowing().shown_menus().size();
  player_window_->SimulateRightClick({player->pSize() + 5, bottom});
  EXPECT_EQ(platform_.shell().opened_documents(), std::vector<std::string>{"http://example.org/"});
  EXPECT_EQ(platform_.windowing().shown_menus().size(), menus);
}

TEST_F(PlayerTest, LeftDragMovesTheWindowByTheMouseMovement) {
  auto player = StartPlayer(SaveCard("card.exe", false));
  const Point start = player_window_->ScreenPosition();
  const Bitmap shown = player_window_->surface();
  MouseEvent event;
  event.position = {100, 100};
  player_window_->SimulateMouseDown(event);
  // The window follows, so the mouse stays on the grabbed point of the window.
  event.position = {130, 90};
  player_window_->SimulateMouseMove(event);
  EXPECT_EQ(player_window_->ScreenPosition(), (Point{start.x + 30, start.y - 10}));
  event.position = {95, 100};
  player_window_->SimulateMouseMove(event);
  EXPECT_EQ(player_window_->ScreenPosition(), (Point{start.x + 25, start.y - 10}));
  player_window_->SimulateMouseUp(event);
  event.position = {200, 200};
  player_window_->SimulateMouseMove(event);
  EXPECT_EQ(player_window_->ScreenPosition(), (Point{start.x + 25, start.y - 10}));
  EXPECT_TRUE(player_window_->surface() == shown) << "the picture does not move inside";
}

TEST_F(PlayerTest, WindowSystemThatMovesWindowsTakesTheDragOver) {
  auto player = StartPlayer(SaveCard("card.exe", false));
  player_window_->set_system_moves(true);
  const Point start = player_window_->ScreenPosition();
  MouseEvent event;
  event.position = {100, 100};
  player_window_->SimulateMouseDown(event);
  for (const Point at : {Point{130, 90}, Point{160, 80}}) {
    event.position = at;
    player_window_->SimulateMouseMove(event);
  }
  EXPECT_EQ(player_window_->ScreenPosition(), start) << "the window system moves it, not the card";
  const auto entries = platform_.log().Entries();
  EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                          [](const std::string& entry) { return entry.ends_with(": system move"); }),
            1)
      << "offered once per press";
}

TEST_F(PlayerTest, SendToDesktopCopiesReplacesCardsAndRefusesOtherPrograms) {
  const std::string path = SaveCard("card.exe", false);
  auto player = StartPlayer(path);
  const std::string desktop = Paths().DesktopFolder();
  const std::string target = desktop + "copy.exe";

  platform_.dialogs().ScriptFileChoice(target);
  player->HandleClick(Command::kSendToDesktop);
  const auto& request = platform_.dialogs().file_dialogs().back();
  EXPECT_EQ(request.initial_folder, desktop);
  EXPECT_EQ(request.file_name, desktop + "card.exe");
  EXPECT_EQ(request.filter, "Zarvicks (*.exe)|*.exe");
  EXPECT_EQ(FileBytes(target), FileBytes(path));
  EXPECT_TRUE(std::filesystem::status(target).permissions() == std::filesystem::status(path).permissions());
  auto copy = std::make_unique<TZarvickV2>(platform_, CardMode::kPlayer);
  EXPECT_TRUE(copy->StartPlayer(target)) << "the copy plays";

  // An older card there is replaced.
  card_->SetSize(5);
  ASSERT_TRUE(card_->SaveToExecutable(target));
  platform_.dialogs().ScriptFileChoice(target);
  player->HandleClick(Command::kSendToDesktop);
  EXPECT_EQ(FileBytes(target), FileBytes(path));

  // Any other program keeps its bytes.
  const std::vector<std::uint8_t> program{0x7F, 'E', 'L', 'F', 1, 2, 3};
  WriteBytes(desktop + "tool.exe", program);
  platform_.dialogs().ScriptFileChoice(desktop + "tool.exe");
  player->HandleClick(Command::kSendToDesktop);
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].text, msg::kProgramExists);
  EXPECT_EQ(FileBytes(desktop + "tool.exe"), program);

  // Cancelling the dialog writes nothing.
  platform_.dialogs().ScriptFileCancel();
  EXPECT_FALSE(player->SendTo(desktop).has_value());
}

TEST_F(PlayerTest, SendToStartButtonAddsTheCardToTheApplicationMenu) {
  const std::string path = SaveCard("card.exe", false);
  auto player = StartPlayer(path);
  const std::string cards = Paths().MenuFolder("Zarvicks");
  platform_.dialogs().ScriptFileChoice(cards + "My card.exe");
  player->HandleClick(Command::kSendToStartButton);
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().initial_folder, cards);
  EXPECT_EQ(FileBytes(cards + "My card.exe"), FileBytes(path));
  const auto entry = FileBytes(Paths().StartMenuFolder() + DesktopEntryFileName("My card"));
  EXPECT_EQ(std::string(entry.begin(), entry.end()), DesktopEntry("My card", cards + "My card.exe"));
}

TEST(DesktopEntryTest, ProgramPathIsQuotedAndEscaped) {
  const std::string entry = DesktopEntry("Line\nbreak", "/home/a b/\"$x\" 100%.exe");
  EXPECT_NE(entry.find("Name=Line\\nbreak\n"), std::string::npos);
  EXPECT_NE(entry.find("Exec=\"/home/a b/\\\\\"\\\\$x\\\\\" 100%%.exe\"\n"), std::string::npos) << entry;
  EXPECT_EQ(DesktopEntryFileName("My card/../x"), "plorvane-card-My_card____x.desktop");
}

TEST_F(PlayerTest, EditStartsTheInstalledEditorWithThisCardAndEnds) {
  auto player = StartPlayer(SaveCard("card.exe", false));
  const std::string editor = TZarvickV2::EditorPath();
  std::filesystem::create_directories(std::filesystem::path(editor).parent_path());
  WriteBytes(editor, {1, 2, 3});
  EXPECT_TRUE(Enabled(RightClickMenu(), "Edit"));

  platform_.windowing().ScriptMenuPick("Edit");
  player_window_->SimulateRightClick({100, 100});
  ASSERT_EQ(platform_.shell().started_programs().size(), 1U);
  const auto& start = platform_.shell().started_programs()[0];
  EXPECT_EQ(start.program, editor);
  EXPECT_EQ(start.arguments, std::vector<std::string>{folder_.File("card.exe")});
  EXPECT_EQ(platform_.application().exit_code(), 0);
}

TEST_F(PlayerTest, AboutShowsTheAboutPictureTheCardCarries) {
  Bitmap pixels;
  ASSERT_TRUE(pixels.Resize(120, 80, MakeColour(200, 30, 40)));
  Picture about;
  about.SetGraphic(std::make_unique<TBitmap>(std::move(pixels)));
  card_->SetAboutPicture(about);
  auto player = StartPlayer(SaveCard("card.exe", false));
  platform_.windowing().ScriptMenuPick("About");
  player_window_->SimulateRightClick({100, 100});
  HeadlessCardWindow& box = *platform_.windowing().last_window();
  EXPECT_EQ(box.role(), WindowRole::kDialog);
  EXPECT_EQ(box.title(), "About Animated Zarvick");
  EXPECT_TRUE(box.IsVisible());
  EXPECT_EQ(box.ClientSize(), (PixelSize{120, 80}));
  EXPECT_EQ(box.surface().GetPixel(60, 5), MakeColour(200, 30, 40));
  EXPECT_EQ(player->AboutScreen().Value(1).Caption(), "2.00.1003");
}

TEST_F(PlayerTest, ExitStopsTheSoundAndEnds) {
  auto player = StartPlayer(SaveCard("card.exe", true));
  ASSERT_TRUE(player->IsPlaying());
  platform_.windowing().ScriptMenuPick("Exit");
  player_window_->SimulateRightClick({100, 100});
  EXPECT_FALSE(player->IsPlaying());
  EXPECT_EQ(platform_.application().exit_code(), 0);
}

}  // namespace
}  // namespace plorvane::test
