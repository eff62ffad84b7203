#include "texttools/ui/text_insert_window.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/qt/qt_services.h"
#include "support/general.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/translate.h"
#include "texttools/font_io.h"
#include "texttools/text_file.h"
#include "texttools/text_lines.h"
#include "texttools/text_picture.h"
#include "texttools/text_rendering.h"
#include "texttools/ui/ext_progress_bar.h"
#include "texttools/ui/text_insert_commands.h"
#include "texttools/ui/tool_window_frame.h"

namespace plorvane {
namespace {

using namespace text_insert;

QString Translated(std::string_view text) { return QString::fromStdString(Translate(text)); }

// A status bar panel as wide as asked while there is room; a narrow window may squeeze it.
class StatusPanel final : public QLabel {
 public:
  StatusPanel(int width, QWidget* parent) : QLabel(parent), width_(width) {
    setMinimumWidth(0);
    setContentsMargins(3, 0, 3, 0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  }
  [[nodiscard]] QSize sizeHint() const override { return {width_, QLabel::sizeHint().height()}; }
  [[nodiscard]] QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 private:
  int width_;
};

// Text files are read as UTF-8; one that is not valid UTF-8 is taken as Latin-1 rather than
// losing its bytes to replacement characters.
QString DecodedText(const std::string& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string DocumentsFolder() { return Paths().MenuFolder("Documents"); }

// The window's size as a settings file may give it, kept to what the window system can show.
int WindowSide(std::int32_t side) { return std::clamp<std::int32_t>(side, 1, 32767); }

TDialogSpec OpenSpec() {
  TDialogSpec spec;
  spec.DefaultExt = "TXT";
  spec.Options = FileDialogOptions{.hide_read_only = true, .file_must_exist = true};
  spec.Filter = Translate("Text Documents") + " (*.txt)|*.txt|" + Translate("All Files") + " (*.*)|*.*";
  return spec;
}

TDialogSpec SaveSpec() {
  TDialogSpec spec;
  spec.DefaultExt = "TXT";
  spec.Options = FileDialogOptions{.overwrite_prompt = true, .hide_read_only = true, .path_must_exist = true};
  spec.Filter = Translate("Text Documents") + " (*.txt)|*.txt";
  return spec;
}

QString HintOf(const ToolButton& button) {
  std::string hint;
  for (std::size_t i = 0; i < button.hint.size(); ++i) {
    if (i > 0) hint += "\r\n* ";
    hint += Translate(button.hint[i]);
  }
  return TooltipOf(hint);
}

}  // namespace

// Busy for as long as it lives: the window's own work steps, nested within the host's busy
// state or not.
class TTextInsertWindow::WorkScope {
 public:
  explicit WorkScope(TTextInsertWindow& window) : window_(window) {
    ++window_.work_depth_;
    window_.ApplyBusy();
  }
  ~WorkScope() {
    --window_.work_depth_;
    window_.ApplyBusy();
  }
  WorkScope(const WorkScope&) = delete;
  WorkScope& operator=(const WorkScope&) = delete;

 private:
  TTextInsertWindow& window_;
};

TTextInsertWindow::TTextInsertWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      platform_(platform),
      eye_dropper_(platform.screen()),
      open_handler_(platform.dialogs()),
      open_spec_(OpenSpec()),
      save_spec_(SaveSpec()) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildMenus();
  BuildToolPanel();
  memo_ = new QPlainTextEdit(this);
  memo_->setFrameStyle(QFrame::Box | QFrame::Plain);  // a flat single line, no 3D look
  memo_->setLineWidth(1);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setMinimumSize(1, 1);  // so that SyncSize can make it as small as a small card
  layout->addWidget(memo_, 1);
  BuildStatusBar();

  SetTextFont(font_);
  SetWordWrap(false);
  SetFileName(file_name_);
  ShowStatus({});
  resize(kInitialWidth, kInitialHeight);
  CentreOnScreen(*this);
}

TTextInsertWindow::~TTextInsertWindow() {
  // The hourglass is the application's; a window gone while busy must not keep it.
  if (busy_shown_) platform_.cursors().SetBusy(false);
}

void TTextInsertWindow::BuildMenus() {
  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  for (const Menu& menu_entry : Menus()) {
    QMenu* menu = bar->addMenu(Translated(menu_entry.caption));
    menus_[menu_entry.tag] = menu;
    connect(menu, &QMenu::aboutToShow, this, [this, tag = menu_entry.tag] { MenuOpening(tag); });
    for (const MenuItem& item : menu_entry.items) {
      if (item.tag == kSeparator) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(Translated(item.caption));
      action->setCheckable(item.checkable);
      connect(action, &QAction::triggered, this, [this, tag = item.tag] { Click(tag); });
      actions_[item.tag] = action;
    }
  }
  SetSyncCaption({});
}

void TTextInsertWindow::BuildToolPanel() {
  panel_ = new ToolPanel(this);
  layout()->addWidget(panel_);
  for (const ToolButton& entry : ToolButtons()) {
    QToolButton& button =
        panel_->AddButton(HintOf(entry), TextToBitmap(ToolWindowGlyphText(entry.glyph)), entry.drag_cursor);
    buttons_[entry.tag] = &button;
    if (entry.tag == kDragWindow) {
      // Owned by the button.
      new WindowDragButton(button, *this, [this](bool dragging) {
        panel_->SetHighlighted(dragging);
        ShowStatus(dragging ? "Dragging" : "");
      });
      continue;
    }
    if (entry.tag == kFontColour) new ScreenColourButton(button, eye_dropper_, [this](Colour c) { SetTextColour(c); });
    connect(&button, &QToolButton::clicked, this, [this, tag = entry.tag] { Click(tag); });
  }
  Button(kStop).setEnabled(false);
}

void TTextInsertWindow::BuildStatusBar() {
  status_bar_ = new QStatusBar(this);
  word_wrap_panel_ = new StatusPanel(kWordWrapPanelWidth, status_bar_);
  status_panel_ = new StatusPanel(kStatusPanelWidth, status_bar_);
  status_bar_->addWidget(word_wrap_panel_);
  status_bar_->addWidget(status_panel_);
  progress_ = new TExtProgressBar(status_bar_);
  progress_->SetCtl3D(false);
  progress_->hide();
  status_bar_->installEventFilter(this);
  layout()->addWidget(status_bar_);
}

void TTextInsertWindow::SetInsertEnabled(bool enabled) {
  insert_enabled_ = enabled;
  Action(kInsertText).setEnabled(enabled);
  Button(kInsertText).setEnabled(enabled && !Busy());
}

void TTextInsertWindow::SetSyncCaption(const std::string& caption) {
  QAction& sync = Action(kSynchronise);
  sync.setText(QString::fromStdString(caption));
  sync.setVisible(!caption.empty());
  sync.setEnabled(!caption.empty());
}

void TTextInsertWindow::SetBusy(bool busy) {
  host_busy_ = busy;
  ApplyBusy();
}

void TTextInsertWindow::ApplyBusy() {
  const bool busy = Busy();
  if (busy == busy_shown_) return;
  busy_shown_ = busy;
  platform_.cursors().SetBusy(busy);
  for (const auto& [tag, menu] : menus_) menu->menuAction()->setEnabled(!busy);
  memo_->setEnabled(!busy);
  for (const auto& [tag, button] : buttons_) {
    if (tag == kStop) continue;
    button->setEnabled(!busy && (tag != kInsertText || insert_enabled_));
  }
  platform_.application().ProcessPendingEvents();
  if (!busy && isActiveWindow()) memo_->setFocus();
}

bool TTextInsertWindow::LoadSettings() {
  TextInsertSettings settings = Settings();
  if (!LoadTextInsertSettings(settings, last_error_)) return false;
  ApplySettings(settings);
  return true;
}

bool TTextInsertWindow::SaveSettings() { return SaveTextInsertSettings(Settings(), last_error_); }

void TTextInsertWindow::SyncSize(int width, int height) {
  layout()->activate();  // the memo's share of the window, also before the window first shows
  const int border = 2 * memo_->frameWidth();
  const int vertical_bar = memo_->verticalScrollBar()->sizeHint().width();
  const int horizontal_bar = word_wrap_ ? 0 : memo_->horizontalScrollBar()->sizeHint().height();
  resize(width + (this->width() - memo_->width()) + border + vertical_bar,
         height + (this->height() - memo_->height()) + border + horizontal_bar);
}

const Bitmap& TTextInsertWindow::TextAsImage() {
  static const Bitmap kNone;
  // Rendering lets events run; nothing the window enables then can ask again, but a host might.
  if (rendering_) return kNone;
  rendering_ = true;
  const WorkScope busy(*this);
  QToolButton& stop = Button(kStop);
  progress_->SetPosition(0);
  ShowProgress(true);
  stop.setEnabled(true);
  const RenderTextHooks hooks{[&stop] { return !stop.isEnabled(); },
                              [this](int percent) {
                                progress_->SetPosition(percent);
                                platform_.application().ProcessPendingEvents();
                              }};
  rendering_failed_ = !RenderText(platform_.text_renderer(), Text(), font_, image_, hooks, last_error_);
  if (rendering_failed_) image_ = Bitmap{};
  ShowProgress(false);
  stop.setEnabled(false);
  rendering_ = false;
  return image_;
}

void TTextInsertWindow::ReleaseImage() { image_ = Bitmap{}; }

void TTextInsertWindow::Click(int tag) {
  switch (tag) {
    case kNew:
      memo_->selectAll();
      DeleteSelection();
      break;
    case kOpen:
      OpenTextFile(std::nullopt);
      break;
    case kOpenFromStartButton:
      OpenTextFile(DocumentsFolder());
      break;
    case kSaveAs:
      SaveTextFile(std::nullopt);
      break;
    case kSaveToStartButton:
      SaveTextFile(DocumentsFolder());
      break;
    case kClose:
      hide();
      break;
    case kInsertText:
      Insert();
      break;
    case kUndo:
      WorkStep(msg::kEmpty, [this] {
        if (!memo_->document()->isUndoAvailable()) return false;
        memo_->undo();
        return true;
      });
      break;
    case kCut:
      WorkStep(msg::kTaskFailed, [this] { return CutOrCopy(true); });
      break;
    case kCopy:
      WorkStep(msg::kTaskFailed, [this] { return CutOrCopy(false); });
      break;
    case kCopyAsImage:
      WorkStep(msg::kTaskFailed, [this] {
        const Bitmap& image = TextAsImage();
        // A picture that could not be drawn (or was stopped) is not copied; its error shows.
        if (image.empty()) return false;
        last_error_ = msg::kTaskFailed;
        const bool copied = platform_.clipboard().SetBitmap(image);
        ReleaseImage();
        return copied;
      });
      break;
    case kPaste:
      WorkStep(msg::kTaskFailed, [this] { return Paste(); });
      break;
    case kDelete:
      WorkStep(msg::kOutOfMemory, [this] {
        DeleteSelection();
        return true;
      });
      break;
    case kClear:
      WorkStep(msg::kOutOfMemory, [this] {
        memo_->selectAll();
        DeleteSelection();
        return true;
      });
      break;
    case kSelectAll:
      last_error_ = msg::kTaskFailed;
      memo_->selectAll();
      break;
    case kWordWrap:
      SetWordWrap(!word_wrap_);
      break;
    case kSynchronise:
      if (Action(kSynchronise).isEnabled() && OnSync) OnSync(*this);
      break;
    case kOnTop:
      SetOnTop(!on_top_);
      break;
    case kFontDefine:
      if (const auto chosen = platform_.dialogs().ChooseFont(font_, false)) SetTextFont(*chosen);
      break;
    case kFontColour:
      if (const auto chosen = platform_.dialogs().ChooseColour(font_.colour, false)) SetTextColour(*chosen);
      break;
    case kFontCopy:
      CopyFont();
      break;
    case kFontPaste:
      PasteFont();
      break;
    case kHelp:
      if (OnHelp) OnHelp(*this);
      break;
    case kStop:
      Button(kStop).setEnabled(false);
      break;
    default:  // the menus themselves, and the drag button, whose work is its drag
      break;
  }
}

void TTextInsertWindow::MenuOpening(int menu_tag) {
  switch (menu_tag) {
    case kEditMenu: {
      const QTextCursor cursor = memo_->textCursor();
      const QTextDocument& document = *memo_->document();
      const int length = document.characterCount() - 1;  // without the closing paragraph mark
      Action(kInsertText).setEnabled(insert_enabled_);
      Action(kUndo).setEnabled(document.isUndoAvailable());
      for (const int tag : {kCut, kCopy, kDelete}) Action(tag).setEnabled(cursor.hasSelection());
      Action(kPaste).setEnabled(platform_.clipboard().HasText());
      Action(kClear).setEnabled(length > 0);
      Action(kSelectAll).setEnabled(cursor.selectionStart() != 0 || cursor.selectionEnd() != length);
      Action(kWordWrap).setChecked(word_wrap_);
      Action(kOnTop).setChecked(on_top_);
      break;
    }
    case kFontMenu:
      Action(kFontPaste).setEnabled(FontIO().CanPaste());
      break;
    case kHelpMenu:
      Action(kHelp).setEnabled(static_cast<bool>(OnHelp));
      break;
    default:
      break;
  }
}

void TTextInsertWindow::WorkStep(std::string_view error_text, const std::function<bool()>& step) {
  last_error_ = error_text;
  ShowStatus("Working...");
  bool done = false;
  {
    const WorkScope busy(*this);
    done = step();
    ShowStatus({});
  }
  if (!done) ShowError();
}

void TTextInsertWindow::Insert() {
  if (!insert_enabled_ || Busy() || !OnInsert) return;
  ShowStatus("Working...");
  rendering_failed_ = false;
  OnInsert(*this);
  // The host inserts nothing for a rendering that was stopped or could not be made; the status
  // says which, so an insert that did nothing is not taken for one that worked.
  ShowStatus(rendering_failed_ ? std::string_view(last_error_) : std::string_view());
}

void TTextInsertWindow::OpenTextFile(const std::optional<std::string>& folder) {
  std::string path;
  if (!open_handler_.Execute(open_spec_, OpenDialogKind::kOpen, path, folder)) return;
  last_error_ = msg::kOutOfMemory;
  open_spec_.FileName = path;
  if (ReadIntoMemo(path)) {
    SetFileName(path);
  } else {
    ShowError();
  }
}

bool TTextInsertWindow::ReadIntoMemo(const std::string& path) {
  TextFileContent content;
  if (!ReadTextFile(path, kMemoCapacityBytes, content, last_error_)) return false;
  last_error_ = msg::kCapacityReached;
  const std::size_t read = content.lines.size();
  const std::size_t taken = std::min(read, kMemoCapacityLines);
  content.lines.resize(taken);
  SetText(JoinLines(content.lines, "\n"));
  return content.whole && taken == read;
}

void TTextInsertWindow::SaveTextFile(const std::optional<std::string>& folder) {
  std::string path;
  if (!open_handler_.Execute(save_spec_, OpenDialogKind::kSave, path, folder)) return;
  last_error_ = msg::kOutOfMemory;
  save_spec_.FileName = path;
  if (WriteTextFile(path, SplitLines(Text()), last_error_)) {
    SetFileName(path);
  } else {
    ShowError();
  }
}

bool TTextInsertWindow::CutOrCopy(bool cut) {
  QTextCursor cursor = memo_->textCursor();
  if (!cursor.hasSelection()) return true;
  if (!platform_.clipboard().SetText(cursor.selection().toPlainText().toStdString())) return false;
  if (cut) cursor.removeSelectedText();
  return true;
}

bool TTextInsertWindow::Paste() {
  const std::optional<std::string> text = platform_.clipboard().GetText();
  if (!text) return false;
  memo_->insertPlainText(QString::fromStdString(*text));
  return true;
}

void TTextInsertWindow::DeleteSelection() { memo_->textCursor().removeSelectedText(); }

void TTextInsertWindow::CopyFont() {
  TFontIO& font_io = FontIO();
  font_io.pFont = font_;
  if (!font_io.CopyFont()) font_io.ShowError(platform_.dialogs());
}

void TTextInsertWindow::PasteFont() {
  TFontIO& font_io = FontIO();
  if (font_io.PasteFont()) {
    SetTextFont(font_io.pFont);
  } else {
    font_io.ShowError(platform_.dialogs());
  }
}

void TTextInsertWindow::SetTextFont(const Font& font) {
  font_ = font;
  memo_->setFont(QFontOf(font_));
  QPalette colours = memo_->palette();
  colours.setColor(QPalette::Text, QColorOf(font_.colour));
  colours.setColor(QPalette::Base, QColorOf(TGeneral::ContrastColour(font_.colour)));
  memo_->setPalette(colours);
}

void TTextInsertWindow::SetTextColour(Colour colour) {
  Font font = font_;
  font.colour = colour;
  SetTextFont(font);
}

void TTextInsertWindow::SetWordWrap(bool on) {
  word_wrap_ = on;
  memo_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  Action(kWordWrap).setChecked(on);
  ShowWordWrapStatus();
}

void TTextInsertWindow::SetOnTop(bool on) {
  on_top_ = on;
  Action(kOnTop).setChecked(on);
  if (on == windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
  // Changing a window's flags hides it.
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) show();
}

std::string TTextInsertWindow::Text() const { return memo_->toPlainText().toStdString(); }

void TTextInsertWindow::SetText(std::string_view text) { memo_->setPlainText(DecodedText(std::string(text))); }

TextInsertSettings TTextInsertWindow::Settings() const {
  TextInsertSettings settings;
  settings.pFont = font_;
  settings.pWidth = width();
  settings.pHeight = height();
  settings.pLeft = x();
  settings.pTop = y();
  settings.pOnTop = on_top_;
  settings.pWordWrap = word_wrap_;
  settings.pVisible = isVisible();
  settings.pText = Text();
  return settings;
}

void TTextInsertWindow::ApplySettings(const TextInsertSettings& settings) {
  SetTextFont(settings.pFont);
  resize(WindowSide(settings.pWidth), WindowSide(settings.pHeight));
  PlaceOnScreen(*this, QPoint(settings.pLeft, settings.pTop));
  SetOnTop(settings.pOnTop);
  SetWordWrap(settings.pWordWrap);
  setVisible(settings.pVisible);
  SetText(settings.pText);
}

QString TTextInsertWindow::StatusText() const { return status_panel_->text(); }
QString TTextInsertWindow::WordWrapStatus() const { return word_wrap_panel_->text(); }

void TTextInsertWindow::ShowStatus(std::string_view text) {
  status_panel_->setText(Translated(text.empty() ? std::string_view("Ready") : text));
  ShowWordWrapStatus();
}

void TTextInsertWindow::ShowWordWrapStatus() {
  word_wrap_panel_->setText(word_wrap_ ? Translated("Word Wrap") : QString());
}

void TTextInsertWindow::ShowProgress(bool visible) {
  // The bar sits where the size grip would be.
  status_bar_->setSizeGripEnabled(!visible);
  PlaceProgressBar();
  progress_->setVisible(visible);
  if (visible) progress_->raise();
}

void TTextInsertWindow::PlaceProgressBar() {
  const int width = (status_bar_->width() * 30 - 60) / 100;
  progress_->setGeometry(status_bar_->width() - width - 1, 3, width, status_bar_->height() - 4);
}

bool TTextInsertWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == status_bar_ && event->type() == QEvent::Resize) PlaceProgressBar();
  return QWidget::eventFilter(watched, event);
}

void TTextInsertWindow::ShowError() { platform_.dialogs().ErrorBox(Translate("Error"), Translate(last_error_)); }

void TTextInsertWindow::SetFileName(const std::string& path) {
  file_name_ = path;
  const std::string name = std::filesystem::path(path).filename().string();
  setWindowTitle(Translated("Insert Text") + " - " + QString::fromStdString(name));
}

}  // namespace plorvane
