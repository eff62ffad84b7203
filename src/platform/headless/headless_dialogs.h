#pragma once
// Dialogs without a display: each request is recorded, and the answer is the next scripted one
// for its kind of dialog. Unscripted, every dialog is cancelled (an input box answers nothing,
// a file dialog kCancelled, a message box its cancelling answer).

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/headless/call_log.h"

namespace plorvane {

struct ErrorBoxRecord {
  std::string caption;
  std::string text;
  friend bool operator==(const ErrorBoxRecord&, const ErrorBoxRecord&) = default;
};

struct ColourDialogRecord {
  Colour initial = kBlack;
  bool full_open = false;
  friend bool operator==(const ColourDialogRecord&, const ColourDialogRecord&) = default;
};

struct FontDialogRecord {
  Font initial;
  bool show_effects = false;
  friend bool operator==(const FontDialogRecord&, const FontDialogRecord&) = default;
};

struct InputBoxRecord {
  std::string caption;
  std::string prompt;
  std::string default_text;
  friend bool operator==(const InputBoxRecord&, const InputBoxRecord&) = default;
};

class HeadlessDialogs final : public Dialogs {
 public:
  explicit HeadlessDialogs(CallLog& log) : log_(log) {}

  void ErrorBox(const std::string& caption, const std::string& text) override;
  MessageAnswer ShowMessage(const MessageRequest& request) override;
  FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& default_text) override;
  std::optional<Colour> ChooseColour(Colour initial, bool full_open) override;
  std::optional<Font> ChooseFont(const Font& initial, bool show_effects) override;

  void ScriptMessageAnswer(MessageAnswer answer) { message_answers_.push_back(answer); }
  // The user chooses `path`; the filter index stays as the request had it.
  void ScriptFileChoice(std::string path);
  void ScriptFileChoice(std::string path, int filter_index);
  void ScriptFileCancel();
  // The dialog cannot be shown at all.
  void ScriptFileFailure();
  // nullopt: the user cancels.
  void ScriptInputAnswer(std::optional<std::string> answer) { input_answers_.push_back(std::move(answer)); }

  // nullopt: the user cancels.
  void ScriptColourAnswer(std::optional<Colour> answer) { colour_answers_.push_back(answer); }
  // nullopt: the user cancels. Without effects the answer's underline, strikeout and colour are
  // replaced by the request's, as the real dialog does.
  void ScriptFontAnswer(std::optional<Font> answer) { font_answers_.push_back(std::move(answer)); }

  [[nodiscard]] const std::vector<ErrorBoxRecord>& error_boxes() const { return error_boxes_; }
  [[nodiscard]] const std::vector<MessageRequest>& messages() const { return messages_; }
  [[nodiscard]] const std::vector<FileDialogRequest>& file_dialogs() const { return file_dialogs_; }
  [[nodiscard]] const std::vector<InputBoxRecord>& input_boxes() const { return input_boxes_; }
  [[nodiscard]] const std::vector<ColourDialogRecord>& colour_dialogs() const { return colour_dialogs_; }
  [[nodiscard]] const std::vector<FontDialogRecord>& font_dialogs() const { return font_dialogs_; }
  // Scripted answers no dialog has taken yet; a test that ends with some left asked for a dialog
  // the code never showed.
  [[nodiscard]] std::size_t UnusedAnswers() const;

 private:
  struct ScriptedFile {
    FileDialogOutcome outcome;
    std::string path;
    std::optional<int> filter_index;
  };

  CallLog& log_;
  std::deque<MessageAnswer> message_answers_;
  std::deque<ScriptedFile> file_answers_;
  std::deque<std::optional<std::string>> input_answers_;
  std::vector<ErrorBoxRecord> error_boxes_;
  std::vector<MessageRequest> messages_;
  std::vector<FileDialogRequest> file_dialogs_;
  std::vector<InputBoxRecord> input_boxes_;
  std::deque<std::optional<Colour>> colour_answers_;
  std::deque<std::optional<Font>> font_answers_;
  std::vector<ColourDialogRecord> colour_dialogs_;
  std::vector<FontDialogRecord> font_dialogs_;
};

}  // namespace plorvane
