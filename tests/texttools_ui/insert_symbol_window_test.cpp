// The insert-symbol window on Qt's offscreen platform, with the headless platform's dialogs,
// clipboard and text metric (each character 6 pixels wide, a line as high as its pixel height).
#include "texttools/ui/insert_symbol_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScreen>
#include <filesystem>

#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"
#include "support/paths.h"
#include "support/temp_home.h"
#include "texttools/component_io.h"
#include "texttools/font_io.h"
#include "texttools/font_view_geometry.h"

namespace plorvane {
namespace {

constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kGrey = 0x808080;

// A left-button event; a move happens with the button held.
void Press(QWidget& widget, QPoint at, QEvent::Type type = QEvent::MouseButtonPress) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

std::string SettingsFile() { return Paths().SettingsFolder("Settings") + std::string(SymbolWindowSettings::kFileName); }

class InsertSymbolWindowTest : public ::testing::Test {
 protected:
  InsertSymbolWindowTest() { window_.show(); }

  TFontView& View() { return window_.FontView(); }
  std::string StatusText(int panel) const { return window_.Status().Text(panel).toStdString(); }
  // Picks an item of the menu bar's top menu, opening it first as the user would.
  bool Pick(std::string_view menu, std::string_view item) {
    PopupMenu* top = window_.MenuBarModel().Submenu(window_.MenuBarModel().IndexOf(menu));
    if (top == nullptr) return false;
    top->Opening();
    return top->ActivateByCaption(item);
  }
  // Bold and italic; the dialog leaves colour, underline and strikeout as they were.
  static Font ChosenFont(int pixel_height, int points = 10) {
    return Font{"DejaVu Serif", points, true, true, false, kBlack, false, pixel_height};
  }

  testing::TempHome home_;
  HeadlessPlatform platform_;
  TInsertSymbolWindow window_{platform_};
};

TEST_F(InsertSymbolWindowTest, StartsWithWingdingsFromCode33AndFillsTheStatus) {
  EXPECT_EQ(window_.windowTitle(), "Insert Symbol");
  EXPECT_EQ(window_.size(), QSize(133, 350));
  EXPECT_EQ(View().pFont().name, "Wingdings");
  EXPECT_EQ(View().pTopIndex(), 33);
  EXPECT_EQ(View().pItemIndex(), 33);
  EXPECT_EQ(View().CellSize(), 133 - TFontView::kScrollBarWidth - kCodeColumnWidth);
  EXPECT_EQ(View().Picture().width(), View().CellSize() + kCodeColumnWidth);
  EXPECT_EQ(View().Picture().height(), View().height());
  EXPECT_EQ(StatusText(0), "33");
  const PixelSize glyph = View().GlyphImageSize(1);
  EXPECT_EQ(StatusText(1), GlyphSizeStatus(glyph, PointsForPixels(View().CellSize(), window_.PixelsPerInch())));
  EXPECT_EQ(glyph.height, View().CellSize() + 2);
  EXPECT_EQ(StatusText(2), "Wingdings");
  EXPECT_EQ(window_.Tools().ButtonsRight(), 5 * ToolPanel::kButtonSide);
}

TEST_F(InsertSymbolWindowTest, PressSelectsTheRowUnderThePointerWithinTheCodes) {
  const int cell = View().CellSize();
  struct Case {
    int top;
    int y;
    int item;
  };
  for (const Case c : {Case{33, 0, 33}, Case{33, 2 * cell + 1, 35}, Case{253, View().height() - 1, 255},
                       Case{255, 5 * cell, 255}, Case{32, cell - 1, 32}}) {
    SCOPED_TRACE(c.y);
    View().SetTopIndex(c.top);
    Press(View(), QPoint(5, c.y));
    EXPECT_EQ(View().pItemIndex(), c.item);
    EXPECT_EQ(StatusText(0), std::to_string(c.item));
  }
}

TEST_F(InsertSymbolWindowTest, GlyphsSitOnTheColourThatContrastsWithThem) {
  const int cell = View().CellSize();
  struct Case {
    Colour font;
    Colour background;
    Colour highlight;
  };
  for (const Case c : {Case{kBlack, kWhite, kSilver}, Case{MakeColour(255, 255, 0), kBlack, kSilver},
                       Case{MakeColour(200, 180, 170), kBlack, kGrey}, Case{MakeColour(170, 160, 180), kWhite, kGrey}}) {
    SCOPED_TRACE(c.font);
    platform_.dialogs().ScriptColourAnswer(c.font);
    window_.Click(SymbolCommand::kColour);
    EXPECT_EQ(View().pFont().colour, c.font);
    const Bitmap& picture = View().Picture();
    EXPECT_EQ(picture.GetPixel(cell - 2, cell / 2), c.highlight) << "the selected first row";
    EXPECT_EQ(picture.GetPixel(cell - 2, cell + cell / 2), c.background) << "the second row";
    EXPECT_EQ(window_.GlyphImage().GetPixel(0, 0), c.background);
  }
  // A cancelled dialog keeps the colour.
  window_.Click(SymbolCommand::kColour);
  EXPECT_EQ(View().pFont().colour, MakeColour(170, 160, 180));
  EXPECT_EQ(platform_.dialogs().colour_dialogs().back().initial, MakeColour(170, 160, 180));
}

TEST_F(InsertSymbolWindowTest, DefineGivesTheWindowRowsAsHighAsTheChosenFont) {
  const int ppi = window_.PixelsPerInch();
  const int start_cell = View().CellSize();
  struct Case {
    Font chosen;
    int cell;
  };
  // The dialog answers in points unless the font has a pixel height.
  for (const Case& c : {Case{ChosenFont(72), 72}, Case{ChosenFont(0, 30), FontPixelHeight(ChosenFont(0, 30), ppi)},
                        Case{ChosenFont(0, 54), FontPixelHeight(ChosenFont(0, 54), ppi)}}) {
    SCOPED_TRACE(c.cell);
    platform_.dialogs().ScriptFontAnswer(c.chosen);
    ASSERT_TRUE(Pick("&Font", "&Define..."));
    EXPECT_EQ(View().CellSize(), c.cell);
    EXPECT_EQ(window_.width(), c.cell + TFontView::kScrollBarWidth + kCodeColumnWidth);
    EXPECT_EQ(View().pFont().name, "DejaVu Serif");
    EXPECT_EQ(View().Picture().width(), c.cell + kCodeColumnWidth);
    EXPECT_EQ(StatusText(1), GlyphSizeStatus(View().GlyphImageSize(1), PointsForPixels(c.cell, ppi)));
    EXPECT_EQ(StatusText(2), "DejaVu Serif");
  }
  const auto& asked = platform_.dialogs().font_dialogs();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].initial.name, "Wingdings");
  EXPECT_EQ(asked[0].initial.pixel_height, start_cell);
  EXPECT_EQ(asked[1].initial.pixel_height, 72);
  EXPECT_FALSE(asked[0].show_effects);

  // Cancelled: nothing changes.
  const int width = window_.width();
  window_.Click(SymbolCommand::kDefineFont);
  EXPECT_EQ(window_.width(), width);
  EXPECT_EQ(View().pFont().name, "DejaVu Serif");
}

TEST_F(InsertSymbolWindowTest, CopiesTheSelectedGlyphAsTextOrImage) {
  View().SetItemIndex(65);
  platform_.windowing().ScriptMenuPick("&Copy as Text");
  QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(5, 5), View().mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&View(), &asked);
  ASSERT_EQ(platform_.windowing().shown_menus().size(), 1u);
  EXPECT_EQ(platform_.clipboard().GetText(), "A");
  View().SetItemIndex(128);
  ASSERT_TRUE(Pick("&Edit", "&Copy as Text"));
  EXPECT_EQ(platform_.clipboard().GetText(), "\xE2\x82\xAC");

  platform_.dialogs().ScriptFontAnswer(ChosenFont(72));
  window_.Click(SymbolCommand::kDefineFont);
  Press(window_.Button(3), QPoint(3, 3));
  Press(window_.Button(3), QPoint(3, 3), QEvent::MouseButtonRelease);
  const auto image = platform_.clipboard().GetBitmap();
  ASSERT_TRUE(image.has_value());
  // The headless metric: one character is 6 pixels wide, its line the cell's height.
  EXPECT_EQ(image->width(), kHeadlessGlyphAdvance + 2);
  EXPECT_EQ(image->height(), 72 + 2);
  EXPECT_EQ(image->GetPixel(0, 0), kWhite);
  EXPECT_EQ(image->GetPixel(2, 4), kBlack);
}

TEST_F(InsertSymbolWindowTest, InsertRunsOnlyWhileEnabledAndIdle) {
  int inserted = 0;
  window_.OnInsert = [&] { ++inserted; };
  const QPoint row(5, View().CellSize() + 3);
  Press(View(), row, QEvent::MouseButtonDblClick);
  EXPECT_EQ(inserted, 1);
  EXPECT_EQ(View().pItemIndex(), 34);

  window_.SetInsertEnabled(false);
  PopupMenu& edit = *window_.MenuBarModel().Submenu(window_.MenuBarModel().IndexOf("&Edit"));
  EXPECT_FALSE(edit.IsEnabled(edit.IndexOf("&Insert Symbol")));
  EXPECT_FALSE(window_.PopupModel().IsEnabled(window_.PopupModel().IndexOf("&Insert Symbol")));
  EXPECT_FALSE(window_.Button(0).isEnabled());
  Press(View(), row, QEvent::MouseButtonDblClick);
  window_.Click(SymbolCommand::kInsert);
  EXPECT_EQ(inserted, 1);

  window_.SetInsertEnabled(true);
  window_.SetBusy(true);
  EXPECT_TRUE(platform_.cursors().busy());
  EXPECT_FALSE(View().isEnabled());
  for (int i = 0; i < TInsertSymbolWindow::kButtonCount; ++i) EXPECT_FALSE(window_.Button(i).isEnabled()) << i;
  for (const char* menu : {"&Edit", "&Font", "&Help"}) {
    EXPECT_FALSE(window_.MenuBarModel().IsEnabled(window_.MenuBarModel().IndexOf(menu))) << menu;
  }
  window_.SetInsertEnabled(false);
  window_.SetInsertEnabled(true);
  EXPECT_FALSE(window_.Button(0).isEnabled()) << "the insert button waits for the end of the busy state";
  window_.Click(SymbolCommand::kInsert);
  EXPECT_EQ(inserted, 1);

  window_.SetInsertEnabled(false);
  window_.SetBusy(false);
  EXPECT_FALSE(platform_.cursors().busy());
  EXPECT_TRUE(View().isEnabled());
  EXPECT_FALSE(window_.Button(0).isEnabled());
  EXPECT_TRUE(window_.Button(1).isEnabled());
  EXPECT_TRUE(window_.MenuBarModel().IsEnabled(window_.MenuBarModel().IndexOf("&Edit")));
}

TEST_F(InsertSymbolWindowTest, MenusShowTheStateWhenTheyOpen) {
  PopupMenu& bar = window_.MenuBarModel();
  PopupMenu& font = *bar.Submenu(bar.IndexOf("&Font"));
  PopupMenu& help = *bar.Submenu(bar.IndexOf("&Help"));
  PopupMenu& edit = *bar.Submenu(bar.IndexOf("&Edit"));
  font.Opening();
  EXPECT_FALSE(font.IsEnabled(font.IndexOf("&Paste")));
  help.Opening();
  EXPECT_FALSE(help.IsEnabled(help.IndexOf("&Help")));

  int helped = 0;
  window_.OnHelp = [&] { ++helped; };
  ASSERT_TRUE(Pick("&Help", "&Help"));
  EXPECT_EQ(helped, 1);
  ASSERT_TRUE(Pick("&Font", "&Copy"));
  font.Opening();
  EXPECT_TRUE(font.IsEnabled(font.IndexOf("&Paste")));

  ASSERT_TRUE(Pick("&Edit", "&OnTop"));
  EXPECT_TRUE(window_.pOnTop());
  EXPECT_TRUE(window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window_.isVisible());
  edit.Opening();
  EXPECT_TRUE(edit.IsChecked(edit.IndexOf("&OnTop")));
}

TEST_F(InsertSymbolWindowTest, FontTravelsThroughTheFontClipboardWithTheRowHeight) {
  const Colour green = MakeColour(0, 90, 0);
  platform_.dialogs().ScriptColourAnswer(green);
  window_.Click(SymbolCommand::kColour);
  platform_.dialogs().ScriptFontAnswer(ChosenFont(0, 30));
  window_.Click(SymbolCommand::kDefineFont);
  const int cell = View().CellSize();
  ASSERT_TRUE(Pick("&Font", "&Copy"));

  TFontIO other_window;
  ASSERT_TRUE(other_window.PasteFont()) << other_window.LastError();
  EXPECT_EQ(other_window.pFont.name, "DejaVu Serif");
  EXPECT_TRUE(other_window.pFont.bold);
  EXPECT_TRUE(other_window.pFont.italic);
  EXPECT_EQ(other_window.pFont.colour, green);
  EXPECT_EQ(other_window.pFont.pixel_height, cell);
  EXPECT_EQ(other_window.pFont.size, PointsForPixels(cell, window_.PixelsPerInch()));

  // And back: a font copied elsewhere with a pixel height gives rows of that height.
  other_window.pFont.name = "DejaVu Sans Mono";
  other_window.pFont.pixel_height = 40;
  ASSERT_TRUE(other_window.CopyFont());
  ASSERT_TRUE(Pick("&Font", "&Paste"));
  EXPECT_EQ(View().pFont().name, "DejaVu Sans Mono");
  EXPECT_EQ(View().CellSize(), 40);
  EXPECT_TRUE(platform_.dialogs().messages().empty());
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
}

TEST_F(InsertSymbolWindowTest, FontClipboardFailuresAreShown) {
  // A damaged clipboard file: the font clipboard's own message box, the view unchanged.
  std::filesystem::create_directories(std::filesystem::path(TFontIO::ClipboardFile()).parent_path());
  test::WriteBytes(TFontIO::ClipboardFile(), {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'});
  window_.Click(SymbolCommand::kPasteFont);
  ASSERT_EQ(platform_.dialogs().messages().size(), 1u);
  EXPECT_EQ(platform_.dialogs().messages()[0].text, "Unknown format");
  EXPECT_EQ(View().pFont().name, "Wingdings");

  // A clipboard folder that cannot be written: the error box.
  const std::string folder = std::filesystem::path(TFontIO::ClipboardFile()).parent_path();
  std::filesystem::remove_all(folder);
  test::WriteBytes(folder, {'x'});
  window_.Click(SymbolCommand::kCopyFont);
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1u);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].caption, "Error");
  EXPECT_FALSE(platform_.dialogs().error_boxes()[0].text.empty());
}

TEST_F(InsertSymbolWindowTest, DraggingHighlightsThePanelAndSaysSo) {
  QToolButton& drag = window_.Button(4);
  Press(drag, QPoint(3, 3));
  EXPECT_TRUE(window_.Tools().Highlighted());
  EXPECT_EQ(StatusText(2), "Dragging");
  Press(drag, QPoint(3, 3), QEvent::MouseButtonRelease);
  EXPECT_FALSE(window_.Tools().Highlighted());
  EXPECT_EQ(StatusText(2), "Wingdings");
}

TEST_F(InsertSymbolWindowTest, ColourDraggedOffTheScreenBecomesTheFontColour) {
  Bitmap screen;
  ASSERT_TRUE(screen.Resize(50, 50, MakeColour(255, 0, 0)));
  platform_.screen().SetPixels(screen);
  platform_.screen().SetMousePosition(Point{10, 10});
  QToolButton& colour = window_.Button(1);
  Press(colour, QPoint(3, 3));
  Press(colour, QPoint(-40, 3), QEvent::MouseMove);
  Press(colour, QPoint(-40, 3), QEvent::MouseButtonRelease);
  EXPECT_EQ(View().pFont().colour, 0x0000FFu);
  const int cell = View().CellSize();
  EXPECT_EQ(View().Picture().GetPixel(cell - 2, cell * 3 / 2), kBlack) << "red is light: the background turns black";
  EXPECT_TRUE(platform_.dialogs().colour_dialogs().empty()) << "a drag is no click";
}

TEST(StatusPanelsTest, PanelsKeepTheirWidthsAndWidenForLongerTexts) {
  QWidget window;
  StatusPanels panels({30, 80, 100}, &window);
  panels.resize(400, panels.sizeHint().height());
  panels.SetText(1, "1x1 [1]");
  EXPECT_EQ(panels.PanelRect(0).width(), 30);
  EXPECT_EQ(panels.PanelRect(1).width(), 80);
  EXPECT_EQ(panels.PanelRect(2).right(), 399) << "the last panel reaches the edge";

  const QString wide = "103x144 [110] and a good deal more";
  panels.SetText(1, wide);
  EXPECT_GT(panels.PanelRect(1).width(), panels.fontMetrics().horizontalAdvance(wide));
  EXPECT_EQ(panels.PanelRect(2).left(), panels.PanelRect(1).right() + 1 + 2) << "the next panel moves along";
  EXPECT_EQ(panels.minimumSizeHint().width(), 0) << "a narrow window cuts the panels off";
  EXPECT_EQ(panels.Text(5), QString());
}

TEST(StatusPanelsTest, ATextCutOffByANarrowBarEndsInAnEllipsisAndTheTooltipHoldsItWhole) {
  QWidget window;
  StatusPanels panels({30, 80, 100}, &window);
  panels.SetText(0, "33");
  panels.SetText(2, "Wingdings");
  panels.resize(30 + 2 + 80 + 2 + 30, panels.sizeHint().height());
  EXPECT_EQ(panels.toolTip(), "33\nWingdings");

  // The cut panel's text is drawn shortened: its pixels are those of the ellipsis text, not of
  // the whole name clipped at the edge.
  const auto drawn = [&panels] {
    const QImage image = panels.grab().toImage();
    return image.copy(panels.PanelRect(2).intersected(panels.rect()));
  };
  const QImage elided = drawn();
  panels.SetText(2, panels.fontMetrics().elidedText("Wingdings", Qt::ElideRight, 30 - 3 - 3));
  EXPECT_EQ(drawn(), elided);
  panels.SetText(2, "Wingdings");
  panels.resize(400, panels.height());
  EXPECT_NE(drawn().copy(0, 0, elided.width(), elided.height()), elided) << "a bar wide enough shows the whole name";
}

// The element window's record: its entries (pWidth, pHeight, pLeft, pTop, pOnTop, pVisible) are
// all entries of the symbol window's too.
struct ElementWindowRecord {
  static constexpr std::string_view kClassName = "TAnimationElementWindow";
  static const PublishedProperties<ElementWindowRecord>& Published() {
    static const auto properties = PublishedProperties<ElementWindowRecord>()
                                       .Integer("pWidth", &ElementWindowRecord::width)
                                       .Boolean(
                                           "pVisible", [](const ElementWindowRecord&) { return true; },
                                           [](ElementWindowRecord&, bool) {});
    return properties;
  }
  std::int32_t width = 300;
};

class SymbolWindowSettingsTest : public InsertSymbolWindowTest {};

TEST_F(SymbolWindowSettingsTest, RoundTripRestoresTheViewAndTheWindow) {
  platform_.dialogs().ScriptFontAnswer(ChosenFont(60));
  window_.Click(SymbolCommand::kDefineFont);
  View().SetTopIndex(100);
  View().SetItemIndex(120);
  window_.resize(window_.width(), 300);
  window_.move(40, 50);
  ASSERT_TRUE(window_.SaveSettings()) << window_.LastError();

  TInsertSymbolWindow restored(platform_);
  ASSERT_TRUE(restored.LoadSettings()) << restored.LastError();
  EXPECT_TRUE(restored.isVisible());
  EXPECT_EQ(restored.size(), window_.size());
  EXPECT_EQ(restored.pos(), window_.pos());
  EXPECT_EQ(restored.FontView().pTopIndex(), 100);
  EXPECT_EQ(restored.FontView().pItemIndex(), 120);
  EXPECT_EQ(restored.FontView().pFont(), View().pFont());
  EXPECT_EQ(restored.FontView().CellSize(), 60);
  EXPECT_EQ(restored.FontView().Picture().width(), 60 + kCodeColumnWidth);

  window_.hide();
  ASSERT_TRUE(window_.SaveSettings());
  TInsertSymbolWindow hidden(platform_);
  hidden.show();
  ASSERT_TRUE(hidden.LoadSettings());
  EXPECT_FALSE(hidden.isVisible());
}

TEST_F(SymbolWindowSettingsTest, UnreadableFilesLeaveTheDefaults) {
  const auto expect_defaults = [](TInsertSymbolWindow& window) {
    EXPECT_EQ(window.FontView().pFont().name, "Wingdings");
    EXPECT_EQ(window.FontView().pTopIndex(), 33);
    EXPECT_EQ(window.FontView().pItemIndex(), 33);
    EXPECT_EQ(window.size(), QSize(133, 350));
  };
  EXPECT_FALSE(window_.LoadSettings());
  EXPECT_EQ(window_.LastError(), "File not found");

  std::filesystem::create_directories(std::filesystem::path(SettingsFile()).parent_path());
  test::WriteBytes(SettingsFile(), {'T', 'P', 'F', '0', 0xFF, 0x01, 0x02});
  EXPECT_FALSE(window_.LoadSettings());
  EXPECT_EQ(window_.LastError(), "Unknown format");
  expect_defaults(window_);

  // Another window's record.
  TFontIO font_record;
  font_record.pFont.name = "DejaVu Serif";
  std::string error;
  ASSERT_TRUE(ComponentIO().SaveSettings(font_record, std::string(SymbolWindowSettings::kFileName), error));
  EXPECT_FALSE(window_.LoadSettings());
  expect_defaults(window_);

  // A record of another class whose entries are all the window's own is refused all the same.
  ASSERT_TRUE(ComponentIO().SaveSettings(ElementWindowRecord{}, std::string(SymbolWindowSettings::kFileName), error));
  EXPECT_FALSE(window_.LoadSettings());
  EXPECT_EQ(window_.LastError(), "Unknown format");
  expect_defaults(window_);
}

// The window is placed while it is hidden, before it has a frame: the rule holds for its client
// area, and the frame only adds to what shows.
TEST_F(SymbolWindowSettingsTest, FarOffPlacesAndSizesComeBackOnTheScreen) {
  const QSize screen = window_.screen()->geometry().size();
  struct Case {
    int left;
    int top;
    int width;
    int height;
    QPoint placed;
  };
  for (const Case c : {Case{5000, 5000, 140, 300, QPoint(screen.width() - 32, screen.height() - 32)},
                       Case{-5000, -5000, 140, 300, QPoint(32 - 140, 32 - 300)},
                       Case{20, 10, 100000, 200, QPoint(20, 10)}}) {
    SCOPED_TRACE(c.left);
    SymbolWindowSettings settings;
    settings.pWidth = c.width;
    settings.pHeight = c.height;
    settings.pLeft = c.left;
    settings.pTop = c.top;
    settings.pVisible = true;
    std::string error;
    ASSERT_TRUE(ComponentIO().SaveSettings(settings, std::string(SymbolWindowSettings::kFileName), error));
    TInsertSymbolWindow window(platform_);
    ASSERT_TRUE(window.LoadSettings()) << window.LastError();
    EXPECT_EQ(window.frameGeometry().topLeft(), c.placed);
    EXPECT_EQ(window.width(), std::min(c.width, screen.width()));
    const QRect shown = QRect(QPoint(0, 0), screen).intersected(window.frameGeometry());
    EXPECT_GE(shown.width(), 32);
    EXPECT_GE(shown.height(), 32);
    // The settings had no font view: it stays as made.
    EXPECT_EQ(window.FontView().pFont().name, "Wingdings");
  }
}

}  // namespace
}  // namespace plorvane
