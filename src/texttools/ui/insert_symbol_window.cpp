#include "texttools/ui/insert_symbol_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/qt_menu_bar.h"
#include "support/translate.h"
#include "support/window_placement.h"
#include "texttools/component_io.h"
#include "texttools/font_io.h"
#include "texttools/font_view_geometry.h"
#include "texttools/font_view_picture.h"
#include "texttools/text_picture.h"
#include "texttools/ui/tool_window_glyphs.h"

namespace plorvane {
namespace {

QString Tr(std::string_view text) { return QString::fromStdString(Translate(text)); }

}  // namespace

// The indexes of the items whose states change.
struct TInsertSymbolWindow::MenuItems {
  int edit_menu = -1;
  int font_menu = -1;
  int help_menu = -1;
  int edit_insert = -1;
  int edit_on_top = -1;
  int font_paste = -1;
  int help_help = -1;
  int popup_insert = -1;
  PopupMenu* edit = nullptr;
  PopupMenu* font = nullptr;
  PopupMenu* help = nullptr;
};

TInsertSymbolWindow::TInsertSymbolWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Tool),
      platform_(platform),
      eye_dropper_(platform.screen()),
      items_(std::make_unique<MenuItems>()) {
  setWindowTitle(Tr("Insert Symbol"));
  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  tools_ = new ToolPanel(client);
  view_ = new TFontView(platform.text_renderer(), client);
  status_ = new StatusPanels({30, 80, 100}, client);
  column->addWidget(tools_);
  column->addWidget(view_, 1);
  column->addWidget(status_);
  setCentralWidget(client);

  BuildMenus();
  BuildToolPanel();
  view_->OnChange = [this] { ShowStatus(); };
  view_->OnDblClick = [this] { Click(SymbolCommand::kInsert); };
  view_->OnContextMenu = [this](QPoint at) { platform_.windowing().ShowPopupMenu(popup_, Point{at.x(), at.y()}); };

  FontViewSettings initial;
  initial.pFont.name = Translate("Wingdings");
  initial.pTopIndex = kInitialCode;
  initial.pItemIndex = kInitialCode;
  view_->ApplySettings(initial);

  resize(kInitialWidth, kInitialHeight);
  CentreOnScreen(*this);
}

TInsertSymbolWindow::~TInsertSymbolWindow() {
  view_->OnChange = nullptr;
  if (busy_) platform_.cursors().SetBusy(false);
}

void TInsertSymbolWindow::BuildMenus() {
  MenuItems& items = *items_;
  const auto command = [this](SymbolCommand tag) { return [this, tag] { Click(tag); }; };
  PopupMenu& bar = menu_bar_model_;

  items.edit_menu = bar.AddSubmenu(Translate("&Edit"));
  items.edit = bar.Submenu(items.edit_menu);
  items.edit->OnOpen = command(SymbolCommand::kEditMenu);
  // The popup menu holds the first four Edit items; each answers its insert item.
  const auto add_glyph_items = [&](PopupMenu& menu) {
    const int insert = menu.AddItem(Translate("&Insert Symbol"), command(SymbolCommand::kInsert));
    menu.AddSeparator();
    menu.AddItem(Translate("Copy as I&mage"), command(SymbolCommand::kCopyAsImage));
    menu.AddItem(Translate("&Copy as Text"), command(SymbolCommand::kCopyAsText));
    return insert;
  };
  items.edit_insert = add_glyph_items(*items.edit);
  items.popup_insert = add_glyph_items(popup_);
  items.edit->AddSeparator();
  items.edit_on_top = items.edit->AddItem(Translate("&OnTop"), command(SymbolCommand::kOnTop));
  items.edit->SetMark(items.edit_on_top, MenuMark::kCheck);

  items.font_menu = bar.AddSubmenu(Translate("&Font"));
  items.font = bar.Submenu(items.font_menu);
  items.font->OnOpen = command(SymbolCommand::kFontMenu);
  items.font->AddItem(Translate("&Define..."), command(SymbolCommand::kDefineFont));
  items.font->AddItem(Translate("C&olor..."), command(SymbolCommand::kColour));
  items.font->AddSeparator();
  items.font->AddItem(Translate("&Copy"), command(SymbolCommand::kCopyFont));
  items.font_paste = items.font->AddItem(Translate("&Paste"), command(SymbolCommand::kPasteFont));

  items.help_menu = bar.AddSubmenu(Translate("&Help"));
  items.help = bar.Submenu(items.help_menu);
  items.help->OnOpen = command(SymbolCommand::kHelpMenu);
  items.help_help = items.help->AddItem(Translate("&Help"), command(SymbolCommand::kHelp));

  menu_bar_ = std::make_unique<QtMenuBar>(*menuBar(), menu_bar_model_);
}

void TInsertSymbolWindow::BuildToolPanel() {
  struct ToolButton {
    ToolWindowGlyph glyph;
    std::string hint;
    bool drag_cursor;
    SymbolCommand command;
  };
  const std::array<ToolButton, kButtonCount> tool_buttons{{
      {ToolWindowGlyph::kInsert, Translate("Insert Symbol"), false, SymbolCommand::kInsert},
      {ToolWindowGlyph::kColour, ScreenColourHint(), true, SymbolCommand::kColour},
      {ToolWindowGlyph::kFont, Translate("Font..."), false, SymbolCommand::kDefineFont},
      {ToolWindowGlyph::kCopyAsImage, Translate("Copy as Image"), false, SymbolCommand::kCopyAsImage},
      {ToolWindowGlyph::kDragWindow, Translate("Drag Window"), true, SymbolCommand::kDragWindow},
  }};
  for (std::size_t i = 0; i < tool_buttons.size(); ++i) {
    const ToolButton& tool = tool_buttons[i];
    QToolButton& button =
        tools_->AddButton(TooltipOf(tool.hint), TextToBitmap(ToolWindowGlyphText(tool.glyph)), tool.drag_cursor);
    buttons_[i] = &button;
    if (tool.command != SymbolCommand::kDragWindow) {
      QObject::connect(&button, &QToolButton::clicked, this, [this, command = tool.command] { Click(command); });
    }
  }
  new ScreenColourButton(Button(1), eye_dropper_, [this](Colour colour) { TakeColour(colour); });
  new WindowDragButton(Button(4), *this, [this](bool dragging) {
    tools_->SetHighlighted(dragging);
    status_text_ = dragging ? "Dragging" : "";
    ShowStatus();
  });
}

void TInsertSymbolWindow::Click(SymbolCommand command) {
  MenuItems& items = *items_;
  Dialogs& dialogs = platform_.dialogs();
  switch (command) {
    case SymbolCommand::kDragWindow:
      break;
    case SymbolCommand::kEditMenu:
      items.edit->SetChecked(items.edit_on_top, on_top_);
      break;
    case SymbolCommand::kInsert:
      if (insert_enabled_ && !busy_ && OnInsert) OnInsert();
      break;
    case SymbolCommand::kCopyAsText:
      platform_.clipboard().SetText(view_->SelectedCharacter());
      break;
    case SymbolCommand::kCopyAsImage:
      platform_.clipboard().SetBitmap(GlyphImage(kGlyphMargin));
      break;
    case SymbolCommand::kOnTop:
      SetOnTop(!on_top_);
      break;
    case SymbolCommand::kFontMenu:
      items.font->SetEnabled(items.font_paste, FontIO().CanPaste());
      break;
    case SymbolCommand::kDefineFont:
      if (const auto chosen = dialogs.ChooseFont(GlyphFont(view_->pFont(), view_->CellSize()), false)) TakeFont(*chosen);
      break;
    case SymbolCommand::kColour:
      if (const auto chosen = dialogs.ChooseColour(view_->pFont().colour, false)) TakeColour(*chosen);
      break;
    case SymbolCommand::kCopyFont: {
      TFontIO& font_clipboard = FontIO();
      // The row height travels as the pixel height, with the point size it makes on this screen.
      font_clipboard.pFont = GlyphFont(view_->pFont(), view_->CellSize());
      font_clipboard.pFont.size = std::max(PointsForPixels(view_->CellSize(), PixelsPerInch()), 1);
      if (!font_clipboard.CopyFont()) dialogs.ErrorBox(Translate("Error"), Translate(font_clipboard.LastError()));
      break;
    }
    case SymbolCommand::kPasteFont: {
      TFontIO& font_clipboard = FontIO();
      if (font_clipboard.PasteFont()) {
        TakeFont(font_clipboard.pFont);
      } else {
        font_clipboard.ShowError(dialogs);
      }
      break;
    }
    case SymbolCommand::kHelpMenu:
      items.help->SetEnabled(items.help_help, static_cast<bool>(OnHelp));
      break;
    case SymbolCommand::kHelp:
      if (OnHelp) OnHelp();
      break;
  }
  menu_bar_->Refresh();
}

void TInsertSymbolWindow::TakeFont(const Font& font) {
  view_->SetUpdating(true);
  view_->SetFont(font);
  // The view is as wide as the client area; a shown window lays it out at once, a hidden one
  // when it shows.
  resize(ViewWidthForCell(FontPixelHeight(font, PixelsPerInch()), TFontView::kScrollBarWidth), height());
  view_->SetUpdating(false);
  view_->Redraw();
}

void TInsertSymbolWindow::TakeColour(Colour colour) {
  Font font = view_->pFont();
  font.colour = colour;
  view_->SetFont(font);
}

void TInsertSymbolWindow::SetInsertEnabled(bool enabled) {
  insert_enabled_ = enabled;
  items_->edit->SetEnabled(items_->edit_insert, enabled);
  popup_.SetEnabled(items_->popup_insert, enabled);
  if (!busy_) Button(0).setEnabled(enabled);
  menu_bar_->Refresh();
}

void TInsertSymbolWindow::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  platform_.cursors().SetBusy(busy);
  for (const int menu : {items_->edit_menu, items_->font_menu, items_->help_menu}) {
    menu_bar_model_.SetEnabled(menu, !busy);
  }
  menu_bar_->Refresh();
  view_->setEnabled(!busy);
  for (QToolButton* button : buttons_) button->setEnabled(!busy);
  if (!busy) Button(0).setEnabled(insert_enabled_);
  platform_.application().ProcessPendingEvents();
}

void TInsertSymbolWindow::SetOnTop(bool on_top) {
  on_top_ = on_top;
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on_top) {
    const bool shown = isVisible();
    // Changing the flags takes the window off the screen; it comes back where it was.
    setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (shown) show();
  }
  view_->Redraw();
}

void TInsertSymbolWindow::ShowStatus() {
  status_->SetText(0, QString::number(view_->pItemIndex()));
  const int points = PointsForPixels(view_->CellSize(), PixelsPerInch());
  status_->SetText(1, QString::fromStdString(GlyphSizeStatus(view_->GlyphImageSize(kGlyphMargin), points)));
  status_->SetText(2, status_text_.empty() ? QString::fromStdString(view_->pFont().name) : Tr(status_text_));
}

SymbolWindowSettings TInsertSymbolWindow::CurrentSettings() const {
  SymbolWindowSettings settings;
  std::string ignored;
  ComponentIO().ComponentToString(view_->Settings(), settings.pFontView, ignored);
  settings.pWidth = width();
  settings.pHeight = height();
  settings.pOnTop = on_top_;
  settings.pLeft = pos().x();
  settings.pTop = pos().y();
  settings.pVisible = isVisible();
  return settings;
}

bool TInsertSymbolWindow::Apply(const SymbolWindowSettings& settings) {
  FontViewSettings view = view_->Settings();
  const bool view_read = ComponentIO().StringToComponent(settings.pFontView, view, last_error_);
  if (view_read) view_->ApplySettings(view);
  // A size from a damaged or foreign file is kept within the screen, so the window and its
  // picture stay drawable.
  const QSize screen = ScreenSizeOf(*this);
  resize(std::clamp(settings.pWidth, 1, std::max(screen.width(), 1)),
         std::clamp(settings.pHeight, 1, std::max(screen.height(), 1)));
  SetOnTop(settings.pOnTop);
  PlaceOnScreen(*this, QPoint(settings.pLeft, settings.pTop));
  setVisible(settings.pVisible);
  return view_read;
}

bool TInsertSymbolWindow::LoadSettings() {
  SymbolWindowSettings settings = CurrentSettings();
  view_->SetUpdating(true);
  const bool read = ComponentIO().LoadSettings(settings, std::string(SymbolWindowSettings::kFileName), last_error_) &&
                    Apply(settings);
  view_->SetUpdating(false);
  view_->Redraw();
  return read;
}

bool TInsertSymbolWindow::SaveSettings() {
  return ComponentIO().SaveSettings(CurrentSettings(), std::string(SymbolWindowSettings::kFileName), last_error_);
}

}  // namespace plorvane
