#pragma once
// The Cut, Copy, Paste and Clear items of the Cursor, Sound, Frame and Link menus, which move the
// card's parts through the card clipboard, and the one way every menu runs a clipboard operation.

#include "clipboard/card_clipboard.h"
#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

// Runs the operation, busy meanwhile when asked; a refusal or failure shows the clipboard's
// error box.
void RunClipboardOperation(FormServices& form, ClipboardOperation operation, bool busy);

void RegisterClipboardCommands(CommandSet& commands, FormServices& form);

// Enables each part item by whether its operation is allowed now; the menus call it as they open.
void ShowClipboardItemStates(MenuIndex& menus);

}  // namespace plorvane
