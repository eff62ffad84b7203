#include "editor/animation_commands.h"

#include <array>
#include <filesystem>
#include <string_view>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "editor/clipboard_commands.h"
#include "editor/library_folders.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

// One command in the Animation menu and, where it has one, its twin in the popup menu.
struct AnimationItem {
  std::string_view menu_item;
  std::string_view popup_item;
  ClipboardOperation operation;
  bool busy;
};

constexpr std::array<AnimationItem, 13> kAnimationItems = {{
    {"ToTop1", "Top1", ClipboardOperation::kBringToTop, false},
    {"ToBottom1", "Bottom1", ClipboardOperation::kSendToBottom, false},
    {"Duplicate2", "Duplicate1", ClipboardOperation::kDuplicate, false},
    {"Cut1", "Cut2", ClipboardOperation::kCutAnimation, true},
    {"Copy2", "Copy5", ClipboardOperation::kCopyAnimation, true},
    {"CopyAll1", {}, ClipboardOperation::kCopyAllAnimations, true},
    {"CopyasImageStrip1", "CopyasImageStrip2", ClipboardOperation::kCopyAsImageStrip, true},
    {"Paste1", "Paste4", ClipboardOperation::kPasteAnimation, true},
    {"PasteAll1", {}, ClipboardOperation::kPasteAllAnimations, true},
    {"PasteasStill1", "PasteasStill2", ClipboardOperation::kPasteFromStillImage, true},
    {"PastefromImageStrip1", "PastefromImageStrip2", ClipboardOperation::kPasteFromImageStrip, true},
    {"Delete2", "Delete1", ClipboardOperation::kDelete, false},
    {"DeleteAll1", "DeleteAll2", ClipboardOperation::kDeleteAll, true},
}};

// A flag of the focused element, by its items in the two menus.
struct FlagItem {
  std::string_view menu_item;
  std::string_view popup_item;
  bool (TZarvickClipboard::*get)() const;
  bool (TZarvickClipboard::*set)(bool);
};

constexpr std::array<FlagItem, 3> kFlagItems = {{
    {"Transparent2", "Transparent1", &TZarvickClipboard::Transparent, &TZarvickClipboard::SetTransparent},
    {"Flip1", "Flip2", &TZarvickClipboard::Flip, &TZarvickClipboard::SetFlip},
    {"Mirror1", "Mirror2", &TZarvickClipboard::Mirror, &TZarvickClipboard::SetMirror},
}};

constexpr std::array<std::string_view, 3> kOutlineItems = {"Focus1", "All1", "None4"};

bool IsBringOrSend(ClipboardOperation operation) {
  return operation == ClipboardOperation::kBringToTop || operation == ClipboardOperation::kSendToBottom;
}

}  // namespace

AnimationCommands::AnimationCommands(FormServices& form, DialogSpecs& specs)
    : form_(form), specs_(specs), open_handler_(form.platform().dialogs()) {}

void AnimationCommands::Register(CommandSet& commands, MenuIndex& menus) {
  for (const AnimationItem& item : kAnimationItems) {
    const auto run = [this, item] { RunClipboardOperation(form_, item.operation, item.busy); };
    commands.Register(item.menu_item, run);
    if (!item.popup_item.empty()) commands.Register(item.popup_item, run);
  }
  for (const FlagItem& flag : kFlagItems) {
    const auto toggle = [flag] {
      TZarvickClipboard& clipboard = ZarvickClipboard();
      if (!(clipboard.*flag.set)(!(clipboard.*flag.get)())) clipboard.ShowError();
    };
    commands.Register(flag.menu_item, toggle);
    commands.Register(flag.popup_item, toggle);
  }
  for (int mode = 0; mode < static_cast<int>(kOutlineItems.size()); ++mode) {
    commands.Register(kOutlineItems[static_cast<std::size_t>(mode)], [mode] { ZarvickClipboard().SetOutlineMode(mode); });
  }
  commands.Register("Outline1", [&menus] {
    const int mode = ZarvickClipboard().OutlineMode();
    for (int item = 0; item < static_cast<int>(kOutlineItems.size()); ++item) {
      menus.SetChecked(kOutlineItems[static_cast<std::size_t>(item)], item == mode);
    }
  });
  const auto from_file = [this] { OpenAnimation(specs_.AnimationSpec, std::nullopt); };
  const auto from_library = [this] { OpenAnimation(specs_.AnimationSpec, LibraryFolder("Animations")); };
  commands.Register("SelectfromFile2", from_file);
  commands.Register("SelectfromFile3", from_file);
  commands.Register("SelectfromStartButton2", from_library);
  commands.Register("SelectfromStartButton3", from_library);
  commands.Register("Animations1", [this, &menus] { ShowStates(menus, false); });
  commands.Register("PopupMenu1", [this, &menus] { ShowStates(menus, true); });
}

void AnimationCommands::ShowStates(MenuIndex& menus, bool popup) const {
  const TZarvickClipboard& clipboard = ZarvickClipboard();
  const bool focused = form_.card().HasSelection();
  for (const AnimationItem& item : kAnimationItems) {
    const bool allowed = clipboard.Allowed(item.operation);
    if (popup) {
      if (!item.popup_item.empty()) menus.SetEnabled(item.popup_item, allowed);
    } else {
      menus.SetEnabled(item.menu_item, IsBringOrSend(item.operation) ? focused : allowed);
    }
  }
  for (const FlagItem& flag : kFlagItems) {
    const std::string_view name = popup ? flag.popup_item : flag.menu_item;
    menus.SetEnabled(name, focused);
    menus.SetChecked(name, (clipboard.*flag.get)());
  }
  const bool unlocked = !clipboard.Locked();
  menus.SetEnabled(popup ? "SelectfromFile3" : "SelectfromFile2", unlocked);
  menus.SetEnabled(popup ? "SelectfromStartButton3" : "SelectfromStartButton2", unlocked);
  if (popup) return;
  menus.SetEnabled("Outline1", unlocked);
  menus.SetChecked("Lock1", clipboard.Locked());
  menus.SetChecked("Paused1", form_.card().Animations().Paused);
}

void AnimationCommands::OpenAnimation(TDialogSpec& spec, const std::optional<std::string>& folder) {
  std::string chosen;
  if (!open_handler_.Execute(spec, OpenDialogKind::kOpen, chosen, folder)) return;
  spec.FileName = chosen;
  BusyScope busy(form_);
  TZarvickV2& card = form_.card();
  const bool group = EqualsIgnoringCase(std::filesystem::path(chosen).extension().string(), ".SAG");
  if (!(group ? card.AddAnimationGroup(chosen) : card.AddAnimation(chosen))) card.ShowError();
}

}  // namespace plorvane
