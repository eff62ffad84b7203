#include "editor/frame_commands.h"

#include <array>
#include <span>
#include <string>

#include "card/card.h"
#include "editor/clipboard_commands.h"
#include "editor/frame_size_commands.h"
#include "support/text_case.h"
#include "support/translate.h"

namespace plorvane {
namespace {

struct PresetItem {
  std::string_view item;
  std::string_view preset;
};

constexpr std::array<PresetItem, 6> kStyles = {{
    {"traditional1", "Traditional"},
    {"traditional2", "Traditional2"},
    {"OldWorld1", "OldWorld"},
    {"modern1", "Modern"},
    {"postmodern1", "Post-Modern"},
    {"contemporary1", "Contemporary"},
}};

constexpr std::array<PresetItem, 10> kCollections = {{
    {"Default1", "Default"},
    {"Classic1", "Classic"},
    {"Charm1", "Charm"},
    {"HiThere1", "Hi There"},
    {"Hope1", "Hope"},
    {"Joy1", "Joy"},
    {"Love1", "Love"},
    {"MissYou1", "Miss You"},
    {"gentle1", "Gentle"},
    {"Stern1", "Stern"},
}};

}  // namespace

void FrameCommands::Register(CommandSet& commands, MenuIndex& menus) {
  for (const auto& list : {std::span<const PresetItem>(kStyles), std::span<const PresetItem>(kCollections)}) {
    for (const PresetItem& entry : list) {
      commands.Register(entry.item, [this, preset = entry.preset] { FrameCollection(preset); });
    }
  }
  commands.Register("Frame1", [this, &menus] { Frame1Click(menus); });
}

void FrameCommands::FrameCollection(std::string_view preset_name) {
  BusyScope busy(form_);
  TZarvickV2& card = form_.card();
  if (!card.ApplyCollection(preset_name)) card.ShowError();
}

void FrameCommands::Frame1Click(MenuIndex& menus) {
  ShowClipboardItemStates(menus);
  ShowFrameColourItemStates(form_, menus);
  const TZarvickV2& card = form_.card();
  menus.SetCaption("Size1", Translate("&Size") + " [" + std::to_string(card.pSize()) + "]");
  const bool has_frame = card.pSize() != 0;
  // Each style is checked by its own preset name, whatever order the items stand in.
  for (const PresetItem& style : kStyles) {
    menus.SetChecked(style.item, EqualsIgnoringCase(card.CollectionName(), style.preset));
    menus.SetEnabled(style.item, has_frame);
  }
  menus.SetEnabled("Color1", has_frame);
}

}  // namespace plorvane
