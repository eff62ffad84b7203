#include "platform/headless/headless_dialogs.h"

#include <utility>

namespace plorvane {
namespace {

// The next scripted answer; unscripted, the user cancels.
template <typename T>
std::optional<T> TakeAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

void HeadlessDialogs::ErrorBox(const std::string& caption, const std::string& text) {
  log_.Add("error box " + caption + ": " + text);
  error_boxes_.push_back(ErrorBoxRecord{caption, text});
}

MessageAnswer HeadlessDialogs::ShowMessage(const MessageRequest& request) {
  log_.Add("message box " + request.caption + ": " + request.text);
  messages_.push_back(request);
  if (message_answers_.empty()) return CancellingAnswer(request.buttons);
  const MessageAnswer answer = message_answers_.front();
  message_answers_.pop_front();
  return answer;
}

void HeadlessDialogs::ScriptFileChoice(std::string path) {
  file_answers_.push_back(ScriptedFile{FileDialogOutcome::kChosen, std::move(path), std::nullopt});
}

void HeadlessDialogs::ScriptFileChoice(std::string path, int filter_index) {
  file_answers_.push_back(ScriptedFile{FileDialogOutcome::kChosen, std::move(path), filter_index});
}

void HeadlessDialogs::ScriptFileCancel() {
  file_answers_.push_back(ScriptedFile{FileDialogOutcome::kCancelled, {}, std::nullopt});
}

void HeadlessDialogs::ScriptFileFailure() {
  file_answers_.push_back(ScriptedFile{FileDialogOutcome::kFailed, {}, std::nullopt});
}

FileDialogResult HeadlessDialogs::RunFileDialog(const FileDialogRequest& request) {
  log_.Add(std::string(request.kind == FileDialogKind::kOpen ? "open dialog " : "save dialog ") + request.filter);
  file_dialogs_.push_back(request);
  FileDialogResult result{FileDialogOutcome::kCancelled, {}, request.filter_index};
  if (file_answers_.empty()) return result;
  ScriptedFile scripted = std::move(file_answers_.front());
  file_answers_.pop_front();
  result.outcome = scripted.outcome;
  result.path = std::move(scripted.path);
  result.filter_index = scripted.filter_index.value_or(request.filter_index);
  return result;
}

std::optional<std::string> HeadlessDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                                     const std::string& default_text) {
  log_.Add("input box " + caption + ": " + prompt);
  input_boxes_.push_back(InputBoxRecord{caption, prompt, default_text});
  return TakeAnswer(input_answers_);
}

std::optional<Colour> HeadlessDialogs::ChooseColour(Colour initial, bool full_open) {
  log_.Add("colour dialog " + std::to_string(initial));
  colour_dialogs_.push_back(ColourDialogRecord{initial, full_open});
  return TakeAnswer(colour_answers_);
}

std::optional<Font> HeadlessDialogs::ChooseFont(const Font& initial, bool show_effects) {
  log_.Add("font dialog " + initial.name);
  font_dialogs_.push_back(FontDialogRecord{initial, show_effects});
  std::optional<Font> answer = TakeAnswer(font_answers_);
  if (answer && !show_effects) KeepEffects(*answer, initial);
  return answer;
}

std::size_t HeadlessDialogs::UnusedAnswers() const {
  return message_answers_.size() + file_answers_.size() + input_answers_.size() + colour_answers_.size() +
         font_answers_.size();
}

}  // namespace plorvane
