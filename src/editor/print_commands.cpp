#include "editor/print_commands.h"

#include <functional>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "editor/companion_tools.h"

namespace plorvane {
namespace {

void RunPrint(FormServices& form, const std::function<bool(TZarvickClipboard&)>& print) {
  BusyScope busy(form);
  TZarvickClipboard& clipboard = ZarvickClipboard();
  if (!print(clipboard)) clipboard.ShowError();
}

}  // namespace

std::string PrintCompanionProgram() { return ToolPath(kPrintCompanionTool).path; }

void RegisterPrintCommands(CommandSet& commands, FormServices& form, DialogSpecs& specs) {
  commands.Register("Print1", [&form] {
    RunPrint(form, [&form](TZarvickClipboard& clipboard) {
      return clipboard.Print(form.card().CardName() + " (Zarvick)", PrintCompanionProgram());
    });
  });
  commands.Register("PrinttoClipboard1", [&form] {
    RunPrint(form, [](TZarvickClipboard& clipboard) { return clipboard.PrintToClipboard(); });
  });
  commands.Register("PrinttoFile1", [&form, &specs] {
    RunPrint(form, [&specs](TZarvickClipboard& clipboard) { return clipboard.PrintToFile(specs.PrintFileSpec); });
  });
}

}  // namespace plorvane
