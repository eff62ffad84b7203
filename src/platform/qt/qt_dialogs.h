#pragma once
// Message boxes, file dialogs and the input box on Qt.

#include <string>
#include <vector>

#include "platform/dialogs.h"

class QColorDialog;
class QFontDialog;

namespace plorvane {

class QtDialogs final : public Dialogs {
 public:
  void ErrorBox(const std::string& caption, const std::string& text) override;
  MessageAnswer ShowMessage(const MessageRequest& request) override;
  FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& default_text) override;
  std::optional<Colour> ChooseColour(Colour initial, bool full_open) override;
  std::optional<Font> ChooseFont(const Font& initial, bool show_effects) override;
};

// Leaves out the part where colours are mixed unless the dialog opens in full.
void ShapeColourDialog(QColorDialog& dialog, bool full_open);
// Leaves out the effects (underline, strikeout) unless asked for.
void ShapeFontDialog(QFontDialog& dialog, bool show_effects);

// Name filters as Qt shows them, from "label|patterns|label|patterns": each label without a
// trailing "(...)" of its own, followed by its patterns in parentheses.
std::vector<std::string> QtNameFilters(const std::string& filter);
// Texts of the core break lines with "\r"; Qt breaks them with "\n".
std::string QtLines(const std::string& text);

}  // namespace plorvane
