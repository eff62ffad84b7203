#include "editor/help_commands.h"

#include <string>

#include "editor/companion_tools.h"
#include "editor/dialog_specs.h"
#include "editor/support_files.h"
#include "editor/web_pages.h"
#include "media/compact_splash.h"
#include "support/help.h"
#include "support/paths.h"
#include "editor/system_settings.h"
#include "support/translate.h"

namespace plorvane {

void HelpCommands::Register(CommandSet& commands, MenuIndex& menus) {
  commands.Register("OnlineHelp1", [this] { OnlineHelp1Click(); });
  commands.Register("About1", [this] { form_.splash().ShowAbout(); });
  for (const WebPage& page : HelpWebPages()) {
    commands.Register(page.item, [this, name = page.page] { ShowHelpPage(form_, name); });
  }
  const WebPage& resources = AdditionalResourcesPage();
  commands.Register(resources.item, [this, name = resources.page] { ShowHelpPage(form_, name); });
  commands.Register("ExtractSupportFiles2", [this] { ExtractSupportFiles2Click(); });
  commands.Register("Tools1", [this, &menus] { Tools1Click(menus); });
  for (const CompanionTool& tool : CompanionTools()) {
    commands.Register(tool.item, [this, name = tool.name] { RunTool(name); });
  }
}

void HelpCommands::OnlineHelp1Click() { ShowHelpPage(form_, "index.html"); }

void ShowHelpPage(FormServices& form, std::string_view page) {
  BusyScope busy(form);
  if (!form.help().ShowPage(page)) form.help().ShowError();
}

void HelpCommands::ExtractSupportFiles2Click() {
  BusyScope busy(form_);
  MessageRequest question;
  question.caption = std::string(kApplicationTitle);
  question.text = Translate("Extract Support Files") + "?";
  question.icon = MessageIcon::kWarning;
  question.buttons = MessageButtons::kYesCancel;
  if (form_.platform().dialogs().ShowMessage(question) != MessageAnswer::kYes) return;
  std::string error_text;
  if (!ExtractLibrary(error_text)) form_.ShowError(error_text);
}

bool HelpCommands::ExtractLibrary(std::string& error_text) {
  return Extract_supFiles(support_carrier_, Paths().MenuFolder("", true), error_text);
}

void HelpCommands::RunTool(std::string_view tool_name) {
  BusyScope busy(form_);
  const ToolLocation tool = ToolPath(tool_name);
  if (tool.found) form_.platform().shell().StartProgram(tool.path, {}, FolderOf(tool.path));
}

void HelpCommands::Tools1Click(MenuIndex& menus) {
  for (const CompanionTool& tool : CompanionTools()) menus.SetEnabled(tool.item, ToolPath(tool.name).found);
}

}  // namespace plorvane
