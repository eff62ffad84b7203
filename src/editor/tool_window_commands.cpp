#include "editor/tool_window_commands.h"

#include <array>
#include <string>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "editor/help_commands.h"

namespace plorvane {
namespace {

// The rates of the frame-rate menu's items "Fps0" ("Still") to "Fps20".
constexpr std::array kFrameRates = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15, 18, 20};

}  // namespace

std::string_view HelpPageOf(ToolWindow window) {
  switch (window) {
    case ToolWindow::kTextInsert:
      return "text.html";
    case ToolWindow::kInsertSymbol:
      return "symbol.html";
    case ToolWindow::kAnimationElement:
      return "animation.html";
  }
  return {};
}

void ToolWindowCommands::Register(CommandSet& commands) {
  commands.Register("ModifyAnimation1", [this] { windows_.Show(ToolWindow::kAnimationElement); });
  commands.Register("InsertText1", [this] { windows_.Show(ToolWindow::kTextInsert); });
  commands.Register("InsertSymbol1", [this] { windows_.Show(ToolWindow::kInsertSymbol); });
  for (const int fps : kFrameRates) {
    commands.Register("Fps" + std::to_string(fps), [this, fps] { windows_.SetFps(fps); });
  }
}

void ToolWindowCommands::OnInsert(ToolWindow sender) {
  if (sender == ToolWindow::kAnimationElement) return;
  BusyScope busy(form_);
  // A rendering the user stopped (or that could not be made) hands over no picture: the card
  // stays as it was and there is nothing to report.
  const Bitmap& picture = windows_.InsertPicture(sender);
  TZarvickClipboard& clipboard = ZarvickClipboard();
  if (!picture.empty() && !clipboard.AddStrip(picture, 1, true)) clipboard.ShowError();
  windows_.ReleaseInsertPicture(sender);
}

void ToolWindowCommands::OnHelp(ToolWindow sender) { ShowHelpPage(form_, HelpPageOf(sender)); }

void ToolWindowCommands::OnSync() {
  // A card without a picture has none to match; the text area keeps its size.
  const Graphic* picture = form_.card().CardPicture().graphic();
  if (picture != nullptr) windows_.SyncTextSize(picture->Width(), picture->Height());
}

void ToolWindowCommands::OnFpsMenu() {
  Platform& platform = form_.platform();
  platform.windowing().ShowPopupMenu(frame_rate_menu_, platform.screen().MousePosition());
}

}  // namespace plorvane
