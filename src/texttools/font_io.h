#pragma once
// TFontIO: the font clipboard. A font is copied to and pasted from one file in the shared
// clipboard folder, so fonts pass between the text window, the symbol window and other running
// copies of the program. Callers assign their font to pFont before CopyFont and take pFont
// after a successful PasteFont.

#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/font.h"
#include "streaming/published_properties.h"

namespace plorvane {

class TFontIO {
 public:
  static constexpr std::string_view kClassName = "TFontIO";
  // pFont as sub-properties (texttools/font_properties.h): pFont.Name, pFont.Size, pFont.Height,
  // pFont.Color, pFont.Bold, pFont.Italic, pFont.Underline, pFont.StrikeOut.
  static const PublishedProperties<TFontIO>& Published();

  Font pFont;

  // clipboard-object-FN.FN in the clipboard folder.
  static std::string ClipboardFile();

  bool CopyFont();
  [[nodiscard]] bool CanPaste() const;
  // The file's font replaces pFont whole: an entry the file leaves out (the platform's default
  // face is written as no name) takes its default, not what pFont held before.
  bool PasteFont();
  // An error box with LastError as it is, untranslated.
  void ShowError(Dialogs& dialogs) const;
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

 private:
  std::string last_error_;
};

// The one shared instance, made on first use.
TFontIO& FontIO();

}  // namespace plorvane
