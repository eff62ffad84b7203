#pragma once
// Edit > "&Information..." (Ctrl+I, tool button 20): the card's summary in a window of its own.

#include "editor/form_services.h"
#include "editor/main_form.h"
#include "editor/menu_commands.h"

namespace plorvane {

void RegisterInformationCommands(CommandSet& commands, FormServices& form, MainWindowView& view);

}  // namespace plorvane
