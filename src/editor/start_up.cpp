// The editor's start-up, step by step in the order the rest of the program relies on: the
// splash first, the card before anything that fills it, the carriers before the tool bar, the
// card named on the command line before its window gets its menu, the settings before the
// first undo snapshot.

#include <filesystem>

#include "card/legacy_card.h"
#include "editor/library_folders.h"
#include "editor/main_form_impl.h"
#include "editor/support_files.h"
#include "editor/system_settings.h"
#include "editor/tool_bar.h"
#include "support/file_io.h"
#include "support/paths.h"
#include "support/scramble.h"
#include "support/translate.h"

namespace plorvane {
namespace {

// The copy was made from this very program: same size, and given the program's time when made.
bool IsCopyOf(const std::string& copy, const std::string& program) {
  std::error_code error;
  const auto size = std::filesystem::file_size(program, error);
  if (error || std::filesystem::file_size(copy, error) != size || error) return false;
  const auto time = std::filesystem::last_write_time(program, error);
  return !error && std::filesystem::last_write_time(copy, error) == time && !error;
}

}  // namespace

bool TForm1::Impl::FormCreate() {
  need_support_files_ = true;
  caption_ = std::string(kApplicationTitle);

  splash_->Title = ScrambleText(kApplicationTitle, true);
  splash_->VersionText = ScrambleText(kEditorVersion, true);
  splash_->TextFont.colour = kWhite;
  splash_->TextFont.size = 8;
  splash_->TextFont.bold = true;
  splash_->LeftMargin = 10;
  splash_->BottomMargin = 10;
  splash_->ShowTitle = 1;

  card_ = std::make_unique<TZarvickV2>(platform_, CardMode::kEditor);
  ConnectCard(card_.get());
  card_->OnChange = [this] { UpdateCaption(); };

  if (!ExtractCriticalParts()) {
    ShowError(error_text_);
    splash_->Detach();
    ConnectCard(nullptr);
    card_.reset();
    platform_.application().Terminate(1);
    return false;
  }

  buttons_ = BuildToolButtons();
  view_.Place({0, 0}, kStripWidth);

  card_->SetFileName(LibraryFolder("Zarvicks") + card_->CardName());
  specs_ = MakeDialogSpecs(card_->FileName());

  CopyEditorForPlayer();
  OpenFirstArgument();
  card_->Window().AttachPopupMenu(&popup_menu1_);
  WireToolWindows();

  help_ = std::make_unique<THelp>(platform_, kApplicationTitle, carriers_.help);
  SetLock(false);
  TranslateMenu(main_menu_);
  TranslateMenu(popup_menu1_);
  TranslateMenu(popup_menu2_);
  ApplySettings();

  // The fresh card counts as unchanged, and Undo returns to it.
  card_->BeginChange();
  card_->SetSaved(true);

  SetPause(false);
  SetBusy(false);
  splash_->CloseAfter(1);
  view_.SetVisible(true);
  card_->ShowCardWindow();
  return true;
}

bool TForm1::Impl::ExtractCriticalParts() {
  CriticalPartsTarget target;
  target.splash_picture = [this](const Picture& picture) {
    splash_->SetPicture(picture);
    splash_->ShowSplash();
  };
  target.about_picture = [this](const Picture& picture) { card_->SetAboutPicture(picture); };
  target.player_image = [this](std::vector<std::uint8_t> image) { card_->SetPlayerStub(std::move(image)); };
  target.companion_base = Paths().MenuFolder("", true);
  error_text_ = "Out of memory";
  return Extract_criFiles(carriers_.critical, target, error_text_);
}

void TForm1::Impl::CopyEditorForPlayer() {
  Paths().MenuFolder("Fennick", true);
  const std::string copy = TZarvickV2::EditorPath();
  if (start_.own_executable.empty() || copy.empty()) return;
  std::error_code error;
  // Started from that copy (the player's "Edit" does so), the editor is already where it belongs.
  if (std::filesystem::equivalent(start_.own_executable, copy, error)) return;
  // A program of tens of megabytes is copied only when it changed, not at every start.
  if (IsCopyOf(copy, start_.own_executable)) return;
  if (!CopyFileReplacing(start_.own_executable, copy)) return;
  std::filesystem::last_write_time(copy, std::filesystem::last_write_time(start_.own_executable, error), error);
}

void TForm1::Impl::OpenFirstArgument() {
  if (start_.first_argument.empty()) return;
  if (!card_->LoadFromFile(start_.first_argument)) {
    card_->ShowError();
    // Whatever a failed read left behind, the editor goes on with a clean new card.
    const std::string library_name = specs_.CardSaveSpec.FileName;
    card_->NewCard();
    card_->SetFileName(library_name);
  }
  card_->Redraw(true);
  card_->CenterCardWindow();
}

void TForm1::Impl::WireToolWindows() {
  if (tool_windows_ == nullptr) return;
  tool_windows_->Wire(tool_window_commands_.get());
  tool_windows_->SetInsertEnabled(true);
  tool_windows_->SetSyncCaption(Translate("&Synchronise"));
}

void TForm1::Impl::ApplySettings() {
  if (tool_windows_ != nullptr) tool_windows_->LoadSettings();
  const SystemSettings settings = LoadSystemSettings();
  card_->Animations().SetOutlineMode(settings.outline_mode);
  SetOnTop(settings.on_top);
  need_support_files_ = settings.need_support_files;
  if (!need_support_files_) return;
  // An unreadable library archive is not worth an error box at start-up; the settings are
  // still written so the next start does not try again.
  std::string ignored;
  helps_.ExtractLibrary(ignored);
  SaveAllSettings();
}

}  // namespace plorvane
