#pragma once
// The Picture menu, and choosing the card's cursor and sound from a file or the library: the
// picture through the system clipboard (plain or JPEG-compressed) or from any picture file a
// user has, which becomes one of the kinds the card stores.

#include <optional>
#include <string>

#include "editor/dialog_specs.h"
#include "editor/form_services.h"
#include "editor/menu_commands.h"
#include "media/open_handler.h"

namespace plorvane {

class PictureCommands {
 public:
  // The quality of "&Paste with Compression" on the 1..100 scale of libjpeg.
  static constexpr int kPasteJpegQuality = 62;

  PictureCommands(FormServices& form, DialogSpecs& specs);
  // `menus` is the index the Picture menu is built into; it is used when the menu opens.
  void Register(CommandSet& commands, MenuIndex& menus);

  // The clipboard's bitmap as the card's picture, as a bitmap or compressed into a JPEG; nothing
  // happens without a bitmap there. False (with the failed step's text in the form's error box,
  // or the card's own) when the picture did not change.
  bool PastePictureFromClipboard(bool compressed);
  // The picture file the user picks, whatever its name says.
  void OpenImage(TDialogSpec& spec, const std::optional<std::string>& folder);

 private:
  enum class Part { kCursor, kSound };
  void OpenPart(Part part, TDialogSpec& spec, const std::optional<std::string>& folder);
  void Copy1Click();

  FormServices& form_;
  DialogSpecs& specs_;
  TOpenHandler open_handler_;
};

}  // namespace plorvane
