// The built menus against the documented menu tree, and which items this editor offers.
#include <string>
#include <vector>

#include "editor_fixture.h"

namespace plorvane::test {
namespace {

// One row per item: the path joined by " > ", " [shortcut]", then " (c)" for a check item or
// " (r)" for a radio item; "-" is a separator.
void Walk(const PopupMenu& menu, const std::string& path, std::vector<std::string>& rows) {
  for (int i = 0; i < menu.Count(); ++i) {
    std::string row = path.empty() ? std::string(menu.Caption(i)) : path + " > " + std::string(menu.Caption(i));
    if (!menu.Shortcut(i).empty()) row += " [" + std::string(menu.Shortcut(i)) + "]";
    if (menu.Mark(i) == MenuMark::kCheck) row += " (c)";
    if (menu.Mark(i) == MenuMark::kRadio) row += " (r)";
    rows.push_back(row);
    if (const PopupMenu* submenu = menu.Submenu(i)) {
      Walk(*submenu, path.empty() ? std::string(menu.Caption(i)) : path + " > " + std::string(menu.Caption(i)), rows);
    }
  }
}

std::vector<std::string> Rows(const PopupMenu& menu) {
  std::vector<std::string> rows;
  Walk(menu, "", rows);
  return rows;
}

const std::vector<std::string> kMainMenu = {
    "&File", "&File > &New [Ctrl+N]", "&File > New &Instance", "&File > -", "&File > &Open... [Ctrl+O]",
    "&File > Open from Li&brary...", "&File > &Save [Ctrl+S]", "&File > Save &As... [Ctrl+A]",
    "&File > Save to Librar&y...", "&File > -", "&File > &Print...", "&File > Print to &Clipboard",
    "&File > Print to &File...", "&File > -", "&File > Too&ls", "&File > Too&ls > &Print Companion",
    "&File > Too&ls > &Language File Maker", "&File > Too&ls > Card &Information",
    "&File > Too&ls > &Animated Picture Export", "&File > Too&ls > &Web Page Export",
    "&File > Too&ls > Card &Batch Converter", "&File > Too&ls > &Sound Trimmer",
    "&File > Too&ls > Scree&n Saver Maker", "&File > Extract Support Fi&les...", "&File > A&dditional Resources...",
    "&File > -", "&File > E&xit",
    "&Edit", "&Edit > &Undo [F10]", "&Edit > -", "&Edit > &Modify Animation...", "&Edit > Insert Te&xt...",
    "&Edit > Insert &Symbol...", "&Edit > -", "&Edit > &Center [Ctrl+X]", "&Edit > &Information... [Ctrl+I]",
    "&Edit > -", "&Edit > &OnTop (c)",
    "&Picture", "&Picture > &Copy [Ctrl+C]", "&Picture > &Paste with Compression [Ctrl+P]", "&Picture > P&aste",
    "&Picture > -", "&Picture > Select from &File... [F3]", "&Picture > &Select from Library... [F4]",
    "&Picture > -", "&Picture > Vie&w Folder",
    "&Animation", "&Animation > Bring to T&op", "&Animation > Send to &Bottom", "&Animation > -",
    "&Animation > &Duplicate", "&Animation > Cu&t", "&Animation > &Copy", "&Animation > Copy All",
    "&Animation > Cop&y as Image Strip", "&Animation > &Paste", "&Animation > Paste All",
    "&Animation > P&aste from Still Image", "&Animation > Paste from Ima&ge Strip...", "&Animation > D&elete",
    "&Animation > De&lete All", "&Animation > -", "&Animation > O&utline", "&Animation > O&utline > Focus (r)",
    "&Animation > O&utline > All (r)", "&Animation > O&utline > None (r)", "&Animation > Loc&k All (c)",
    "&Animation > -", "&Animation > T&ransparent (c)", "&Animation > Fl&ip (c)", "&Animation > &Mirror (c)",
    "&Animation > -", "&Animation > Select from &File...", "&Animation > &Select from Library...",
    "&Animation > -", "&Animation > Pause All (c)", "&Animation > Vie&w Folder",
    "&Cursor", "&Cursor > Cu&t", "&Cursor > &Copy", "&Cursor > &Paste", "&Cursor > Paste from &Icon",
    "&Cursor > C&lear", "&Cursor > -", "&Cursor > Select from &File...", "&Cursor > &Select from Library...",
    "&Cursor > -", "&Cursor > Vie&w Folder",
    "&Sound", "&Sound > Pl&ay [F11]", "&Sound > St&op [F12]", "&Sound > -", "&Sound > Cu&t", "&Sound > &Copy",
    "&Sound > &Paste", "&Sound > C&lear", "&Sound > -", "&Sound > Select &from File... [F5]",
    "&Sound > &Select from Library... [F6]", "&Sound > -", "&Sound > Vie&w Folder",
    "&Sound > &Volume Control [Ctrl+V]",
    "F&rame", "F&rame > Auto Colo&r", "F&rame > Co&lor... [F7]", "F&rame > &Size",
    "F&rame > &Size > &Define... [Ctrl+D]", "F&rame > &Size > -", "F&rame > &Size > 1  Fine",
    "F&rame > &Size > 5  Small", "F&rame > &Size > 15 Medium", "F&rame > &Size > 35 Large", "F&rame > &Size > -",
    "F&rame > &Size > 50 Extra Large", "F&rame > &Size > 75 Super", "F&rame > -", "F&rame > Cu&t",
    "F&rame > &Copy", "F&rame > &Paste", "F&rame > C&lear", "F&rame > -", "F&rame > Tra&ditional [Ctrl+F1] (r)",
    "F&rame > T&raditional #2 [Ctrl+F2] (r)", "F&rame > Old &World [Ctrl+F3] (r)",
    "F&rame > &Modern [Ctrl+F4] (r)", "F&rame > P&ost-Modern [Ctrl+F5] (r)",
    "F&rame > Cont&emporary [Ctrl+F6] (r)", "F&rame > -", "F&rame > Collect&ion",
    "F&rame > Collect&ion > Default           [Shift+F1]", "F&rame > Collect&ion > Classic [Shift+F2]",
    "F&rame > Collect&ion > Charm [Shift+F3]", "F&rame > Collect&ion > -", "F&rame > Collect&ion > Hi [Shift+F4]",
    "F&rame > Collect&ion > Hope [Shift+F5]", "F&rame > Collect&ion > Joy [Shift+F6]",
    "F&rame > Collect&ion > Love [Shift+F7]", "F&rame > Collect&ion > -", "F&rame > Collect&ion > Satin [Shift+F8]",
    "F&rame > Collect&ion > Silk [Shift+F9]", "F&rame > Collect&ion > Zing [Shift+F10]",
    "&Link", "&Link > Auto Colo&r", "&Link > C&olor... [F9]", "&Link > As &Web Link... [F8] (r)",
    "&Link > As &Email Link... (r)", "&Link > -", "&Link > Cu&t", "&Link > &Copy", "&Link > &Paste",
    "&Link > C&lear",
    "&Help", "&Help > &Help [F1]", "&Help > &About...", "&Help > -", "&Help > &Home Page",
    "&Help > &Library Updates", "&Help > &Support", "&Help > Send &Feedback"};

const std::vector<std::string> kPopupMenu1 = {
    "Bring to T&op", "Send to &Bottom", "-", "&Duplicate", "Cu&t", "&Copy", "Cop&y as Image Strip", "&Paste",
    "P&aste from Still Image", "Paste from Ima&ge Strip...", "D&elete", "De&lete All", "-", "T&ransparent (c)",
    "Fl&ip (c)", "&Mirror (c)", "-", "Select from &File...", "&Select from Library..."};

const std::vector<std::string> kPopupMenu2 = {"Still", "1 fps", "2", "3", "4", "5", "6", "7",
                                              "8", "9", "10", "12", "15", "18", "20"};

TEST_F(EditorTest, TheMenusAreTheDocumentedTree) {
  TForm1& form = Start();
  EXPECT_EQ(Rows(form.MainMenu1()), kMainMenu);
  EXPECT_EQ(Rows(form.PopupMenu1()), kPopupMenu1);
  EXPECT_EQ(Rows(form.PopupMenu2()), kPopupMenu2);
  // The card window carries the animation menu.
  EXPECT_EQ(dynamic_cast<HeadlessCardWindow&>(form.Card().Window()).popup_menu(), &form.PopupMenu1());
}

// Commands of this editor are offered; items whose programs are missing are shown greyed, never
// as items that do nothing.
TEST_F(EditorTest, OnlyItemsWithACommandAreEnabled) {
  Start();
  struct Row {
    const char* menu;
    const char* item;
    bool enabled;
  };
  const Row rows[] = {
      {"&File", "&New", true},           {"&File", "&Open...", true},
      {"&File", "Save &As...", true},    {"&File", "&Save", false},  // nothing saved yet
      {"&File", "&Print...", false},  // the test carrier has no print companion
      {"&File", "Print to &Clipboard", true},
      {"&File", "E&xit", true},          {"&File", "Extract Support Fi&les...", true},
      {"&Edit", "&Undo", true},          {"&Edit", "&Modify Animation...", true},
      {"&Edit", "&Information...", true}, {"&Edit", "&Center", true},
      {"&Picture", "&Copy", true},       {"&Picture", "P&aste", false},  // no bitmap on the clipboard
      {"&Picture", "Vie&w Folder", true},
      {"&Animation", "Cu&t", false},     {"&Animation", "Select from &File...", true},
      {"F&rame", "Cu&t", true},          {"&Link", "Cu&t", false},  // a frame, no link
      {"&Animation", "Pause All", true},  {"&Edit", "Insert Te&xt...", true},
      {"&Edit", "Insert &Symbol...", true},
      {"&Animation", "Loc&k All", true}, {"&Sound", "Pl&ay", false},  // the new card has no sound
      {"F&rame", "Auto Colo&r", true},  {"F&rame", "Tra&ditional", true},
      {"&Link", "C&olor...", true},     {"&Help", "&Help", true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ItemEnabled(row.menu, row.item), row.enabled) << row.menu << " > " << row.item;
  }
  for (int i = 0; i < form_->PopupMenu2().Count(); ++i) EXPECT_TRUE(form_->PopupMenu2().IsEnabled(i));
  // No companion program is installed.
  PopupMenu& tools = *Menu("&File").Submenu(Menu("&File").IndexOf("Too&ls"));
  tools.Opening();
  for (int i = 0; i < tools.Count(); ++i) EXPECT_FALSE(tools.IsEnabled(i)) << tools.Caption(i);
}

TEST_F(EditorTest, TheFrameMenuShowsTheSizeAndChecksTheStyleOfTheCard) {
  Start();
  ASSERT_TRUE(Pick("F&rame", "P&ost-Modern"));
  PopupMenu& frame = Menu("F&rame");
  frame.Opening();
  EXPECT_EQ(frame.Caption(frame.IndexOf("&Size [50]")), "&Size [50]");
  EXPECT_TRUE(frame.IsChecked(frame.IndexOf("P&ost-Modern")));
  EXPECT_FALSE(frame.IsChecked(frame.IndexOf("Cont&emporary")));
  EXPECT_FALSE(frame.IsChecked(frame.IndexOf("Tra&ditional")));

  // Without a frame the styles are not offered; a collection brings a frame back.
  form_->Card().SetSize(0);
  EXPECT_FALSE(ItemEnabled("F&rame", "P&ost-Modern"));
  EXPECT_EQ(Menu("F&rame").IndexOf("&Size [0]"), 2);
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Silk"));
  EXPECT_EQ(form_->Card().pSize(), 45);
  EXPECT_TRUE(ItemEnabled("F&rame", "Tra&ditional"));
}

}  // namespace
}  // namespace plorvane::test
