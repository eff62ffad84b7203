#pragma once
// Playing and stopping the card's sound and starting the desktop's volume control.

#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

void RegisterSoundCommands(CommandSet& commands, FormServices& form, MenuIndex& menus);

// Whether the desktop has a volume-control program.
bool HasVolumeControl();

}  // namespace plorvane
