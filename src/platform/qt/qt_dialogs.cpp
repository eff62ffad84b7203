#include "platform/qt/qt_dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/file_filter.h"
#include "platform/qt/qt_services.h"

namespace plorvane {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(QtLines(text)); }

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kInformation:
      break;
  }
  return QMessageBox::Information;
}

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  MessageAnswer answer;
};

std::vector<ButtonAnswer> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return {{QMessageBox::Ok, MessageAnswer::kOk}, {QMessageBox::Cancel, MessageAnswer::kCancel}};
    case MessageButtons::kYesCancel:
      return {{QMessageBox::Yes, MessageAnswer::kYes}, {QMessageBox::Cancel, MessageAnswer::kCancel}};
    case MessageButtons::kYesNo:
      return {{QMessageBox::Yes, MessageAnswer::kYes}, {QMessageBox::No, MessageAnswer::kNo}};
    case MessageButtons::kYesNoCancel:
      return {{QMessageBox::Yes, MessageAnswer::kYes},
              {QMessageBox::No, MessageAnswer::kNo},
              {QMessageBox::Cancel, MessageAnswer::kCancel}};
    case MessageButtons::kOk:
      break;
  }
  return {{QMessageBox::Ok, MessageAnswer::kOk}};
}

std::string TrimmedLabel(std::string label) {
  while (!label.empty() && label.back() == ' ') label.pop_back();
  if (!label.empty() && label.back() == ')') {
    if (const auto open = label.rfind('('); open != std::string::npos) label.erase(open);
  }
  while (!label.empty() && label.back() == ' ') label.pop_back();
  return label;
}

}  // namespace

std::string QtLines(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c == '\r') c = '\n';
  }
  return out;
}

std::vector<std::string> QtNameFilters(const std::string& filter) {
  std::vector<std::string> out;
  for (const FileFilter& pair : ParseFileFilter(filter)) {
    std::string patterns;
    for (const std::string& pattern : pair.patterns) patterns += (patterns.empty() ? "" : " ") + pattern;
    out.push_back(TrimmedLabel(pair.label) + " (" + patterns + ")");
  }
  return out;
}

void QtDialogs::ErrorBox(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption), Text(text), QMessageBox::Ok);
  box.exec();
}

MessageAnswer QtDialogs::ShowMessage(const MessageRequest& request) {
  QMessageBox box(IconOf(request.icon), QString::fromStdString(request.caption), Text(request.text));
  const std::vector<ButtonAnswer> buttons = ButtonsOf(request.buttons);
  for (const ButtonAnswer& entry : buttons) box.addButton(entry.button);
  // Closing the box answers the cancelling button.
  const MessageAnswer cancelling = CancellingAnswer(request.buttons);
  for (const ButtonAnswer& entry : buttons) {
    if (entry.answer == cancelling) box.setEscapeButton(entry.button);
  }
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const ButtonAnswer& entry : buttons) {
    if (entry.button == pressed) return entry.answer;
  }
  return cancelling;
}

FileDialogResult QtDialogs::RunFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(nullptr, QString::fromStdString(request.title), QString::fromStdString(request.initial_folder));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const bool saving = request.kind == FileDialogKind::kSave;
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving || !request.options.file_must_exist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.options.overwrite_prompt);
  QStringList filters;
  for (const std::string& filter : QtNameFilters(request.filter)) filters << QString::fromStdString(filter);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  }
  dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
  if (!request.file_name.empty()) dialog.selectFile(QString::fromStdString(request.file_name));

  FileDialogResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.outcome = FileDialogOutcome::kChosen;
  result.path = dialog.selectedFiles().front().toStdString();
  result.filter_index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (result.filter_index < 1) result.filter_index = request.filter_index;
  return result;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                               const std::string& default_text) {
  bool accepted = false;
  const QString text = QInputDialog::getText(nullptr, QString::fromStdString(caption), Text(prompt), QLineEdit::Normal,
                                             QString::fromStdString(default_text), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

void ShapeColourDialog(QColorDialog& dialog, bool full_open) {
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  // Qt offers no folded form: its mixing part is the picker, the luminance bar and the value
  // fields, all of them in private classes.
  for (QWidget* part : dialog.findChildren<QWidget*>()) {
    const QString name = QString::fromLatin1(part->metaObject()->className());
    if (name.endsWith("QColorPicker") || name.endsWith("QColorLuminancePicker") || name.endsWith("QColorShower")) {
      part->setVisible(full_open);
    }
  }
}

void ShapeFontDialog(QFontDialog& dialog, bool show_effects) {
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  // Qt has no option for it; the effects are the only check boxes, in a group of their own.
  for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
    if (QWidget* group = effect->parentWidget(); group != &dialog) group->setVisible(show_effects);
  }
}

std::optional<Colour> QtDialogs::ChooseColour(Colour initial, bool full_open) {
  QColorDialog dialog(QColorOf(initial));
  ShapeColourDialog(dialog, full_open);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ColourOf(dialog.selectedColor());
}

std::optional<Font> QtDialogs::ChooseFont(const Font& initial, bool show_effects) {
  QFontDialog dialog(QFontOf(initial));
  ShapeFontDialog(dialog, show_effects);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // Qt's font dialog has no colour: the font keeps its own.
  Font chosen = FontOf(dialog.selectedFont(), initial.colour);
  if (!show_effects) KeepEffects(chosen, initial);
  return chosen;
}

}  // namespace plorvane
