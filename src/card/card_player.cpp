// The player's commands: the link, the menu label and the seven items of the player menu.
#include <filesystem>

#include "card/card.h"
#include "card/card_link.h"
#include "card/desktop_entry.h"
#include "card/player_menu_texts.h"
#include "platform/busy_cursor.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/translate.h"

namespace plorvane {
namespace {

constexpr std::string_view kEditorFolder = "Fennick";
constexpr std::string_view kEditorFileName = "Plorvane.exe";
constexpr std::string_view kCardsMenuFolder = "Zarvicks";

std::string FileNamePart(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

std::string TZarvickV2::EditorPath() {
  const std::string folder = Paths().MenuFolder(std::string(kEditorFolder), false);
  return folder.empty() ? folder : folder + std::string(kEditorFileName);
}

void TZarvickV2::BuildPlayerMenu() {
  const auto item = [this](std::string_view caption, PlayerCommand command) {
    return player_menu_.AddItem(Translate(caption), [this, command] { HandleClick(command); });
  };
  menu_items_.play = item(player_texts::kPlay, PlayerCommand::kPlay);
  menu_items_.stop = item(player_texts::kStop, PlayerCommand::kStop);
  player_menu_.AddSeparator();
  item(player_texts::kAbout, PlayerCommand::kAbout);  // always enabled
  menu_items_.edit = item(player_texts::kEdit, PlayerCommand::kEdit);
  menu_items_.send_to_desktop = item(player_texts::kSendToDesktop, PlayerCommand::kSendToDesktop);
  menu_items_.send_to_start = item(player_texts::kSendToStartButton, PlayerCommand::kSendToStartButton);
  player_menu_.AddSeparator();
  menu_items_.exit = item(player_texts::kExit, PlayerCommand::kExit);
}

bool TZarvickV2::StartPlayer(const std::string& own_executable) {
  own_executable_ = own_executable;
  if (!LoadFromFile(own_executable)) {
    ShowError();
    platform_.application().Terminate(1);
    return false;
  }
  CenterCardWindow();
  ShowCardWindow();
  if (!PlaySound()) ShowError();
  return true;
}

void TZarvickV2::HandleClick(PlayerCommand command) {
  const BusyCursor busy(platform_.cursors());
  switch (command) {
    case PlayerCommand::kLink:
      if (const auto address = LinkToOpen(pLink())) platform_.shell().OpenDocument(*address);
      break;
    case PlayerCommand::kPlay:
      if (!PlaySound()) ShowError();
      break;
    case PlayerCommand::kStop:
      StopSound();
      break;
    case PlayerCommand::kAbout:
      ShowAbout();
      break;
    case PlayerCommand::kEdit:
      EditCard();
      break;
    case PlayerCommand::kSendToDesktop:
      SendTo(Paths().DesktopFolder());
      break;
    case PlayerCommand::kSendToStartButton:
      if (const auto copy = SendTo(Paths().MenuFolder(std::string(kCardsMenuFolder)))) WriteMenuEntry(*copy);
      break;
    case PlayerCommand::kExit:
      ExitPlayer();
      break;
    case PlayerCommand::kMenu:
      OpenPlayerMenu();
      break;
  }
}

void TZarvickV2::OpenPlayerMenu() {
  player_menu_.SetEnabled(menu_items_.play, CanPlaySound());
  player_menu_.SetEnabled(menu_items_.stop, CanStopSound());
  for (const int item : {menu_items_.send_to_desktop, menu_items_.send_to_start, menu_items_.exit}) {
    player_menu_.SetEnabled(item, IsPlayer());
  }
  player_menu_.SetEnabled(menu_items_.edit, CanEdit());
  platform_.windowing().ShowPopupMenu(player_menu_, platform_.screen().MousePosition());
}

bool TZarvickV2::CanEdit() const {
  std::error_code error;
  const std::string editor = EditorPath();
  return IsPlayer() && !editor.empty() && std::filesystem::is_regular_file(editor, error);
}

void TZarvickV2::EditCard() {
  if (!CanEdit()) return;
  // Arguments reach the editor as they are, so the path needs no quotes.
  const std::string editor = EditorPath();
  platform_.shell().StartProgram(editor, {own_executable_}, std::filesystem::path(editor).parent_path().string());
  ExitPlayer();
}

void TZarvickV2::ExitPlayer() {
  if (!IsPlayer()) return;
  // Ends at once: no close event, and the sound stops with the card.
  StopSound();
  platform_.application().Terminate(0);
}

std::optional<std::string> TZarvickV2::SendTo(const std::string& folder) {
  FileDialogRequest request;
  request.kind = FileDialogKind::kSave;
  request.filter = Translate(player_texts::kCardsFilter) + " (*.exe)|*.exe";
  request.default_extension = "EXE";
  request.options = {.overwrite_prompt = true, .hide_read_only = true, .path_must_exist = true};
  request.initial_folder = folder;
  request.file_name = folder + FileNamePart(own_executable_);
  const FileDialogResult chosen = platform_.dialogs().RunFileDialog(request);
  if (chosen.outcome != FileDialogOutcome::kChosen) return std::nullopt;

  CardVersion kind{};
  if (!CheckTarget(chosen.path, kind)) {
    last_error_ = msg::kProgramExists;
    ShowError();
    return std::nullopt;
  }
  // The copy replaces the old file in one step, so a failed copy leaves the old card whole.
  last_error_ = msg::kOutOfDiskSpace;
  if (!Paths().CopyFileTo(own_executable_, chosen.path)) {
    ShowError();
    return std::nullopt;
  }
  return chosen.path;
}

void TZarvickV2::WriteMenuEntry(const std::string& card) {
  const std::string applications = Paths().StartMenuFolder();
  if (applications.empty()) return;
  const std::string stem = Paths().StripExtension(FileNamePart(card));
  const std::string entry = DesktopEntry(stem, card);
  std::error_code error;
  std::filesystem::create_directories(applications, error);
  const std::vector<std::uint8_t> bytes(entry.begin(), entry.end());
  last_error_ = msg::kOutOfDiskSpace;
  if (WriteFileReplacing(applications + DesktopEntryFileName(stem), bytes) != FileResult::kOk) ShowError();
}

}  // namespace plorvane
