// The commands the main window runs itself: the window, stay-on-top, pause and lock, the exit,
// and what the File, Edit and Animation menus show when they open.

#include <filesystem>

#include "editor/clipboard_commands.h"
#include "editor/library_folders.h"
#include "editor/link_commands.h"
#include "editor/main_form_impl.h"
#include "editor/sound_commands.h"

namespace plorvane {

void TForm1::Impl::RegisterFormCommands() {
  commands_.Register("File1", [this] { File1Click(); });
  commands_.Register("Edit1", [this] { menus_.SetChecked("OnTop1", GetOnTop()); });
  commands_.Register("Cursor1", [this] { ShowClipboardItemStates(menus_); });
  commands_.Register("WebLink1", [this] {
    ShowClipboardItemStates(menus_);
    ShowLinkItemStates(*this, menus_);
  });
  commands_.Register("CentreCard1", [this] { card_->CenterCardWindow(); });
  commands_.Register("OnTop1", [this] { SetOnTop(!GetOnTop()); });
  commands_.Register("Paused1", [this] { SetPause(!GetPause()); });
  commands_.Register("Lock1", [this] { SetLock(!GetLock()); });
  commands_.Register("Exit1", [this] { ExitSystem(); });
  RegisterSoundCommands(commands_, *this, menus_);
  RegisterViewFolderCommands(commands_, *this, specs_);
}

void TForm1::Impl::File1Click() {
  menus_.SetEnabled("Save1", documents_.CanSave());
  menus_.SetEnabled("Print1", PrintCompanionPresent());
}

}  // namespace plorvane
