#include "texttools/font_io.h"

#include <unistd.h>

#include "support/paths.h"
#include "support/translate.h"
#include "texttools/component_io.h"

namespace plorvane {
namespace {

using FontFlag = bool Font::*;

template <FontFlag flag>
bool GetFlag(const TFontIO& io) {
  return io.pFont.*flag;
}

template <FontFlag flag>
void SetFlag(TFontIO& io, bool value) {
  io.pFont.*flag = value;
}

}  // namespace

const PublishedProperties<TFontIO>& TFontIO::Published() {
  using F = TFontIO;
  static const auto properties =
      PublishedProperties<TFontIO>()
          .String(
              "pFont.Name", [](const F& io) { return io.pFont.name; },
              [](F& io, std::string&& name) { io.pFont.name = std::move(name); })
          .Integer(
              "pFont.Size", [](const F& io) { return std::int32_t{io.pFont.size}; },
              [](F& io, std::int32_t size) { io.pFont.size = size; })
          .Integer(
              "pFont.Height", [](const F& io) { return std::int32_t{io.pFont.pixel_height}; },
              [](F& io, std::int32_t height) { io.pFont.pixel_height = height; })
          .Integer(
              "pFont.Color", [](const F& io) { return static_cast<std::int32_t>(io.pFont.colour); },
              [](F& io, std::int32_t colour) { io.pFont.colour = static_cast<Colour>(colour); })
          .Boolean("pFont.Bold", GetFlag<&Font::bold>, SetFlag<&Font::bold>)
          .Boolean("pFont.Italic", GetFlag<&Font::italic>, SetFlag<&Font::italic>)
          .Boolean("pFont.Underline", GetFlag<&Font::underline>, SetFlag<&Font::underline>)
          .Boolean("pFont.StrikeOut", GetFlag<&Font::strikeout>, SetFlag<&Font::strikeout>);
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
