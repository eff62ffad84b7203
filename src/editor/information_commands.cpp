#include "editor/information_commands.h"

#include "editor/card_information.h"
#include "support/translate.h"

namespace plorvane {

void RegisterInformationCommands(CommandSet& commands, FormServices& form, MainWindowView& view) {
  commands.Register("Information1", [&form, &view] {
    // Busy while the window is up: it is modal, and the card stands still meanwhile.
    BusyScope busy(form);
    view.ShowInformation(Translate("Information"), InformationRichText(CardInformation(form.card())));
  });
}

}  // namespace plorvane
