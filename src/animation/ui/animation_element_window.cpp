#include "animation/ui/animation_element_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <tuple>

#include "animation/animation_group.h"
#include "animation/element_speed.h"
#include "animation/ui/animation_element_settings.h"
#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "platform/platform.h"
#include "platform/qt/qt_menu_bar.h"
#include "support/translate.h"
#include "support/window_placement.h"
#include "texttools/component_io.h"
#include "texttools/text_picture.h"
#include "texttools/ui/tool_window_frame.h"
#include "texttools/ui/tool_window_glyphs.h"

namespace plorvane {
namespace {

constexpr int kColumnLeft = 2;
constexpr int kGapAfterControl = 5;
constexpr int kGapAfterLabel = 2;
constexpr int kCheckBoxWidth = 120;
constexpr int kSpeedBarWidth = 110;
constexpr int kFpsButtonWidth = 25;
constexpr int kAmountWidth = 70;
constexpr int kDirectionWidth = 75;
constexpr int kDirectionGap = 3;
constexpr int kClientMargin = 2;  // right of the last tool button
constexpr int kBottomMargin = 5;  // under the last list
constexpr int kStatusPanelWidth = 200;
// Scroll steps offered in the lists, in percent of the element's size.
constexpr int kLargestListedStep = 50;

QString Tr(std::string_view text) { return QString::fromStdString(Translate(text)); }

using Command = TAnimationElementWindow::Command;

struct ClipboardCommand {
  Command command;
  ClipboardOperation operation;
};
constexpr ClipboardCommand kClipboardCommands[] = {
    {Command::kDuplicate, ClipboardOperation::kDuplicate},
    {Command::kBringToTop, ClipboardOperation::kBringToTop},
    {Command::kSendToBottom, ClipboardOperation::kSendToBottom},
    {Command::kCut, ClipboardOperation::kCutAnimation},
    {Command::kCopy, ClipboardOperation::kCopyAnimation},
    {Command::kPaste, ClipboardOperation::kPasteAnimation},
    {Command::kDelete, ClipboardOperation::kDelete},
};

std::optional<ClipboardOperation> OperationOf(Command command) {
  for (const ClipboardCommand& entry : kClipboardCommands) {
    if (entry.command == command) return entry.operation;
  }
  return std::nullopt;
}

struct MenuEntry {
  std::string_view caption;  // "-" for a separator
  Command command;
};
// In menu order, so an entry's position is its item's index.
constexpr MenuEntry kEditEntries[] = {
    {"Dup&licate", Command::kDuplicate},
    {"&Bring to Top", Command::kBringToTop},
    {"&Send to Bottom", Command::kSendToBottom},
    {PopupMenu::kSeparatorCaption, Command::kEditOpening},
    {"Cu&t", Command::kCut},
    {"&Copy", Command::kCopy},
    {"&Paste", Command::kPaste},
    {"&Delete", Command::kDelete},
    {PopupMenu::kSeparatorCaption, Command::kEditOpening},
    {"&OnTop", Command::kOnTop},
};

// A scroll step shown as an amount list (0 "None", 1% to 50%) and a direction list (0 left or
// up, 1 right or down).
int AmountIndexOf(int step) { return std::abs(std::clamp(step, -kLargestListedStep, kLargestListedStep)); }
int DirectionIndexOf(int step) { return step < 0 ? 0 : 1; }
int StepOf(int amount_index, int direction_index) { return direction_index == 0 ? -amount_index : amount_index; }

// Places the controls of the column one under the other: a label 5 pixels under the control
// above it, its control 2 pixels under the label, other controls 5 pixels apart.
class Column {
 public:
  explicit Column(int top) : bottom_(top) {}

  void Label(QLabel& label, int width) {
    Put(label, width, kGapAfterControl);
    after_label_ = true;
  }
  void Control(QWidget& control, int width) {
    Put(control, width, after_label_ ? kGapAfterLabel : kGapAfterControl);
    after_label_ = false;
  }
  [[nodiscard]] int Bottom() const { return bottom_; }

 private:
  void Put(QWidget& widget, int width, int gap) {
    widget.setGeometry(kColumnLeft, bottom_ + gap, width, widget.sizeHint().height());
    bottom_ = widget.geometry().bottom() + 1;
  }

  int bottom_;
  bool after_label_ = false;
};

QComboBox* NewList(QWidget& parent, const char* name, const QStringList& entries) {
  auto* list = new QComboBox(&parent);
  list->setObjectName(name);
  list->addItems(entries);
  return list;
}

QStringList AmountEntries() {
  QStringList entries{Tr("None")};
  for (int percent = 1; percent <= kLargestListedStep; ++percent) entries << QString::number(percent) + "%";
  return entries;
}

// Sets a flag for the lifetime of the scope and puts back what it was.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = was_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

// The group's OnChange while this window listens; recognisable, so the window can tell whether
// the group of the current card still calls it.
struct TAnimationElementWindow::Listener {
  TAnimationElementWindow* window;
  void operator()() const { window->Refresh(); }
};

TAnimationElementWindow::TAnimationElementWindow(Platform& platform, TZarvickClipboard& clipboard)
    : platform_(platform), clipboard_(clipboard), form_(std::make_unique<QMainWindow>()) {
  form_->setObjectName("AnimationElementWindow");
  form_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  form_->setWindowTitle(Tr("Animation"));
  BuildMenus();

  auto* client = new QWidget(form_.get());
  BuildToolPanel(*client);
  const int last_bottom = BuildOptions(*client, panel_->height());
  const int client_width = panel_->ButtonsRight() + kClientMargin;
  panel_->setFixedWidth(client_width);
  client->setFixedSize(client_width, last_bottom + kBottomMargin);
  form_->setCentralWidget(client);

  QStatusBar& status_bar = *form_->statusBar();
  status_bar.setSizeGripEnabled(false);
  status_ = new QLabel(Tr("Ready"), &status_bar);
  status_->setObjectName("status");
  // The panel may be wider than the window; it is cut at the window's edge, not widening it.
  status_->setMaximumWidth(kStatusPanelWidth);
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  status_bar.addWidget(status_, 1);

  form_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  form_->adjustSize();
  CentreOnScreen(*form_);
  Refresh();
}

TAnimationElementWindow::~TAnimationElementWindow() {
  // Nothing the widgets report while they go may reach the element any more.
  filling_ = true;
  if (IsListener()) Group()->OnChange = nullptr;
}

void TAnimationElementWindow::BuildMenus() {
  PopupMenu& file = *menu_model_.Submenu(menu_model_.AddSubmenu(Translate("&File")));
  file.AddItem(Translate("&Close"), [this] { RunCommand(kClose); });

  edit_menu_ = menu_model_.Submenu(menu_model_.AddSubmenu(Translate("&Edit")));
  edit_menu_->OnOpen = [this] { RunCommand(kEditOpening); };
  for (const MenuEntry& entry : kEditEntries) {
    if (entry.caption == PopupMenu::kSeparatorCaption) {
      edit_menu_->AddSeparator();
      continue;
    }
    const int item = edit_menu_->AddItem(Translate(entry.caption), [this, command = entry.command] { RunCommand(command); });
    if (entry.command == kOnTop) edit_menu_->SetMark(item, MenuMark::kCheck);
  }

  help_menu_ = menu_model_.Submenu(menu_model_.AddSubmenu(Translate("&Help")));
  help_menu_->OnOpen = [this] { RunCommand(kHelpOpening); };
  help_menu_->AddItem(Translate("&Help"), [this] { RunCommand(kHelp); });

  menu_bar_ = std::make_unique<QtMenuBar>(*form_->menuBar(), menu_model_);
}

void TAnimationElementWindow::BuildToolPanel(QWidget& client) {
  panel_ = new ToolPanel(&client);
  panel_->move(0, 0);
  const auto add = [this](const char* name, std::string_view hint, ToolWindowGlyph glyph, Command command,
                          bool drag_cursor) {
    QToolButton& button =
        panel_->AddButton(TooltipOf(Translate(hint)), TextToBitmap(ToolWindowGlyphText(glyph)), drag_cursor);
    button.setObjectName(name);
    QObject::connect(&button, &QToolButton::clicked, form_.get(), [this, command] { RunCommand(command); });
    return &button;
  };
  duplicate_ = add("duplicate", "Duplicate", ToolWindowGlyph::kDuplicate, kDuplicate, false);
  bring_to_top_ = add("bring_to_top", "Bring to Top", ToolWindowGlyph::kBringToTop, kBringToTop, false);
  send_to_bottom_ = add("send_to_bottom", "Send to Bottom", ToolWindowGlyph::kSendToBottom, kSendToBottom, false);
  copy_ = add("copy", "Copy", ToolWindowGlyph::kCopy, kCopy, true);
  paste_ = add("paste", "Paste", ToolWindowGlyph::kPaste, kPaste, false);
  drag_ = add("drag_window", "Drag Window", ToolWindowGlyph::kDragWindow, kDragWindow, true);
  // Owned by the button.
  new WindowDragButton(*drag_, *form_, [this](bool dragging) { ShowDragging(dragging); });
}

int TAnimationElementWindow::BuildOptions(QWidget& client, int top) {
  Column column(top);
  const int column_width = panel_->ButtonsRight() + kClientMargin - 2 * kColumnLeft;
  const auto label = [&](const char* name, std::string_view text) {
    auto* made = new QLabel(Tr(text), &client);
    made->setObjectName(name);
    column.Label(*made, column_width);
    return made;
  };

  label("options_label", "Options");
  for (auto [box, name, text] : {std::tuple{&transparent_, "transparent", "Transparent"},
                                 std::tuple{&flip_, "flip", "Flip"}, std::tuple{&mirror_, "mirror", "Mirror"}}) {
    *box = new QCheckBox(Tr(text), &client);
    (*box)->setObjectName(name);
    column.Control(**box, kCheckBoxWidth);
    QObject::connect(*box, &QCheckBox::toggled, form_.get(), [this] { Apply(Sender::kControl); });
  }

  speed_label_ = label("speed_label", "Speed");
  speed_bar_ = new QScrollBar(Qt::Horizontal, &client);
  speed_bar_->setObjectName("speed_bar");
  speed_bar_->setRange(SpeedBar::kMin, SpeedBar::kMax);
  speed_bar_->setPageStep(SpeedBar::kLargeStep);
  speed_bar_->setValue(SpeedBar::kMin);
  column.Control(*speed_bar_, kSpeedBarWidth);
  QObject::connect(speed_bar_, &QScrollBar::valueChanged, form_.get(), [this](int position) {
    if (filling_) return;
    interval_ = SpeedBarInterval(position);
    Apply(Sender::kControl);
  });
  fps_button_ = new QToolButton(&client);
  fps_button_->setObjectName("fps_button");
  fps_button_->setText("...");
  fps_button_->setToolTip(Tr("fps"));
  const QRect bar = speed_bar_->geometry();
  fps_button_->setGeometry(bar.right() + 2, bar.top() - 1, kFpsButtonWidth, bar.height() + 2);
  QObject::connect(fps_button_, &QToolButton::clicked, form_.get(), [this] { Apply(Sender::kFpsButton); });

  label("flash_label", "Flash");
  flash_ = NewList(client, "flash", {Tr("None"), Tr("Even"), Tr("Odd")});
  column.Control(*flash_, kAmountWidth);
  QObject::connect(flash_, &QComboBox::currentIndexChanged, form_.get(), [this] { Apply(Sender::kControl); });

  const auto scroll_lists = [&](const char* label_name, std::string_view caption, const char* amount_name,
                                const char* direction_name, const QStringList& directions, QComboBox*& amount,
                                QComboBox*& direction, int& step) {
    label(label_name, caption);
    amount = NewList(client, amount_name, AmountEntries());
    column.Control(*amount, kAmountWidth);
    direction = NewList(client, direction_name, directions);
    const QRect placed = amount->geometry();
    direction->setGeometry(placed.right() + 1 + kDirectionGap, placed.top(), kDirectionWidth, placed.height());
    const auto changed = [this, amount, direction, &step] {
      if (filling_) return;
      step = StepOf(amount->currentIndex(), direction->currentIndex());
      Apply(Sender::kControl);
    };
    QObject::connect(amount, &QComboBox::currentIndexChanged, form_.get(), changed);
    QObject::connect(direction, &QComboBox::currentIndexChanged, form_.get(), changed);
  };
  scroll_lists("horizontal_label", "Scroll Horizontally", "horizontal_amount", "horizontal_direction",
               {Tr("Left"), Tr("Right")}, horizontal_amount_, horizontal_direction_, horizontal_step_);
  scroll_lists("vertical_label", "Scroll Vertically", "vertical_amount", "vertical_direction",
               {Tr("Up"), Tr("Down")}, vertical_amount_, vertical_direction_, vertical_step_);
  return column.Bottom();
}

TSAG* TAnimationElementWindow::Group() const {
  TZarvickV2* card = clipboard_.Card();
  return card != nullptr ? &card->Animations() : nullptr;
}

bool TAnimationElementWindow::IsListener() const {
  const TSAG* group = Group();
  if (group == nullptr) return false;
  const auto* listener = group->OnChange.target<Listener>();
  return listener != nullptr && listener->window == this;
}

void TAnimationElementWindow::Attach() {
  if (TSAG* group = Group()) group->OnChange = Listener{this};
  Refresh();
}

void TAnimationElementWindow::Show() {
  // The card may have changed while the window was hidden.
  if (IsListener()) {
    Refresh();
  } else {
    Attach();
  }
  form_->setWindowState(form_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  form_->show();
}

void TAnimationElementWindow::SetFps(int frames_per_second, bool apply) {
  const int position = SpeedBarPosition(FpsInterval(frames_per_second));
  const bool moves = speed_bar_->value() != position;
  // The bar's own change applies the new interval; a bar that stays where it is reports nothing.
  interval_ = SpeedBarInterval(position);
  speed_bar_->setValue(position);
  if (apply && !moves) Apply(Sender::kControl);
}

void TAnimationElementWindow::Refresh() {
  const bool listener = IsListener();
  const TSAG* group = listener ? Group() : nullptr;
  const bool selected = group != nullptr && group->HasSelection();
  TElementRec element = DefaultElement();
  if (selected) group->GetSelectedElement(element);

  const FlagScope filling(filling_);
  duplicate_->setEnabled(selected);
  bring_to_top_->setEnabled(selected && group->CanBringToTop());
  send_to_bottom_->setEnabled(selected && group->CanSendToBottom());
  copy_->setEnabled(selected);
  paste_->setEnabled(listener && clipboard_.Allowed(ClipboardOperation::kPasteAnimation));

  transparent_->setChecked(element.pT);
  mirror_->setChecked(element.pFH);
  flip_->setChecked(element.pFV);
  for (QCheckBox* box : {transparent_, flip_, mirror_}) box->setEnabled(selected);

  interval_ = element.pD;
  speed_bar_->setValue(SpeedBarPosition(element.pD));
  speed_bar_->setEnabled(selected);
  speed_label_->setText(QString::fromStdString(SpeedLabelText(element.pD)));
  const bool animated = selected && speed_bar_->value() != SpeedBar::kMin;
  fps_button_->setEnabled(selected && OnFpsMenu != nullptr);

  flash_->setCurrentIndex(std::clamp<int>(element.pF, 0, flash_->count() - 1));
  flash_->setEnabled(animated);

  horizontal_step_ = element.pSH;
  vertical_step_ = element.pSV;
  for (auto [amount, direction, step] : {std::tuple{horizontal_amount_, horizontal_direction_, element.pSH},
                                         std::tuple{vertical_amount_, vertical_direction_, element.pSV}}) {
    amount->setCurrentIndex(AmountIndexOf(step));
    direction->setCurrentIndex(DirectionIndexOf(step));
    amount->setEnabled(animated);
    direction->setEnabled(animated && amount->currentIndex() != 0);
  }
}

void TAnimationElementWindow::Apply(Sender sender) {
  if (filling_ || !IsListener() || !Group()->HasSelection()) return;
  if (sender == Sender::kFpsButton && OnFpsMenu) {
    OnFpsMenu();
    // The menu's choice has been applied; the card may even have gone meanwhile.
    if (!IsListener() || !Group()->HasSelection()) {
      Refresh();
      return;
    }
  }
  TSAG& group = *Group();
  TElementRec before;
  group.GetSelectedElement(before);
  TElementRec element = before;
  element.pT = transparent_->isChecked();
  element.pFH = mirror_->isChecked();
  element.pFV = flip_->isChecked();
  element.pF = static_cast<std::uint8_t>(std::max(flash_->currentIndex(), 0));
  element.pD = interval_;
  element.pSH = horizontal_step_;
  element.pSV = vertical_step_;
  if (element != before) {
    group.SetSelectedElement(element);
    // Without this the card would close without asking to save the change.
    clipboard_.Card()->SetSaved(false);
  }
  Refresh();
}

void TAnimationElementWindow::RunCommand(Command command) {
  switch (command) {
    case kClose:
      form_->hide();
      break;
    case kEditOpening:
      ShowEditMenu();
      break;
    case kOnTop:
      SetOnTop(!OnTop());
      break;
    case kHelpOpening:
      help_menu_->SetEnabled(0, OnHelp != nullptr);
      break;
    case kHelp:
      if (OnHelp) OnHelp();
      break;
    case kDragWindow:  // it drags; a click does nothing
      break;
    default:
      if (const auto operation = OperationOf(command); operation && !clipboard_.Run(*operation)) {
        platform_.dialogs().ErrorBox(Translate("Error"), Translate(clipboard_.LastError()));
      }
      Refresh();
      break;
  }
}

void TAnimationElementWindow::ShowEditMenu() {
  for (int item = 0; item < std::ssize(kEditEntries); ++item) {
    const Command command = kEditEntries[item].command;
    if (const auto operation = OperationOf(command)) edit_menu_->SetEnabled(item, clipboard_.Allowed(*operation));
    if (command == kOnTop) edit_menu_->SetChecked(item, OnTop());
  }
}

void TAnimationElementWindow::ShowDragging(bool dragging) {
  panel_->SetHighlighted(dragging);
  status_->setText(Tr(dragging ? "Dragging" : "Ready"));
}

bool TAnimationElementWindow::OnTop() const { return form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TAnimationElementWindow::SetOnTop(bool on_top) {
  if (OnTop() != on_top) {
    const bool shown = form_->isVisible();
    // Changing the flags takes the window off the screen; it comes back where it was.
    form_->setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (shown) form_->show();
  }
  Refresh();
}

AnimationElementSettings TAnimationElementWindow::CurrentSettings() const {
  const QRect frame = form_->frameGeometry();
  return AnimationElementSettings{frame.width(), frame.height(), frame.left(), frame.top(), OnTop(), form_->isVisible()};
}

void TAnimationElementWindow::ApplySettings(const AnimationElementSettings& settings) {
  PlaceOnScreen(*form_, QPoint(settings.left, settings.top));
  SetOnTop(settings.on_top);
  form_->setVisible(settings.visible);
}

bool TAnimationElementWindow::SaveSettings() {
  return ComponentIO().SaveSettings(CurrentSettings(), std::string(kSettingsFile), last_error_);
}

bool TAnimationElementWindow::LoadSettings() {
  AnimationElementSettings settings = CurrentSettings();
  if (!ComponentIO().LoadSettings(settings, std::string(kSettingsFile), last_error_)) return false;
  ApplySettings(settings);
  return true;
}

}  // namespace plorvane
