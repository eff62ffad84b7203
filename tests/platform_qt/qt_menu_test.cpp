#include <gtest/gtest.h>

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "platform/qt/qt_menu_bar.h"
#include "platform/qt/qt_menus.h"

namespace plorvane {
namespace {

// A File menu with a shortcut item whose enabled state its OnOpen decides, a Frame menu with a
// radio group, a check item and a submenu.
class QtMenuBarTest : public ::testing::Test {
 protected:
  QtMenuBarTest() {
    file_ = model_.Submenu(model_.AddSubmenu("&File"));
    save_ = file_->AddItem("&Save", [this] { ran_.push_back("save"); });
    file_->SetShortcut(save_, "Ctrl+S");
    file_->OnOpen = [this] {
      ++file_opened_;
      file_->SetEnabled(save_, save_allowed_);
    };
    file_->AddSeparator();
    file_->AddItem("E&xit", [this] { ran_.push_back("exit"); });

    frame_ = model_.Submenu(model_.AddSubmenu("F&rame"));
    outline_ = frame_->AddItem("O&utline", [this] { ran_.push_back("outline"); });
    frame_->SetMark(outline_, MenuMark::kCheck);
    for (const char* style : {"Traditional", "OldWorld"}) {
      const int item = frame_->AddItem(style, [this, style] { ran_.push_back(style); });
      frame_->SetMark(item, MenuMark::kRadio);
    }
    frame_->SetChecked(2, true);
    size_ = frame_->Submenu(frame_->AddSubmenu("&Size"));
    const int fine = size_->AddItem("1  Fine", [this] { ran_.push_back("fine"); });
    size_->SetShortcut(fine, "Shift+F1");
    size_->OnOpen = [this] { ++size_opened_; };
  }

  void Build() {
    bar_ = std::make_unique<QtMenuBar>(bar_widget_, model_);
    strip_.show();
    card_.show();
    card_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&card_));
  }

  QMenu* TopMenu(int index) const { return bar_widget_.actions().at(index)->menu(); }

  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&card_, key, modifiers);
    QCoreApplication::processEvents();  // activation is queued
  }

  PopupMenu model_;
  PopupMenu* file_ = nullptr;
  PopupMenu* frame_ = nullptr;
  PopupMenu* size_ = nullptr;
  int save_ = -1;
  int outline_ = -1;
  bool save_allowed_ = true;
  int file_opened_ = 0;
  int size_opened_ = 0;
  std::vector<std::string> ran_;

  QWidget strip_;
  QMenuBar bar_widget_{&strip_};  // shortcuts need a visible bar
  QWidget card_;
  std::unique_ptr<QtMenuBar> bar_;
};

TEST_F(QtMenuBarTest, BuildsOneActionPerItemWithMarksAndShortcuts) {
  Build();
  ASSERT_EQ(bar_widget_.actions().size(), 2);
  EXPECT_EQ(bar_widget_.actions()[0]->text(), "&File");
  const QList<QAction*> file = TopMenu(0)->actions();
  ASSERT_EQ(file.size(), 3);
  EXPECT_EQ(file[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(file[0]->shortcutContext(), Qt::ApplicationShortcut);
  EXPECT_TRUE(file[1]->isSeparator());
  EXPECT_FALSE(file[2]->isCheckable());

  const QList<QAction*> frame = TopMenu(1)->actions();
  ASSERT_EQ(frame.size(), 4);
  EXPECT_TRUE(frame[0]->isCheckable());
  EXPECT_EQ(frame[0]->actionGroup(), nullptr);
  ASSERT_NE(frame[1]->actionGroup(), nullptr);
  EXPECT_EQ(frame[1]->actionGroup(), frame[2]->actionGroup());
  EXPECT_TRUE(frame[1]->actionGroup()->isExclusive());
  EXPECT_FALSE(frame[1]->isChecked());
  EXPECT_TRUE(frame[2]->isChecked());
  ASSERT_NE(frame[3]->menu(), nullptr);
  EXPECT_EQ(frame[3]->text(), "&Size");
  const QList<QAction*> size = frame[3]->menu()->actions();
  ASSERT_EQ(size.size(), 1);
  EXPECT_EQ(size[0]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));

  const std::optional<MenuItemRef> found = FindMenuItem(bar_widget_, model_, size[0]);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->menu, size_);
  EXPECT_EQ(found->index, 0);
  EXPECT_FALSE(FindMenuItem(bar_widget_, model_, file[1]).has_value());
}

TEST_F(QtMenuBarTest, MenusRunTheirOnOpenBeforeTheyShow) {
  save_allowed_ = false;
  Build();
  ASSERT_TRUE(TopMenu(0)->actions()[0]->isEnabled());  // as built, before the menu ran OnOpen
  TopMenu(0)->popup(QPoint(0, 20));
  EXPECT_EQ(file_opened_, 1);
  EXPECT_FALSE(TopMenu(0)->actions()[0]->isEnabled());
  TopMenu(0)->hide();

  QMenu* size = TopMenu(1)->actions()[3]->menu();
  size->popup(QPoint(0, 20));
  EXPECT_EQ(size_opened_, 1);
  size->hide();
}

TEST_F(QtMenuBarTest, ShortcutsFollowTheStateTheirMenuGivesThemNow) {
  Build();
  save_allowed_ = false;
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(file_opened_, 1);
  EXPECT_TRUE(ran_.empty());

  // Disabled at the last refresh, enabled by the menu now: the shortcut works.
  save_allowed_ = true;
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(ran_, std::vector<std::string>{"save"});

  // Items of a disabled menu ignore their shortcuts; submenus open on the way to an item.
  Press(Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(size_opened_, 1);
  model_.SetEnabled(1, false);
  Press(Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(ran_, (std::vector<std::string>{"save", "fine"}));
}

TEST_F(QtMenuBarTest, RefreshShowsTheModelAndClicksDoNotChangeMarksOnTheirOwn) {
  Build();
  file_->SetCaption(save_, "&Sichern");
  frame_->SetEnabled(outline_, false);
  frame_->SetChecked(2, false);
  frame_->SetChecked(1, true);
  bar_->Refresh();
  EXPECT_EQ(TopMenu(0)->actions()[0]->text(), "&Sichern");
  const QList<QAction*> frame = TopMenu(1)->actions();
  EXPECT_FALSE(frame[0]->isEnabled());
  EXPECT_TRUE(frame[1]->isChecked());
  EXPECT_FALSE(frame[2]->isChecked());

  // The command leaves the model as it was, so the radio mark stays where the model has it.
  frame[2]->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(ran_, std::vector<std::string>{"OldWorld"});
  EXPECT_TRUE(frame[1]->isChecked());
  EXPECT_FALSE(frame[2]->isChecked());
}

TEST_F(QtMenuBarTest, ACommandMayDestroyTheBar) {
  file_->AddItem("&Close", [this] { bar_.reset(); });
  Build();
  TopMenu(0)->actions()[3]->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(bar_, nullptr);
}

}  // namespace
}  // namespace plorvane
