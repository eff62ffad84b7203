#include "editor/sound_commands.h"

#include "card/card.h"
#include "editor/clipboard_commands.h"
#include "editor/dialog_specs.h"
#include "support/paths.h"
#include "support/translate.h"

namespace plorvane {

bool HasVolumeControl() { return !Paths().VolumeControlProgram().empty(); }

std::string VolumeControlMissingHint() {
  return HasVolumeControl() ? std::string() : Translate("No volume control is installed (install pavucontrol)");
}

void RegisterSoundCommands(CommandSet& commands, FormServices& form, MenuIndex& menus) {
  commands.Register("Play1", [&form] {
    BusyScope busy(form);
    if (!form.card().PlaySound()) form.card().ShowError();
  });
  commands.Register("Stop1", [&form] {
    BusyScope busy(form);
    form.card().StopSound();
  });
  commands.Register("ShowVolumeControl1", [&form] {
    BusyScope busy(form);
    const std::string program = Paths().VolumeControlProgram();
    if (!program.empty()) form.platform().shell().StartProgram(program, {}, FolderOf(program));
  });
  commands.Register("Sound1", [&form, &menus] {
    menus.SetEnabled("Stop1", form.card().CanStopSound());
    menus.SetEnabled("Play1", form.card().CanPlaySound());
    menus.SetEnabled("ShowVolumeControl1", HasVolumeControl());
    menus.SetHint("ShowVolumeControl1", VolumeControlMissingHint());
    ShowClipboardItemStates(menus);
  });
}

}  // namespace plorvane
