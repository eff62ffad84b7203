#include "editor/picture_commands.h"

#include <memory>
#include <string_view>
#include <vector>

#include "card/card.h"
#include "editor/library_folders.h"
#include "graphics/bitmap_graphic.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/picture_import.h"
#include "platform/picture_pixels.h"
#include "support/file_io.h"
#include "support/limits.h"
#include "support/messages.h"

namespace plorvane {

PictureCommands::PictureCommands(FormServices& form, DialogSpecs& specs)
    : form_(form), specs_(specs), open_handler_(form.platform().dialogs()) {}

void PictureCommands::Register(CommandSet& commands, MenuIndex& menus) {
  commands.Register("Picture1", [this, &menus] {
    const bool can_paste = form_.platform().clipboard().HasBitmap();
    menus.SetEnabled("PastePicture1", can_paste);
    menus.SetEnabled("PastePictureWithCompression1", can_paste);
  });
  commands.Register("Copy1", [this] { Copy1Click(); });
  commands.Register("PastePicture1", [this] { PastePictureFromClipboard(false); });
  commands.Register("PastePictureWithCompression1", [this] { PastePictureFromClipboard(true); });
  commands.Register("Select1", [this] { OpenImage(specs_.PictureSpec, std::nullopt); });
  commands.Register("SelectImageFromStartButton1", [this] { OpenImage(specs_.PictureSpec, LibraryFolder("Pictures")); });
  commands.Register("SelectfromFile1", [this] { OpenPart(Part::kCursor, specs_.CursorSpec, std::nullopt); });
  commands.Register("SelectfromStartButton1",
                    [this] { OpenPart(Part::kCursor, specs_.CursorSpec, LibraryFolder("Cursors")); });
  commands.Register("Select2", [this] { OpenPart(Part::kSound, specs_.SoundSpec, std::nullopt); });
  commands.Register("SelectfromCollection1", [this] { OpenPart(Part::kSound, specs_.SoundSpec, LibraryFolder("Sounds")); });
}

void PictureCommands::Copy1Click() {
  BusyScope busy(form_);
  Platform& platform = form_.platform();
  const Bitmap pixels = PicturePixels(form_.card().CardPicture(), platform.metafiles());
  if (pixels.empty() || !platform.clipboard().SetBitmap(pixels)) form_.ShowError(msg::kTaskFailed);
}

bool PictureCommands::PastePictureFromClipboard(bool compressed) {
  BusyScope busy(form_);
  Clipboard& clipboard = form_.platform().clipboard();
  if (!clipboard.HasBitmap()) return true;
  const std::optional<Bitmap> bitmap = clipboard.GetBitmap();
  if (!bitmap || bitmap->empty()) {
    form_.ShowError(msg::kTaskFailed);
    return false;
  }
  std::unique_ptr<Graphic> graphic;
  if (compressed) {
    graphic = TJPEGImage::FromBitmap(*bitmap, kPasteJpegQuality);
  } else {
    graphic = std::make_unique<TBitmap>(*bitmap);
  }
  if (!graphic) {
    form_.ShowError(msg::kOutOfMemory);
    return false;
  }
  TZarvickV2& card = form_.card();
  if (!card.BeginChange()) {
    card.ShowError();
    form_.ShowError(msg::kOutOfMemory);
    return false;
  }
  Picture picture;
  picture.SetGraphic(std::move(graphic));
  card.SetCardPicture(std::move(picture));
  card.Redraw(true);
  return true;
}

void PictureCommands::OpenImage(TDialogSpec& spec, const std::optional<std::string>& folder) {
  std::string chosen;
  if (!open_handler_.Execute(spec, OpenDialogKind::kOpenPicture, chosen, folder)) return;
  spec.FileName = chosen;
  BusyScope busy(form_);
  std::vector<std::uint8_t> bytes;
  switch (ReadWholeFile(chosen, bytes, limits::kMaxDocumentBytes)) {
    case FileResult::kOk:
      break;
    case FileResult::kNotFound:
      form_.ShowError(msg::kFileNotFound);
      return;
    default:
      form_.ShowError(msg::kFileInUse);
      return;
  }
  Picture picture;
  std::string_view error;
  if (!ImportPicture(std::move(bytes), picture, error)) {
    form_.ShowError(error);
    return;
  }
  TZarvickV2& card = form_.card();
  if (!card.BeginChange()) {
    card.ShowError();
    return;
  }
  card.SetCardPicture(std::move(picture));
  card.Redraw(true);
}

void PictureCommands::OpenPart(Part part, TDialogSpec& spec, const std::optional<std::string>& folder) {
  std::string chosen;
  if (!open_handler_.Execute(spec, OpenDialogKind::kOpen, chosen, folder)) return;
  spec.FileName = chosen;
  BusyScope busy(form_);
  TZarvickV2& card = form_.card();
  const bool loaded = part == Part::kCursor ? card.LoadCursor(chosen) : card.LoadSound(chosen);
  if (!loaded) card.ShowError();
}

}  // namespace plorvane
