#pragma once
// The Help menu and its pages, the Tools menu of companion programs and the command
// that extracts the library files again.

#include <cstdint>
#include <span>
#include <string_view>

#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

// A page of the help set through the shell, busy meanwhile; THelp's error when it cannot be shown.
void ShowHelpPage(FormServices& form, std::string_view page);

class HelpCommands {
 public:
  HelpCommands(FormServices& form, std::span<const std::uint8_t> support_carrier)
      : form_(form), support_carrier_(support_carrier) {}

  void Register(CommandSet& commands, MenuIndex& menus);

  void OnlineHelp1Click();
  void ExtractSupportFiles2Click();
  // The library files into the library folders, never over a file that is there; false with
  // `error_text` when the carrier's archive cannot be read.
  bool ExtractLibrary(std::string& error_text);
  void RunTool(std::string_view tool_name);
  void Tools1Click(MenuIndex& menus);

 private:
  FormServices& form_;
  std::span<const std::uint8_t> support_carrier_;
};

}  // namespace plorvane
