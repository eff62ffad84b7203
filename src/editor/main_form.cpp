#include "editor/main_form.h"

#include <filesystem>

#include "card/legacy_card.h"
#include "editor/information_commands.h"
#include "editor/main_form_impl.h"
#include "editor/sound_commands.h"
#include "editor/support_files.h"
#include "editor/system_settings.h"
#include "editor/tool_bar.h"
#include "support/paths.h"
#include "support/translate.h"

namespace plorvane {

// --- TForm1 -----------------------------------------------------------------------------------

TForm1::TForm1(Platform& platform, MainWindowView& view, EditorCarriers carriers, EditorStart start)
    : impl_(std::make_unique<Impl>(platform, view, std::move(carriers), std::move(start))) {}

TForm1::~TForm1() = default;

bool TForm1::FormCreate() {
  try {
    return impl_->FormCreate();
  } catch (...) {
    impl_->ShowError("Out of memory");
    impl_->platform_.application().Terminate(1);
    return false;
  }
}

PopupMenu& TForm1::MainMenu1() { return impl_->main_menu_; }
PopupMenu& TForm1::PopupMenu1() { return impl_->popup_menu1_; }
PopupMenu& TForm1::PopupMenu2() { return impl_->popup_menu2_; }

const std::array<ToolButtonState, TForm1::kToolButtonCount>& TForm1::ToolButtons() const { return impl_->buttons_; }
int TForm1::ToolBarHeight() const { return ToolBarClientHeight(); }
void TForm1::iButtons_OnClick(int tag) { impl_->RunToolButton(tag); }
void TForm1::AdjustButtonDown(int tag, Point at) { impl_->drag_.Press(tag, at); }
void TForm1::AdjustButtonMove(int tag, Point at) { impl_->drag_.Move(tag, at); }
void TForm1::AdjustButtonUp(int tag, Point at) {
  if (impl_->drag_.Release(tag, at)) iButtons_OnClick(tag);
}

const std::string& TForm1::Caption() const { return impl_->caption_; }
bool TForm1::GetBusy() const { return impl_->GetBusy(); }
bool TForm1::GetOnTop() const { return impl_->GetOnTop(); }
void TForm1::Timer1Timer() { impl_->Timer1Timer(); }
void TForm1::FormCloseQuery() { impl_->ExitSystem(); }
TZarvickV2& TForm1::Card() { return impl_->card(); }
TCompactSplash& TForm1::Splash() { return impl_->splash(); }

// --- The form's state ---------------------------------------------------------------------------

TForm1::Impl::Impl(Platform& platform, MainWindowView& view, EditorCarriers carriers, EditorStart start)
    : platform_(platform),
      view_(view),
      carriers_(std::move(carriers)),
      start_(std::move(start)),
      splash_(std::make_unique<TCompactSplash>(platform)),
      documents_(*this, specs_, start_.own_executable),
      frames_(*this),
      helps_(*this, carriers_.support),
      animations_(*this, specs_),
      pictures_(*this, specs_),
      tool_windows_(view.tool_windows()) {
  button_allowed_.fill(true);
  if (tool_windows_ != nullptr) {
    tool_window_commands_ = std::make_unique<ToolWindowCommands>(*this, *tool_windows_, popup_menu2_);
    tool_window_commands_->Register(commands_);
  }
  documents_.Register(commands_);
  frames_.Register(commands_, menus_);
  frame_sizes_.Register(commands_);
  links_.Register(commands_);
  helps_.Register(commands_, menus_);
  animations_.Register(commands_, menus_);
  pictures_.Register(commands_, menus_);
  RegisterClipboardCommands(commands_, *this);
  RegisterPrintCommands(commands_, *this, specs_);
  RegisterInformationCommands(commands_, *this, view_);
  RegisterFormCommands();
  menus_.Build(main_menu_, MainMenuTree(), commands_);
  menus_.Build(popup_menu1_, PopupMenu1Tree(), commands_);
  popup_menu1_.OnOpen = [this] { commands_.Run("PopupMenu1"); };
  menus_.Build(popup_menu2_, PopupMenu2Tree(), commands_);
}

TForm1::Impl::~Impl() {
  if (tool_windows_ != nullptr) tool_windows_->Wire(nullptr);
  if (!card_) return;
  // The menus go before the card does: its window must not keep showing one.
  card_->Window().AttachPopupMenu(nullptr);
  ConnectCard(nullptr);
}

void TForm1::Impl::ConnectCard(TZarvickV2* card) {
  LegacyReader().Attach(card);
  ZarvickClipboard().SetPlatform(card != nullptr ? &platform_ : nullptr);
  ZarvickClipboard().SetCard(card);
}

void TForm1::Impl::SetBusy(bool busy) {
  platform_.cursors().SetBusy(busy);
  if (card_) card_->SuspendAnimations(busy);
  for (int i = 0; i < main_menu_.Count(); ++i) main_menu_.SetEnabled(i, !busy);
  if (card_) card_->Window().SetEnabled(!busy);
  // Stop and Play stay as the timer left them, so a playing sound can always be stopped.
  for (int tag = 1; tag <= kToolButtonCount; ++tag) {
    if (tag != 13 && tag != 14) Allowed(tag) = !busy;
  }
  if (tool_windows_ != nullptr) tool_windows_->SetBusy(busy);
  UpdateCaption();
  platform_.application().ProcessPendingEvents();
}

bool TForm1::Impl::GetBusy() const { return main_menu_.Count() > 0 && !main_menu_.IsEnabled(0); }

void TForm1::Impl::ShowError(std::string_view error_text) {
  platform_.dialogs().ErrorBox(Translate("Error"), Translate(error_text));
}

void TForm1::Impl::UpdateCaption() {
  if (card_) caption_ = (card_->Saved() ? "" : "*") + card_->CardName() + " - " + std::string(kApplicationTitle);
  ShowState();
}

void TForm1::Impl::ShowState() {
  for (ToolButtonState& button : buttons_) {
    button.enabled = Allowed(button.tag) && commands_.Has(ToolButtonCommand(button.tag));
  }
  view_.Refresh();
}

void TForm1::Impl::Timer1Timer() {
  if (!Running() || !view_.IsVisible() || GetBusy()) return;
  Allowed(13) = card_->CanStopSound();
  Allowed(14) = card_->CanPlaySound();
  Allowed(15) = HasVolumeControl();
  Button(15).hint = HintWithLine(ToolButtonHint(15), VolumeControlMissingHint());
  Allowed(8) = !GetLock();
  if (tool_windows_ != nullptr) tool_windows_->SetInsertEnabled(!GetLock());
  Allowed(4) = PrintCompanionPresent();
  if (!caption_.starts_with('*') && !card_->Saved()) {
    UpdateCaption();
  } else {
    ShowState();
  }
}

void TForm1::Impl::SaveAllSettings() {
  if (tool_windows_ != nullptr) tool_windows_->SaveSettings();
  SaveSystemSettings({card_->Animations().OutlineMode(), on_top_, false});
}

bool TForm1::Impl::PrintCompanionPresent() const {
  std::error_code ignored;
  return std::filesystem::is_regular_file(PrintCompanionProgram(), ignored);
}

void TForm1::Impl::RunToolButton(int tag) {
  if (tag < 1 || tag > kToolButtonCount || !Running() || !Button(tag).enabled) return;
  commands_.Run(ToolButtonCommand(tag));
}

void TForm1::Impl::SetOnTop(bool on_top) {
  on_top_ = on_top;
  view_.SetStayOnTop(on_top);
}

void TForm1::Impl::SetPause(bool paused) {
  Button(9).down = paused;
  card_->Animations().Paused = paused;
  ShowState();
}

bool TForm1::Impl::GetPause() const { return card_->Animations().Paused; }

void TForm1::Impl::SetLock(bool locked) {
  ZarvickClipboard().SetLocked(locked);
  Button(10).down = locked;
  ShowState();
}

void TForm1::Impl::ExitSystem() {
  if (!Running() || GetBusy() || !documents_.OkForOpen()) return;
  view_.SetVisible(false);
  platform_.application().ProcessPendingEvents();
  card_->StopSound();
  card_->HideCardWindow();
  SaveAllSettings();
  // The windows let go of the card's animations before the card goes.
  if (tool_windows_ != nullptr) tool_windows_->Wire(nullptr);
  ConnectCard(nullptr);
  card_.reset();
  splash_->Detach();
  help_.reset();
  // The menus outlive the card; from now on their items find no command to run.
  commands_ = CommandSet();
  platform_.application().Terminate(0);
}

}  // namespace plorvane
