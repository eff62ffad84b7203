// A session through every menu of the editor, its commands that ask something, its three tool
// windows, and a player's menu and about box: every text they passed through Translate must be
// in the template of texts, so a language table made from it can translate the whole program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "editor/ui/qt_tool_windows.h"
#include "editor_ui/editor_fixture.h"
#include "language/translate_log.h"

namespace plorvane::test {
namespace {

// Opens every menu below `menu`, so each refresh runs and sets its captions and hints.
void OpenAll(PopupMenu& menu) {
  menu.Opening();
  for (int i = 0; i < menu.Count(); ++i) {
    if (PopupMenu* submenu = menu.Submenu(i)) OpenAll(*submenu);
  }
}

int IndexStartingWith(const PopupMenu& menu, std::string_view caption) {
  for (int i = 0; i < menu.Count(); ++i) {
    if (menu.Caption(i).starts_with(caption)) return i;
  }
  return -1;
}

class TranslateSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A window that waits for the user (the information window) is closed once it shows.
    QObject::connect(&close_modal_, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    close_modal_.start(20);
    window_.SetToolWindows(&tool_windows_);
    form_ = std::make_unique<TForm1>(platform_, window_, TestCarriers(),
                                     EditorStart{folder_.Write("plorvane", "editor"), ""});
    window_.Attach(*form_);
    ASSERT_TRUE(form_->FormCreate());
  }
  void TearDown() override {
    form_.reset();
    ZarvickClipboard().SetCard(nullptr);
  }

  // Opens the menu of the menu bar by its path of captions and picks the item.
  void Pick(std::initializer_list<std::string_view> path, std::string_view item) {
    PopupMenu* menu = &form_->MainMenu1();
    for (const std::string_view caption : path) {
      menu->Opening();
      menu = menu->Submenu(IndexStartingWith(*menu, caption));  // "&Size [12]" is "&Size"
      ASSERT_NE(menu, nullptr) << caption;
    }
    menu->Opening();
    ASSERT_TRUE(menu->ActivateByCaption(item)) << item;
    QApplication::processEvents();
  }

  // The menus of the tool windows, opened as the user opens them.
  static void OpenToolWindowMenus() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      for (QMenu* menu : top->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
      }
    }
    QApplication::processEvents();
  }

  QTimer close_modal_;
  QtPlatformWithScriptedDialogs platform_;
  ScratchFolder folder_;
  QtToolWindows tool_windows_{platform_, ZarvickClipboard()};
  MainWindow window_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(TranslateSessionTest, EveryTextShownIsInTheTemplate) {
  OpenAll(form_->MainMenu1());
  OpenAll(form_->PopupMenu1());
  OpenAll(form_->PopupMenu2());

  Pick({"&Edit"}, "&Modify Animation...");
  Pick({"&Edit"}, "Insert Te&xt...");
  Pick({"&Edit"}, "Insert &Symbol...");
  OpenToolWindowMenus();
  Pick({"&Edit"}, "&Information...");
  Pick({"&File"}, "&Open...");
  Pick({"&File"}, "Extract Support Fi&les...");
  Pick({"&Picture"}, "Select from &File...");
  Pick({"&Sound"}, "Select &from File...");
  Pick({"F&rame", "&Size"}, "&Define...");
  Pick({"&Link"}, "As &Web Link...");
  Pick({"&Link"}, "As &Email Link...");
  Bitmap strip;
  ASSERT_TRUE(strip.Resize(40, 10, MakeColour(200, 0, 0)));
  ASSERT_TRUE(platform_.clipboard().SetBitmap(strip));
  Pick({"&Animation"}, "Paste from Ima&ge Strip...");

  {
    TZarvickV2 player(platform_, CardMode::kPlayer);
    player.ShowAbout();
    QApplication::processEvents();
  }

  const std::set<std::string> logged = LoggedKeys();
  const std::set<std::string> catalogue = CatalogueKeys();
  for (const std::string& key : logged) EXPECT_EQ(catalogue.count(key), 1U) << "not in the template: \"" << key << "\"";
  // The session reached every part: the strip, the asking commands, the tool windows, the player.
  for (const std::string_view key : {"File", "Type Size of Frame", "Type your email address", "Image Strip",
                                "All Sounds", "Picture Compression", "Scroll Horizontally", "Word Wrap",
                                "Copy as Text", "Send To Desktop", "Exit", "menu"}) {
    EXPECT_EQ(logged.count(std::string(key)), 1U) << "the session did not show \"" << key << "\"";
  }
}

}  // namespace
}  // namespace plorvane::test
