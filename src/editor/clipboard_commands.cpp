#include "editor/clipboard_commands.h"

#include <array>
#include <optional>
#include <string_view>

namespace plorvane {
namespace {

struct PartItem {
  std::string_view item;
  ClipboardOperation operation;
};

// Each reads or writes a clipboard file, so each runs busy.
constexpr std::array<PartItem, 17> kPartItems = {{
    {"Cut3", ClipboardOperation::kCutCursor},
    {"Copy3", ClipboardOperation::kCopyCursor},
    {"Paste2", ClipboardOperation::kPasteCursor},
    {"PastefromIcon1", ClipboardOperation::kPasteFromIcon},
    {"Default2", ClipboardOperation::kDefaultCursor},
    {"Cut4", ClipboardOperation::kCutSound},
    {"Copy4", ClipboardOperation::kCopySound},
    {"Paste3", ClipboardOperation::kPasteSound},
    {"None2", ClipboardOperation::kClearSound},
    {"Cut5", ClipboardOperation::kCutFrame},
    {"Copy6", ClipboardOperation::kCopyFrame},
    {"Paste5", ClipboardOperation::kPasteFrame},
    {"None1", ClipboardOperation::kClearFrame},
    {"Cut6", ClipboardOperation::kCutLink},
    {"Copy7", ClipboardOperation::kCopyLink},
    {"Paste6", ClipboardOperation::kPasteLink},
    {"None3", ClipboardOperation::kClearLink},
}};

}  // namespace

void RunClipboardOperation(FormServices& form, ClipboardOperation operation, bool busy) {
  std::optional<BusyScope> busy_scope;
  if (busy) busy_scope.emplace(form);
  TZarvickClipboard& clipboard = ZarvickClipboard();
  if (!clipboard.Run(operation)) clipboard.ShowError();
}

void RegisterClipboardCommands(CommandSet& commands, FormServices& form) {
  for (const PartItem& part : kPartItems) {
    commands.Register(part.item, [&form, operation = part.operation] { RunClipboardOperation(form, operation, true); });
  }
}

void ShowClipboardItemStates(MenuIndex& menus) {
  const TZarvickClipboard& clipboard = ZarvickClipboard();
  for (const PartItem& part : kPartItems) menus.SetEnabled(part.item, clipboard.Allowed(part.operation));
}

}  // namespace plorvane
