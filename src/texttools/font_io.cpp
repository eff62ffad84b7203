#include "texttools/font_io.h"

#include <unistd.h>

#include "support/paths.h"
#include "support/translate.h"
#include "texttools/component_io.h"
#include "texttools/font_properties.h"

namespace plorvane {

const PublishedProperties<TFontIO>& TFontIO::Published() {
  static const auto properties = [] {
    PublishedProperties<TFontIO> list;
    return PublishFont(list, "pFont", &TFontIO::pFont);
  }();
  return properties;
}

std::string TFontIO::ClipboardFile() { return Paths().ClipboardObjectFile("FN"); }

bool TFontIO::CopyFont() { return ComponentIO().SaveComponent(*this, ClipboardFile(), last_error_); }

bool TFontIO::CanPaste() const {
  const std::string file = ClipboardFile();
  return !file.empty() && ::access(file.c_str(), F_OK) == 0;
}

bool TFontIO::PasteFont() {
  TFontIO read;
  if (!ComponentIO().LoadComponent(read, ClipboardFile(), last_error_)) return false;
  pFont = std::move(read.pFont);
  return true;
}

void TFontIO::ShowError(Dialogs& dialogs) const {
  dialogs.ShowMessage(MessageRequest{Translate("Error"), last_error_, MessageIcon::kError, MessageButtons::kOk});
}

TFontIO& FontIO() {
  static TFontIO instance;
  return instance;
}

}  // namespace plorvane
