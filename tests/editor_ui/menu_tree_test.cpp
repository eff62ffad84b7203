// The menu bar of the running strip, item by item, against the editor's documented menu tree:
// captions, shortcuts, check and radio marks, separators and submenus.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "editor_ui/editor_fixture.h"

namespace plorvane::test {
namespace {

// One row per item: the menu path joined by " > ", then " [shortcut]", then " (c)" for a check
// item or " (r)" for a radio item; "-" is a separator. A row ending in "*" accepts any item whose
// row starts with what comes before it (items whose captions the editor chooses itself).
const std::vector<std::string> kMenuTree = {
    "&File",
    "&File > &New [Ctrl+N]",
    "&File > New &Instance",
    "&File > -",
    "&File > &Open... [Ctrl+O]",
    "&File > Open from Li&brary...",
    "&File > &Save [Ctrl+S]",
    "&File > Save &As... [Ctrl+A]",
    "&File > Save to Librar&y...",
    "&File > -",
    "&File > &Print...",
    "&File > Print to &Clipboard",
    "&File > Print to &File...",
    "&File > -",
    "&File > Too&ls",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Too&ls > *",
    "&File > Extract Support Fi&les...",
    "&File > A&dditional Resources...",
    "&File > -",
    "&File > E&xit",
    "&Edit",
    "&Edit > &Undo [F10]",
    "&Edit > -",
    "&Edit > &Modify Animation...",
    "&Edit > Insert Te&xt...",
    "&Edit > Insert &Symbol...",
    "&Edit > -",
    "&Edit > &Center [Ctrl+X]",
    "&Edit > &Information... [Ctrl+I]",
    "&Edit > -",
    "&Edit > &OnTop (c)",
    "&Picture",
    "&Picture > &Copy [Ctrl+C]",
    "&Picture > &Paste with Compression [Ctrl+P]",
    "&Picture > P&aste",
    "&Picture > -",
    "&Picture > Select from &File... [F3]",
    "&Picture > &Select from Library... [F4]",
    "&Picture > -",
    "&Picture > Vie&w Folder",
    "&Animation",
    "&Animation > Bring to T&op",
    "&Animation > Send to &Bottom",
    "&Animation > -",
    "&Animation > &Duplicate",
    "&Animation > Cu&t",
    "&Animation > &Copy",
    "&Animation > Copy All",
    "&Animation > Cop&y as Image Strip",
    "&Animation > &Paste",
    "&Animation > Paste All",
    "&Animation > P&aste from Still Image",
    "&Animation > Paste from Ima&ge Strip...",
    "&Animation > D&elete",
    "&Animation > De&lete All",
    "&Animation > -",
    "&Animation > O&utline",
    "&Animation > O&utline > Focus (r)",
    "&Animation > O&utline > All (r)",
    "&Animation > O&utline > None (r)",
    "&Animation > Loc&k All (c)",
    "&Animation > -",
    "&Animation > T&ransparent (c)",
    "&Animation > Fl&ip (c)",
    "&Animation > &Mirror (c)",
    "&Animation > -",
    "&Animation > Select from &File...",
    "&Animation > &Select from Library...",
    "&Animation > -",
    "&Animation > Pause All (c)",
    "&Animation > Vie&w Folder",
    "&Cursor",
    "&Cursor > Cu&t",
    "&Cursor > &Copy",
    "&Cursor > &Paste",
    "&Cursor > Paste from &Icon",
    "&Cursor > C&lear",
    "&Cursor > -",
    "&Cursor > Select from &File...",
    "&Cursor > &Select from Library...",
    "&Cursor > -",
    "&Cursor > Vie&w Folder",
    "&Sound",
    "&Sound > Pl&ay [F11]",
    "&Sound > St&op [F12]",
    "&Sound > -",
    "&Sound > Cu&t",
    "&Sound > &Copy",
    "&Sound > &Paste",
    "&Sound > C&lear",
    "&Sound > -",
    "&Sound > Select &from File... [F5]",
    "&Sound > &Select from Library... [F6]",
    "&Sound > -",
    "&Sound > Vie&w Folder",
    "&Sound > &Volume Control [Ctrl+V]",
    "F&rame",
    "F&rame > Auto Colo&r",
    "F&rame > Co&lor... [F7]",
    // The size submenu shows the current size after its caption once the menu has opened.
    "F&rame > &Size*",
    "F&rame > &Size* > &Define... [Ctrl+D]",
    "F&rame > &Size* > -",
    "F&rame > &Size* > 1  Fine",
    "F&rame > &Size* > 5  Small",
    "F&rame > &Size* > 15 Medium",
    "F&rame > &Size* > 35 Large",
    "F&rame > &Size* > -",
    "F&rame > &Size* > 50 Extra Large",
    "F&rame > &Size* > 75 Super",
    "F&rame > -",
    "F&rame > Cu&t",
    "F&rame > &Copy",
    "F&rame > &Paste",
    "F&rame > C&lear",
    "F&rame > -",
    "F&rame > Tra&ditional [Ctrl+F1] (r)",
    "F&rame > T&raditional #2 [Ctrl+F2] (r)",
    "F&rame > Old &World [Ctrl+F3] (r)",
    "F&rame > &Modern [Ctrl+F4] (r)",
    "F&rame > P&ost-Modern [Ctrl+F5] (r)",
    "F&rame > Cont&emporary [Ctrl+F6] (r)",
    "F&rame > -",
    "F&rame > Collect&ion",
    "F&rame > Collect&ion > Default           [Shift+F1]",
    "F&rame > Collect&ion > Classic [Shift+F2]",
    "F&rame > Collect&ion > Charm [Shift+F3]",
    "F&rame > Collect&ion > -",
    "F&rame > Collect&ion > Hi [Shift+F4]",
    "F&rame > Collect&ion > Hope [Shift+F5]",
    "F&rame > Collect&ion > Joy [Shift+F6]",
    "F&rame > Collect&ion > Love [Shift+F7]",
    "F&rame > Collect&ion > -",
    "F&rame > Collect&ion > Satin [Shift+F8]",
    "F&rame > Collect&ion > Silk [Shift+F9]",
    "F&rame > Collect&ion > Zing [Shift+F10]",
    "&Link",
    "&Link > Auto Colo&r",
    "&Link > C&olor... [F9]",
    "&Link > As &Web Link... [F8] (r)",
    "&Link > As &Email Link... (r)",
    "&Link > -",
    "&Link > Cu&t",
    "&Link > &Copy",
    "&Link > &Paste",
    "&Link > C&lear",
    "&Help",
    "&Help > &Help [F1]",
    "&Help > &About...",
    "&Help > -",
    "&Help > *",
    "&Help > *",
    "&Help > *",
    "&Help > *",
};

std::string RowOf(const std::string& path, const QAction& action) {
  if (action.isSeparator()) return path + "-";
  std::string row = path + action.text().toStdString();
  if (!action.shortcut().isEmpty()) row += " [" + action.shortcut().toString(QKeySequence::PortableText).toStdString() + "]";
  const QActionGroup* group = action.actionGroup();
  if (group != nullptr && group->isExclusive()) {
    row += " (r)";
  } else if (action.isCheckable()) {
    row += " (c)";
  }
  return row;
}

void CollectRows(const QList<QAction*>& actions, const std::string& path, std::vector<std::string>& rows) {
  for (const QAction* action : actions) {
    rows.push_back(RowOf(path, *action));
    if (action->menu() != nullptr) CollectRows(action->menu()->actions(), rows.back() + " > ", rows);
  }
}

// A row that ends in "*" stands for any row with that beginning; inside a path it stands for
// the rest of that caption.
bool Matches(const std::string& expected, const std::string& actual) {
  std::size_t e = 0;
  std::size_t a = 0;
  while (e < expected.size()) {
    if (expected[e] == '*') {
      if (e + 1 == expected.size()) return true;
      const std::string_view rest = std::string_view(expected).substr(e + 1);
      const std::size_t next = actual.find(rest.substr(0, rest.find('*')), a);
      if (next == std::string::npos) return false;
      a = next;
      ++e;
      continue;
    }
    if (a >= actual.size() || expected[e] != actual[a]) return false;
    ++e;
    ++a;
  }
  return a == actual.size();
}

using MenuTreeTest = EditorWindowTest;

TEST_F(MenuTreeTest, MenuBarShowsEveryItemOfTheMenuTree) {
  std::vector<std::string> rows;
  CollectRows(window_.MenuBar().actions(), "", rows);
  const std::size_t common = std::min(rows.size(), kMenuTree.size());
  for (std::size_t at = 0; at < common; ++at) {
    ASSERT_TRUE(Matches(kMenuTree[at], rows[at])) << "row " << at << ": expected \"" << kMenuTree[at]
                                                  << "\", shown \"" << rows[at] << "\"";
  }
  EXPECT_EQ(rows.size(), kMenuTree.size()) << "first extra or missing row: "
                                           << (rows.size() > common ? rows[common] : kMenuTree[common]);
}

TEST_F(MenuTreeTest, RadioItemsOfOneGroupShareOneExclusiveGroup) {
  QMenu* frame = nullptr;
  for (QAction* top : window_.MenuBar().actions()) {
    if (top->text() == "F&rame") frame = top->menu();
  }
  ASSERT_NE(frame, nullptr);
  const QActionGroup* styles = nullptr;
  int in_group = 0;
  for (const QAction* item : frame->actions()) {
    if (item->actionGroup() == nullptr) continue;
    if (styles == nullptr) styles = item->actionGroup();
    EXPECT_EQ(item->actionGroup(), styles) << item->text().toStdString();
    ++in_group;
  }
  EXPECT_EQ(in_group, 6);
}

}  // namespace
}  // namespace plorvane::test
