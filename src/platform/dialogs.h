#pragma once
// Modal dialogs. Every text arrives ready to show: the caller translates captions, prompts and
// filter labels (so ErrorBox's caption is the translated "Error"), the platform shows them as
// they are.

#include <optional>
#include <string>

#include "graphics/colour.h"
#include "platform/font.h"

namespace plorvane {

enum class MessageIcon { kInformation, kWarning, kError, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesCancel, kYesNo, kYesNoCancel };
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

struct MessageRequest {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::kInformation;
  MessageButtons buttons = MessageButtons::kOk;
};

enum class FileDialogKind { kOpen, kSave };

struct FileDialogOptions {
  bool overwrite_prompt = false;
  bool hide_read_only = false;
  bool path_must_exist = false;
  bool file_must_exist = false;
};

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  std::string title;  // empty: the platform's own title for the kind
  // Pairs of label and patterns, all separated by "|": "Bitmap (*.bmp)|*.bmp|Jpeg (*.jpg)|*.jpg".
  // A pattern may list several masks separated by ";".
  std::string filter;
  int filter_index = 1;  // 1-based pair shown first
  std::string default_extension;  // without the dot; added to a typed name without extension
  std::string initial_folder;
  std::string file_name;  // proposed in the name box
  FileDialogOptions options;
  bool picture_preview = false;
};

enum class FileDialogOutcome {
  kChosen,
  kCancelled,
  // The dialog could not be shown; callers fall back to a plain dialog.
  kFailed,
};

struct FileDialogResult {
  FileDialogOutcome outcome = FileDialogOutcome::kCancelled;
  std::string path;      // full path, when chosen
  int filter_index = 1;  // the pair the user had selected last
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Error icon, one OK button, owned by the application.
  virtual void ErrorBox(const std::string& caption, const std::string& text) = 0;
  // Closing the box without a button answers the cancelling button: Cancel, else No, else OK.
  virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
  virtual FileDialogResult RunFileDialog(const FileDialogRequest& request) = 0;
  // A one-line input box: the text typed, or nothing when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& default_text) = 0;
  // The colour chosen, or nothing when cancelled. `full_open` also shows the part in which the
  // user mixes colours of their own.
  virtual std::optional<Colour> ChooseColour(Colour initial, bool full_open) = 0;
  // The font chosen, or nothing when cancelled. Without effects the user picks face, size and
  // style only; underline, strikeout and colour stay as `initial` has them.
  virtual std::optional<Font> ChooseFont(const Font& initial, bool show_effects) = 0;
};

// A font dialog without effects changes neither underline, strikeout nor colour.
void KeepEffects(Font& chosen, const Font& initial);

// The answer of a box closed without pressing a button.
MessageAnswer CancellingAnswer(MessageButtons buttons);

}  // namespace plorvane
