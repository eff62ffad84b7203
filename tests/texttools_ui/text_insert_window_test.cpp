// The text insert window on Qt's offscreen platform, with the headless platform's dialogs,
// clipboard, screen and text metrics (each character 6 pixels wide, a line font size + 4 high).
#include "texttools/ui/text_insert_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_services.h"
#include "scratch_folder.h"
#include "support/paths.h"
#include "support/temp_home.h"
#include "texttools/component_io.h"
#include "texttools/font_io.h"
#include "texttools/ui/ext_progress_bar.h"
#include "texttools/ui/text_insert_commands.h"
#include "texttools/ui/tool_window_frame.h"

namespace plorvane {
namespace {

using namespace text_insert;

const Font kRedSerif{"DejaVu Serif", 14, true, false, false, MakeColour(200, 0, 0)};

std::string SettingsPath() { return Paths().SettingsFolder("Settings") + "TTextInsertWindow.INI"; }

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

Colour MemoBackground(QPlainTextEdit& memo) { return ColourOf(memo.palette().color(QPalette::Base)); }

void OpenMenu(TTextInsertWindow& window, int tag) { emit window.MenuOf(tag).aboutToShow(); }

class TextInsertWindowTest : public ::testing::Test {
 protected:
  testing::TempHome home_;
  // The temporary folder the home points at, for the tests' scratch folders.
  const bool temp_folder_made_ = std::filesystem::create_directories(home_.root() + "/tmp");
  HeadlessPlatform platform_;
  TTextInsertWindow window_{platform_};
};

TEST_F(TextInsertWindowTest, StartsHiddenUntitledReadyAndCentred) {
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(window_.windowTitle(), "Insert Text - Untitled.txt");
  EXPECT_EQ(window_.StatusText(), "Ready");
  EXPECT_EQ(window_.WordWrapStatus(), "");
  EXPECT_FALSE(window_.ProgressBar().isVisibleTo(&window_));
  EXPECT_FALSE(window_.Button(kStop).isEnabled());
  EXPECT_EQ(window_.size(), QSize(300, 400));
  const QSize screen = QApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(window_.pos(), QPoint((screen.width() - 300) / 2, (screen.height() - 400) / 2));
  EXPECT_EQ(MemoBackground(window_.Memo()), kWhite);
}

std::vector<std::string> ItemsOf(QMenu& menu) {
  std::vector<std::string> items;
  for (const QAction* action : menu.actions()) {
    items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
  }
  return items;
}

TEST_F(TextInsertWindowTest, MenusAreLaidOutAsTheCommandsTableSays) {
  using Items = std::vector<std::string>;
  EXPECT_EQ(ItemsOf(window_.MenuOf(kFileMenu)),
            (Items{"&New", "&Open...", "Open from Start &Button...", "Save &As...", "Save to Start Bu&tton...", "-",
                   "&Close"}));
  EXPECT_EQ(ItemsOf(window_.MenuOf(kEditMenu)),
            (Items{"&Insert Text", "-", "&Undo", "Cu&t", "&Copy", "Copy as I&mage", "&Paste", "&Delete", "C&lear", "-",
                   "Select &All", "&Word Wrap", "-", "", "&OnTop"}));
  EXPECT_EQ(ItemsOf(window_.MenuOf(kFontMenu)), (Items{"&Define...", "C&olor...", "-", "&Copy", "&Paste"}));
  EXPECT_EQ(ItemsOf(window_.MenuOf(kHelpMenu)), Items{"&Help"});
  EXPECT_EQ(window_.Button(kFontColour).toolTip(),
            "Color\n* Click for Color Window\n* Click and drag for Screen Color");
}

TEST_F(TextInsertWindowTest, EditMenuFollowsTheMemoAndTheClipboardWhenItOpens) {
  const auto enabled = [this](int tag) { return window_.Action(tag).isEnabled(); };
  OpenMenu(window_, kEditMenu);
  for (const int tag : {kUndo, kCut, kCopy, kDelete, kPaste, kClear, kSelectAll}) {
    EXPECT_FALSE(enabled(tag)) << tag;
  }
  window_.Memo().insertPlainText("hello");
  QTextCursor cursor = window_.Memo().textCursor();
  cursor.setPosition(1);
  cursor.setPosition(3, QTextCursor::KeepAnchor);
  window_.Memo().setTextCursor(cursor);
  ASSERT_TRUE(platform_.clipboard().SetText("x"));
  window_.SetWordWrap(true);
  OpenMenu(window_, kEditMenu);
  for (const int tag : {kUndo, kCut, kCopy, kDelete, kPaste, kClear, kSelectAll}) {
    EXPECT_TRUE(enabled(tag)) << tag;
  }
  EXPECT_TRUE(window_.Action(kWordWrap).isChecked());
  EXPECT_FALSE(window_.Action(kOnTop).isChecked());
  window_.Click(kSelectAll);
  OpenMenu(window_, kEditMenu);
  EXPECT_FALSE(enabled(kSelectAll));
}

TEST_F(TextInsertWindowTest, BusyLocksEverythingButStopAndTheInsertButtonFollowsItsCommandAfter) {
  window_.SetInsertEnabled(false);
  window_.SetBusy(true);
  EXPECT_TRUE(platform_.cursors().busy());
  for (const int tag : {kFileMenu, kEditMenu, kFontMenu, kHelpMenu}) {
    EXPECT_FALSE(window_.MenuOf(tag).menuAction()->isEnabled()) << tag;
  }
  EXPECT_FALSE(window_.Memo().isEnabled());
  for (const ToolButton& button : ToolButtons()) {
    EXPECT_EQ(window_.Button(button.tag).isEnabled(), button.tag == kStop && window_.Button(kStop).isEnabled())
        << button.tag;
  }
  window_.SetBusy(false);
  EXPECT_FALSE(platform_.cursors().busy());
  EXPECT_TRUE(window_.Memo().isEnabled());
  EXPECT_FALSE(window_.Button(kInsertText).isEnabled());
  EXPECT_TRUE(window_.Button(kFontDefine).isEnabled());
  EXPECT_FALSE(window_.Button(kStop).isEnabled());
  window_.SetInsertEnabled(true);
  EXPECT_TRUE(window_.Button(kInsertText).isEnabled());
}

TEST_F(TextInsertWindowTest, ClipboardStepsWorkBusyAndEndReady) {
  window_.SetText("one two");
  window_.Click(kSelectAll);
  window_.Click(kCopy);
  EXPECT_EQ(platform_.clipboard().GetText(), "one two");
  window_.Click(kCut);
  EXPECT_EQ(window_.Text(), "");
  window_.Click(kUndo);
  EXPECT_EQ(window_.Text(), "one two");
  window_.Memo().moveCursor(QTextCursor::End);
  window_.Click(kPaste);
  EXPECT_EQ(window_.Text(), "one twoone two");
  EXPECT_EQ(window_.StatusText(), "Ready");
  EXPECT_FALSE(window_.Busy());
  EXPECT_EQ(platform_.cursors().busy_history(),
            (std::vector<bool>{true, false, true, false, true, false, true, false}));
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
}

TEST_F(TextInsertWindowTest, FailedStepsShowTheirErrorText) {
  platform_.clipboard().SetAvailable(false);
  window_.Click(kPaste);
  window_.SetText("abc");  // setting the text leaves nothing to undo
  window_.Click(kUndo);
  window_.Click(kSelectAll);
  window_.Click(kCopy);
  const std::vector<ErrorBoxRecord> expected{{"Error", "Task failed"}, {"Error", "Empty"}, {"Error", "Task failed"}};
  EXPECT_EQ(platform_.dialogs().error_boxes(), expected);
  EXPECT_EQ(window_.StatusText(), "Ready");
}

TEST_F(TextInsertWindowTest, NewAndClearEmptyTheMemoButKeepTheFileName) {
  window_.SetText("a\nb");
  window_.Click(kNew);
  EXPECT_EQ(window_.Text(), "");
  window_.SetText("c");
  window_.Click(kClear);
  EXPECT_EQ(window_.Text(), "");
  EXPECT_EQ(window_.windowTitle(), "Insert Text - Untitled.txt");
}

TEST_F(TextInsertWindowTest, CopyAsImagePutsThePictureWithABackgroundTopLeftOnTheClipboard) {
  struct Case {
    Colour text;
    Colour background;
  };
  for (const Case c : {Case{kBlack, kWhite}, Case{kWhite, kBlack}, Case{MakeColour(192, 192, 192), kWhite}}) {
    SCOPED_TRACE(c.text);
    window_.SetTextFont(Font{"", 8, false, false, false, c.text});
    window_.SetText("ab\ncde\n");
    window_.Click(kCopyAsImage);
    const std::optional<Bitmap> copied = platform_.clipboard().GetBitmap();
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(copied->width(), 18);
    EXPECT_EQ(copied->height(), 1 + 2 * 12);
    EXPECT_EQ(copied->GetPixel(0, 0), c.background);
    EXPECT_EQ(copied->GetPixel(0, 3), c.text);
    EXPECT_EQ(MemoBackground(window_.Memo()), c.background);
  }
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
}

TEST_F(TextInsertWindowTest, InsertRaisesOnInsertOnlyWhenEnabledAndIdle) {
  int inserted = 0;
  QSize picture;
  window_.SetTextFont(Font{"", 8});
  window_.SetText("abcd");
  window_.OnInsert = [&](TTextInsertWindow& sender) {
    ++inserted;
    sender.SetBusy(true);
    const Bitmap& image = sender.TextAsImage();
    picture = QSize(image.width(), image.height());
    sender.ReleaseImage();
    sender.SetBusy(false);
  };
  window_.Click(kInsertText);
  EXPECT_EQ(inserted, 1);
  EXPECT_EQ(picture, QSize(24, 13));
  window_.SetInsertEnabled(false);
  window_.Click(kInsertText);
  window_.SetInsertEnabled(true);
  window_.SetBusy(true);
  window_.Click(kInsertText);
  window_.SetBusy(false);
  EXPECT_EQ(inserted, 1);
  EXPECT_EQ(window_.StatusText(), "Ready");
}

TEST_F(TextInsertWindowTest, HelpAndSynchroniseNeedTheirHandlerAndCaption) {
  int helped = 0;
  int synced = 0;
  OpenMenu(window_, kHelpMenu);
  EXPECT_FALSE(window_.Action(kHelp).isEnabled());
  window_.OnHelp = [&](TTextInsertWindow&) { ++helped; };
  window_.OnSync = [&](TTextInsertWindow&) { ++synced; };
  OpenMenu(window_, kHelpMenu);
  EXPECT_TRUE(window_.Action(kHelp).isEnabled());
  window_.Action(kHelp).trigger();
  EXPECT_EQ(helped, 1);

  EXPECT_FALSE(window_.Action(kSynchronise).isVisible());
  window_.Click(kSynchronise);
  EXPECT_EQ(synced, 0);
  window_.SetSyncCaption("&Synchronise");
  EXPECT_TRUE(window_.Action(kSynchronise).isVisible());
  EXPECT_EQ(window_.Action(kSynchronise).text(), "&Synchronise");
  window_.Action(kSynchronise).trigger();
  EXPECT_EQ(synced, 1);
}

TEST_F(TextInsertWindowTest, WordWrapTogglesTheScrollBarAndTheFirstStatusPanel) {
  window_.Action(kWordWrap).trigger();
  EXPECT_TRUE(window_.WordWrap());
  EXPECT_TRUE(window_.Action(kWordWrap).isChecked());
  EXPECT_EQ(window_.WordWrapStatus(), "Word Wrap");
  EXPECT_EQ(window_.Memo().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(window_.Memo().lineWrapMode(), QPlainTextEdit::WidgetWidth);
  window_.Action(kWordWrap).trigger();
  EXPECT_FALSE(window_.WordWrap());
  EXPECT_EQ(window_.WordWrapStatus(), "");
  EXPECT_EQ(window_.Memo().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(TextInsertWindowTest, SyncSizeMakesTheMemosTextAreaAsLargeAsAsked) {
  window_.show();
  for (const bool wrap : {false, true}) {
    SCOPED_TRACE(wrap);
    window_.SetWordWrap(wrap);
    window_.SyncSize(260, 180);
    QApplication::processEvents();
    EXPECT_EQ(window_.Memo().viewport()->size(), QSize(260, 180));
  }
  // Without word wrap the window has the horizontal scroll bar's height more.
  window_.SetWordWrap(false);
  window_.SyncSize(260, 180);
  const int unwrapped = window_.height();
  window_.SetWordWrap(true);
  window_.SyncSize(260, 180);
  EXPECT_EQ(unwrapped - window_.height(), window_.Memo().horizontalScrollBar()->sizeHint().height());
}

// The headless platform, except that its event processing presses Stop once it has run a given
// number of times, as a user would while the text renders.
class StopPressingApplication final : public Application {
 public:
  void ProcessPendingEvents() override {
    if (++calls == press_at && press) press();
  }
  void Terminate(int /*exit_code*/) override {}
  bool Synchronize(const std::function<void()>& task, std::stop_token /*stop*/) override {
    task();
    return true;
  }

  int calls = 0;
  int press_at = 0;
  std::function<void()> press;
};

class StopPressingPlatform final : public Platform {
 public:
  Windowing& windowing() override { return inner_.windowing(); }
  HeadlessDialogs& dialogs() override { return inner_.dialogs(); }
  HeadlessClipboard& clipboard() override { return inner_.clipboard(); }
  HeadlessCursors& cursors() override { return inner_.cursors(); }
  SoundDevices& sound_devices() override { return inner_.sound_devices(); }
  Shell& shell() override { return inner_.shell(); }
  Screen& screen() override { return inner_.screen(); }
  StopPressingApplication& application() override { return application_; }
  TextRenderer& text_renderer() override { return inner_.text_renderer(); }
  MetafileRenderer& metafiles() override { return inner_.metafiles(); }
  Clock& clock() override { return inner_.clock(); }

 private:
  HeadlessPlatform inner_;
  StopPressingApplication application_;
};

TEST(TextInsertWindowStop, StopDuringALongRenderingEndsItAndTheNextRenderingRunsWhole) {
  testing::TempHome home;
  StopPressingPlatform platform;
  TTextInsertWindow window(platform);
  window.show();
  window.SetTextFont(Font{"", 8});
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + "\n";
  window.SetText(text);

  struct AtStop {
    bool progress_visible = false;
    bool size_grip = true;
    QRect progress;
    QSize status_bar;
    bool memo_enabled = true;
  } at_stop;
  platform.application().press_at = 100;
  platform.application().press = [&] {
    at_stop = {window.ProgressBar().isVisible(), window.StatusBar().isSizeGripEnabled(),
               window.ProgressBar().geometry(), window.StatusBar().size(), window.Memo().isEnabled()};
    window.Button(kStop).click();
  };
  std::optional<Bitmap> picture;
  std::string error;
  window.OnInsert = [&](TTextInsertWindow& sender) {
    picture = sender.TextAsImage();
    error = sender.LastError();
    sender.ReleaseImage();
  };
  window.Click(kInsertText);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(error, "Task cancelled");
  EXPECT_TRUE(picture->empty());  // no half-drawn text goes into the card
  EXPECT_LT(platform.application().calls, 110);  // the loop stopped at once
  EXPECT_FALSE(window.Button(kStop).isEnabled());
  EXPECT_FALSE(window.ProgressBar().isVisible());
  EXPECT_TRUE(window.StatusBar().isSizeGripEnabled());
  EXPECT_FALSE(window.Busy());
  EXPECT_TRUE(platform.dialogs().error_boxes().empty());  // the host reports insert failures
  EXPECT_EQ(window.StatusText(), "Task cancelled");

  // While it ran: the bar at the right of the status bar, the grip hidden, the memo locked.
  EXPECT_TRUE(at_stop.progress_visible);
  EXPECT_FALSE(at_stop.size_grip);
  EXPECT_FALSE(at_stop.memo_enabled);
  const int width = (at_stop.status_bar.width() * 30 - 60) / 100;
  EXPECT_EQ(at_stop.progress, QRect(at_stop.status_bar.width() - width - 1, 3, width, at_stop.status_bar.height() - 4));

  platform.application().press = nullptr;
  picture.reset();
  window.Click(kInsertText);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->height(), 1 + 5000 * 12);
  EXPECT_GT(platform.application().calls, 5000);  // events ran with every line
  EXPECT_EQ(window.StatusText(), "Ready");
}

TEST(TextInsertWindowStop, CopyAsImageThatIsStoppedCopiesNothingAndSaysSo) {
  testing::TempHome home;
  StopPressingPlatform platform;
  TTextInsertWindow window(platform);
  window.SetText("a\nb\nc\nd");
  platform.application().press_at = 3;  // the first is the busy state's, then one per line
  platform.application().press = [&] { window.Button(kStop).click(); };
  window.Click(kCopyAsImage);
  EXPECT_FALSE(platform.clipboard().HasBitmap());
  EXPECT_EQ(platform.dialogs().error_boxes(), (std::vector<ErrorBoxRecord>{{"Error", "Task cancelled"}}));
  EXPECT_EQ(window.StatusText(), "Ready");
}

class TextInsertSettingsTest : public TextInsertWindowTest {
 protected:
  void SaveFrom(TTextInsertWindow& window) { ASSERT_TRUE(window.SaveSettings()) << window.LastError(); }
};

TEST_F(TextInsertSettingsTest, RoundTripRestoresFontSizePositionOptionsVisibilityAndText) {
  window_.SetTextFont(kRedSerif);
  window_.SetWordWrap(true);
  window_.SetOnTop(true);
  window_.SetText("first line\n\nthird line");
  window_.resize(350, 420);
  window_.show();
  window_.move(40, 50);
  SaveFrom(window_);

  TTextInsertWindow restored(platform_);
  ASSERT_TRUE(restored.LoadSettings()) << restored.LastError();
  EXPECT_EQ(restored.Settings(), window_.Settings());
  EXPECT_EQ(restored.pos(), QPoint(40, 50));
  EXPECT_EQ(restored.size(), QSize(350, 420));
  EXPECT_TRUE(restored.isVisible());
  EXPECT_TRUE(restored.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(restored.WordWrapStatus(), "Word Wrap");
  EXPECT_EQ(MemoBackground(restored.Memo()), kBlack);
  EXPECT_EQ(restored.Memo().font().family(), "DejaVu Serif");

  window_.hide();
  SaveFrom(window_);
  ASSERT_TRUE(restored.LoadSettings());
  EXPECT_FALSE(restored.isVisible());
}

TEST_F(TextInsertSettingsTest, DamagedOrForeignFileChangesNothing) {
  const TextInsertSettings defaults = window_.Settings();
  EXPECT_FALSE(window_.LoadSettings());
  EXPECT_EQ(window_.LastError(), "File not found");

  test::WriteBytes(SettingsPath(), {'T', 'P', 'F', '0', 17, 'g', 'a', 'r', 'b', 'a', 'g', 'e'});
  EXPECT_FALSE(window_.LoadSettings());
  EXPECT_EQ(window_.LastError(), "Unknown format");
  EXPECT_EQ(window_.Settings(), defaults);

  // The font clipboard writes the same font entries under its own class name.
  TFontIO font_io;
  font_io.pFont = kRedSerif;
  std::string error;
  ASSERT_TRUE(ComponentIO().SaveSettings(font_io, "TTextInsertWindow.INI", error)) << error;
  EXPECT_FALSE(window_.LoadSettings());
  EXPECT_EQ(window_.LastError(), "Unknown format");
  EXPECT_EQ(window_.Settings(), defaults);
}

TEST_F(TextInsertSettingsTest, ReadOnlyFileIsReadThenReplaced) {
  window_.SetText("saved first");
  SaveFrom(window_);
  ASSERT_EQ(::chmod(SettingsPath().c_str(), 0444), 0);
  TTextInsertWindow other(platform_);
  ASSERT_TRUE(other.LoadSettings()) << other.LastError();
  EXPECT_EQ(other.Text(), "saved first");
  other.SetText("saved again");
  SaveFrom(other);
  ASSERT_TRUE(window_.LoadSettings());
  EXPECT_EQ(window_.Text(), "saved again");
}

TEST_F(TextInsertSettingsTest, PositionOffTheScreenKeeps32PixelsVisible) {
  const QRect screen = QApplication::primaryScreen()->geometry();
  for (const QPoint wanted : {QPoint(100000, 100000), QPoint(-100000, -100000)}) {
    SCOPED_TRACE(wanted.x());
    TextInsertSettings settings = window_.Settings();
    settings.pLeft = wanted.x();
    settings.pTop = wanted.y();
    std::string error;
    ASSERT_TRUE(SaveTextInsertSettings(settings, error)) << error;
    ASSERT_TRUE(window_.LoadSettings());
    const QRect visible = window_.frameGeometry().intersected(screen);
    EXPECT_EQ(visible.width(), 32);
    EXPECT_EQ(visible.height(), 32);
  }
}

class TextInsertFileTest : public TextInsertWindowTest {
 protected:
  test::ScratchFolder folder_;
};

TEST_F(TextInsertFileTest, OpenReadsTheLinesAndLeavesAReadOnlyFileAsItWas) {
  const std::string path = folder_.Write("notes.txt", "one\r\ntwo\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  platform_.dialogs().ScriptFileChoice(path);
  window_.Click(kOpen);
  EXPECT_EQ(window_.Text(), "one\ntwo");
  EXPECT_EQ(window_.windowTitle(), "Insert Text - notes.txt");
  EXPECT_EQ(ModeOf(path), 0444u);
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
  const FileDialogRequest& request = platform_.dialogs().file_dialogs().back();
  EXPECT_EQ(request.kind, FileDialogKind::kOpen);
  EXPECT_EQ(request.filter, "Text Documents (*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_EQ(request.default_extension, "TXT");
  EXPECT_TRUE(request.options.hide_read_only);
  EXPECT_TRUE(request.options.file_must_exist);

  // The next dialog starts beside the file chosen last.
  platform_.dialogs().ScriptFileCancel();
  window_.Click(kOpen);
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().initial_folder, folder_.path());
  EXPECT_EQ(window_.Text(), "one\ntwo");
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
}

TEST_F(TextInsertFileTest, OpenFromStartButtonStartsInTheDocumentsFolder) {
  platform_.dialogs().ScriptFileCancel();
  window_.Click(kOpenFromStartButton);
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().initial_folder, Paths().MenuFolder("Documents"));
  platform_.dialogs().ScriptFileCancel();
  window_.Click(kSaveToStartButton);
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().initial_folder, Paths().MenuFolder("Documents"));
}

TEST_F(TextInsertFileTest, FileLongerThanTheMemoHoldsFailsWithCapacityReachedAndKeepsWhatFits) {
  std::string lines;
  for (std::size_t i = 0; i <= TTextInsertWindow::kMemoCapacityLines; ++i) lines += "x\n";
  const std::string path = folder_.Write("long.txt", lines);
  ASSERT_EQ(::chmod(path.c_str(), 0400), 0);
  platform_.dialogs().ScriptFileChoice(path);
  window_.Click(kOpen);
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1u);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].text, "Capacity reached");
  EXPECT_EQ(static_cast<std::size_t>(window_.Memo().blockCount()), TTextInsertWindow::kMemoCapacityLines);
  EXPECT_EQ(window_.windowTitle(), "Insert Text - Untitled.txt");
  EXPECT_EQ(ModeOf(path), 0400u);
}

TEST_F(TextInsertFileTest, TextThatIsNotUtf8IsReadAsLatin1) {
  platform_.dialogs().ScriptFileChoice(folder_.Write("latin.txt", "gr\xFC\xDF" "e"));
  window_.Click(kOpen);
  EXPECT_EQ(window_.Memo().toPlainText(), QString::fromUtf8("gr\xC3\xBC\xC3\x9F" "e"));
}

TEST_F(TextInsertFileTest, SaveWritesTheLinesCrLfSeparatedAndNamesTheWindow) {
  window_.SetText("one\n\nthree");
  const std::string path = folder_.File("saved.txt");
  platform_.dialogs().ScriptFileChoice(path);
  window_.Click(kSaveAs);
  const auto bytes = test::FileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "one\r\n\r\nthree");
  EXPECT_EQ(window_.windowTitle(), "Insert Text - saved.txt");
  const FileDialogRequest& request = platform_.dialogs().file_dialogs().back();
  EXPECT_EQ(request.kind, FileDialogKind::kSave);
  EXPECT_EQ(request.filter, "Text Documents (*.txt)|*.txt");
  EXPECT_TRUE(request.options.overwrite_prompt);
  EXPECT_TRUE(request.options.path_must_exist);

  platform_.dialogs().ScriptFileChoice(folder_.File("missing/saved.txt"));
  window_.Click(kSaveAs);
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1u);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].text, "File in use");
  EXPECT_EQ(window_.windowTitle(), "Insert Text - saved.txt");
}

TEST_F(TextInsertWindowTest, FontAndColourDialogsSetTheTextColourAndItsContrastBackground) {
  platform_.dialogs().ScriptFontAnswer(Font{"DejaVu Sans", 20, true});
  window_.Click(kFontDefine);
  ASSERT_EQ(platform_.dialogs().font_dialogs().size(), 1u);
  EXPECT_FALSE(platform_.dialogs().font_dialogs()[0].show_effects);
  EXPECT_EQ(window_.TextFont().name, "DejaVu Sans");
  EXPECT_EQ(window_.TextFont().size, 20);

  platform_.dialogs().ScriptColourAnswer(MakeColour(250, 250, 0));
  window_.Button(kFontColour).click();
  EXPECT_EQ(window_.TextFont().colour, MakeColour(250, 250, 0));
  EXPECT_EQ(MemoBackground(window_.Memo()), kBlack);
  EXPECT_EQ(ColourOf(window_.Memo().palette().color(QPalette::Text)), MakeColour(250, 250, 0));
}

TEST_F(TextInsertWindowTest, FontsPassThroughTheFontClipboard) {
  OpenMenu(window_, kFontMenu);
  EXPECT_FALSE(window_.Action(kFontPaste).isEnabled());
  window_.Click(kFontPaste);
  ASSERT_EQ(platform_.dialogs().messages().size(), 1u);
  EXPECT_EQ(platform_.dialogs().messages()[0].text, "File not found");

  window_.SetTextFont(kRedSerif);
  window_.Click(kFontCopy);
  TTextInsertWindow other(platform_);
  OpenMenu(other, kFontMenu);
  EXPECT_TRUE(other.Action(kFontPaste).isEnabled());
  other.Click(kFontPaste);
  EXPECT_EQ(other.TextFont(), kRedSerif);
  EXPECT_EQ(MemoBackground(other.Memo()), kBlack);  // red 200 is brighter than 192
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint local) {
  QMouseEvent event(type, QPointF(local), QPointF(widget.mapToGlobal(local)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

TEST_F(TextInsertWindowTest, DraggingFromTheColourButtonTakesTheScreenColourWithoutTheDialog) {
  window_.show();
  Bitmap screen;
  ASSERT_TRUE(screen.Resize(1024, 768, MakeColour(10, 20, 200)));
  platform_.screen().SetPixels(screen);
  platform_.screen().SetMousePosition({500, 400});
  QToolButton& button = window_.Button(kFontColour);
  SendMouse(button, QEvent::MouseButtonPress, {5, 5});
  SendMouse(button, QEvent::MouseMove, {8, 8});  // over the button: nothing is sampled
  EXPECT_EQ(window_.TextFont().colour, kBlack);
  SendMouse(button, QEvent::MouseMove, {-40, 60});
  EXPECT_EQ(window_.TextFont().colour, MakeColour(10, 20, 200));
  EXPECT_EQ(MemoBackground(window_.Memo()), kBlack);
  SendMouse(button, QEvent::MouseButtonRelease, {-40, 60});
  EXPECT_TRUE(platform_.dialogs().colour_dialogs().empty());
}

TEST_F(TextInsertWindowTest, DragWindowButtonMovesTheWindowAndShowsDragging) {
  window_.show();
  window_.move(100, 100);
  QToolButton& button = window_.Button(kDragWindow);
  SendMouse(button, QEvent::MouseButtonPress, {3, 3});
  EXPECT_EQ(window_.StatusText(), "Dragging");
  EXPECT_TRUE(window_.Panel().Highlighted());
  SendMouse(button, QEvent::MouseMove, {23, 13});
  EXPECT_EQ(window_.pos(), QPoint(120, 110));
  SendMouse(button, QEvent::MouseButtonRelease, {23, 13});
  EXPECT_EQ(window_.StatusText(), "Ready");
  EXPECT_FALSE(window_.Panel().Highlighted());
}

}  // namespace
}  // namespace plorvane
