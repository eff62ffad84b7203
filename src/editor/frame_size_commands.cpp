#include "editor/frame_size_commands.h"

#include <algorithm>
#include <array>
#include <string>

#include "card/card.h"
#include "editor/card_colours.h"
#include "support/general.h"
#include "support/translate.h"

namespace plorvane {
namespace {

struct SizePreset {
  std::string_view item;
  int size;
};

constexpr std::array<SizePreset, 6> kSizePresets = {{
    {"N1Fine1", 1},
    {"N5Small1", 5},
    {"N15Medium1", 15},
    {"N35Large1", 35},
    {"N50ExtraLarge1", 50},
    {"N75SuperLarge1", 75},
}};

}  // namespace

void FrameSizeCommands::Register(CommandSet& commands) {
  for (const SizePreset& preset : kSizePresets) {
    commands.Register(preset.item, [this, size = preset.size] { FrameSize(size); });
  }
  commands.Register("Define1", [this] { Define1Click(); });
  commands.Register("Color1", [this] { ChooseColour(form_, CardColour::kFrame); });
  commands.Register("AutoColor1", [this] { ApplyAutoColour(form_, CardColour::kFrame); });
}

void FrameSizeCommands::FrameSize(int size) {
  TZarvickV2& card = form_.card();
  if (size == card.pSize()) return;
  BusyScope busy(form_);
  if (!card.BeginChange()) {
    card.ShowError();
    return;
  }
  card.SetSize(size);
  card.RedrawIfChanged();
}

void FrameSizeCommands::Define1Click() {
  TZarvickV2& card = form_.card();
  const std::string prompt =
      Translate("Type Size of Frame") + " 0-" + std::to_string(TZarvickV2::kMaxFrameSize);
  const auto answer = form_.platform().dialogs().InputBox(Translate("Frame Size"), prompt, std::to_string(card.pSize()));
  if (!answer) return;
  // Limited before the comparison, so a size beyond the largest on a card already that wide is
  // no change (and no undo step).
  FrameSize(std::clamp(TGeneral::ToRoundedInteger(*answer), 0, TZarvickV2::kMaxFrameSize));
}

void ShowFrameColourItemStates(FormServices& form, MenuIndex& menus) {
  menus.SetEnabled("AutoColor1", AutoFrameColor(form) != form.card().pColor());
}

}  // namespace plorvane
