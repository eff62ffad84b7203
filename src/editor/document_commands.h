#pragma once
// The commands that replace, load, save or undo the whole card, and the save-changes question
// that guards every command which would drop an unsaved card.

#include <optional>
#include <string>

#include "editor/dialog_specs.h"
#include "editor/form_services.h"
#include "editor/menu_commands.h"
#include "media/open_handler.h"

namespace plorvane {

class DocumentCommands {
 public:
  DocumentCommands(FormServices& form, DialogSpecs& specs, std::string own_executable);

  void Register(CommandSet& commands);

  // May the current card be replaced: saved, or the user saved it or let it go.
  bool OkForOpen();

  void New1Click();
  void NewInstance1Click();
  void OpenCard(TDialogSpec& spec, const std::optional<std::string>& folder);
  void Save1Click();
  void SaveCard(TDialogSpec& spec, const std::optional<std::string>& folder);
  void Undo1Click();
  // "&Save" is offered only while a file exists at the card's FileName.
  [[nodiscard]] bool CanSave();

 private:
  FormServices& form_;
  DialogSpecs& specs_;
  TOpenHandler open_handler_;
  std::string own_executable_;
};

}  // namespace plorvane
