#include "editor/document_commands.h"

#include <filesystem>

#include "card/card.h"
#include "editor/library_folders.h"
#include "editor/system_settings.h"
#include "support/translate.h"

namespace plorvane {

DocumentCommands::DocumentCommands(FormServices& form, DialogSpecs& specs, std::string own_executable)
    : form_(form),
      specs_(specs),
      open_handler_(form.platform().dialogs()),
      own_executable_(std::move(own_executable)) {}

void DocumentCommands::Register(CommandSet& commands) {
  commands.Register("New1", [this] { New1Click(); });
  commands.Register("NewInstance1", [this] { NewInstance1Click(); });
  commands.Register("Open1", [this] { OpenCard(specs_.CardOpenSpec, std::nullopt); });
  commands.Register("OpenfromStartButton1", [this] { OpenCard(specs_.CardOpenSpec, LibraryFolder("Zarvicks")); });
  commands.Register("Save1", [this] { Save1Click(); });
  commands.Register("SaveAs1", [this] { SaveCard(specs_.CardSaveSpec, std::nullopt); });
  commands.Register("Saveto1", [this] { SaveCard(specs_.CardSaveSpec, LibraryFolder("Zarvicks")); });
  commands.Register("Undo1", [this] { Undo1Click(); });
}

bool DocumentCommands::OkForOpen() {
  TZarvickV2& card = form_.card();
  if (card.Saved()) return true;
  MessageRequest question;
  question.caption = std::string(kApplicationTitle);
  question.text = Translate("Save Changes to") + " " + card.CardName() + "?";
  question.icon = MessageIcon::kWarning;
  question.buttons = MessageButtons::kYesNoCancel;
  switch (form_.platform().dialogs().ShowMessage(question)) {
    case MessageAnswer::kYes:
      SaveCard(specs_.CardSaveSpec, std::nullopt);
      return card.Saved();
    case MessageAnswer::kNo:
      card.SetSaved(true);
      return true;
    default:
      return false;
  }
}

void DocumentCommands::New1Click() {
  if (!OkForOpen()) return;
  TZarvickV2& card = form_.card();
  BusyScope busy(form_);
  card.HideCardWindow();
  if (!card.BeginChange()) {
    card.ShowError();
  } else if (!card.NewCard()) {
    card.ShowError();
  }
  card.ShowCardWindow();
}

void DocumentCommands::NewInstance1Click() {
  form_.platform().shell().StartProgram(own_executable_, {}, FolderOf(own_executable_));
}

void DocumentCommands::OpenCard(TDialogSpec& spec, const std::optional<std::string>& folder) {
  std::string chosen;
  if (!open_handler_.Execute(spec, OpenDialogKind::kOpen, chosen, folder)) return;
  if (!OkForOpen()) return;
  spec.FileName = chosen;
  BusyScope busy(form_);
  TZarvickV2& card = form_.card();
  if (!card.LoadFromFile(chosen)) card.ShowError();
}

void DocumentCommands::Save1Click() {
  BusyScope busy(form_);
  TZarvickV2& card = form_.card();
  if (!card.SaveToExecutable(card.FileName())) card.ShowError();
}

void DocumentCommands::SaveCard(TDialogSpec& spec, const std::optional<std::string>& folder) {
  TZarvickV2& card = form_.card();
  spec.FileName = card.FileName();
  std::string chosen;
  if (!open_handler_.Execute(spec, OpenDialogKind::kSave, chosen, folder)) return;
  spec.FileName = chosen;
  BusyScope busy(form_);
  if (!card.SaveToExecutable(chosen)) card.ShowError();
}

void DocumentCommands::Undo1Click() {
  BusyScope busy(form_);
  TZarvickV2& card = form_.card();
  if (!card.Undo()) card.ShowError();
  card.RedrawIfChanged();
}

bool DocumentCommands::CanSave() {
  std::error_code ignored;
  return std::filesystem::is_regular_file(form_.card().FileName(), ignored);
}

}  // namespace plorvane
