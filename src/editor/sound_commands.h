#pragma once
// Playing and stopping the card's sound and starting the desktop's volume control.

#include <string>

#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

void RegisterSoundCommands(CommandSet& commands, FormServices& form, MenuIndex& menus);

// Whether the desktop has a volume-control program.
bool HasVolumeControl();
// Why "Volume Control" is disabled, translated; empty while a volume-control program is there.
std::string VolumeControlMissingHint();

}  // namespace plorvane
