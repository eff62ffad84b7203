#include "editor/command_table.h"

#include "editor/companion_tools.h"
#include "editor/web_pages.h"

namespace plorvane {
namespace {

constexpr MenuNode Separator() { return {PopupMenu::kSeparatorCaption, {}}; }

std::vector<MenuNode> ToolsItems() {
  std::vector<MenuNode> items;
  for (const CompanionTool& tool : CompanionTools()) items.push_back({tool.caption, tool.item});
  return items;
}

std::vector<MenuNode> HelpItems() {
  std::vector<MenuNode> items = {{"&Help", "OnlineHelp1", "F1"}, {"&About...", "About1"}, Separator()};
  for (const WebPage& page : HelpWebPages()) items.push_back({page.caption, page.item});
  return items;
}

std::vector<MenuNode> BuildMainMenu() {
  constexpr auto kCheck = MenuMark::kCheck;
  constexpr auto kRadio = MenuMark::kRadio;
  return {
      {"&File",
       "File1",
       {},
       MenuMark::kNone,
       {{"&New", "New1", "Ctrl+N"},
        {"New &Instance", "NewInstance1"},
        Separator(),
        {"&Open...", "Open1", "Ctrl+O"},
        {"Open from Li&brary...", "OpenfromStartButton1"},
        {"&Save", "Save1", "Ctrl+S"},
        {"Save &As...", "SaveAs1", "Ctrl+A"},
        {"Save to Librar&y...", "Saveto1"},
        Separator(),
        {"&Print...", "Print1"},
        {"Print to &Clipboard", "PrinttoClipboard1"},
        {"Print to &File...", "PrinttoFile1"},
        Separator(),
        {"Too&ls", "Tools1", {}, MenuMark::kNone, ToolsItems()},
        {"Extract Support Fi&les...", "ExtractSupportFiles2"},
        {"A&dditional Resources...", AdditionalResourcesPage().item},
        Separator(),
        {"E&xit", "Exit1"}}},
      {"&Edit",
       "Edit1",
       {},
       MenuMark::kNone,
       {{"&Undo", "Undo1", "F10"},
        Separator(),
        {"&Modify Animation...", "ModifyAnimation1"},
        {"Insert Te&xt...", "InsertText1"},
        {"Insert &Symbol...", "InsertSymbol1"},
        Separator(),
        {"&Center", "CentreCard1", "Ctrl+X"},
        {"&Information...", "Information1", "Ctrl+I"},
        Separator(),
        {"&OnTop", "OnTop1", {}, kCheck}}},
      {"&Picture",
       "Picture1",
       {},
       MenuMark::kNone,
       {{"&Copy", "Copy1", "Ctrl+C"},
        {"&Paste with Compression", "PastePictureWithCompression1", "Ctrl+P"},
        {"P&aste", "PastePicture1"},
        Separator(),
        {"Select from &File...", "Select1", "F3"},
        {"&Select from Library...", "SelectImageFromStartButton1", "F4"},
        Separator(),
        {"Vie&w Folder", "ViewFolder1"}}},
      {"&Animation",
       "Animations1",
       {},
       MenuMark::kNone,
       {{"Bring to T&op", "ToTop1"},
        {"Send to &Bottom", "ToBottom1"},
        Separator(),
        {"&Duplicate", "Duplicate2"},
        {"Cu&t", "Cut1"},
        {"&Copy", "Copy2"},
        {"Copy All", "CopyAll1"},
        {"Cop&y as Image Strip", "CopyasImageStrip1"},
        {"&Paste", "Paste1"},
        {"Paste All", "PasteAll1"},
        {"P&aste from Still Image", "PasteasStill1"},
        {"Paste from Ima&ge Strip...", "PastefromImageStrip1"},
        {"D&elete", "Delete2"},
        {"De&lete All", "DeleteAll1"},
        Separator(),
        {"O&utline",
         "Outline1",
         {},
         MenuMark::kNone,
         {{"Focus", "Focus1", {}, kRadio}, {"All", "All1", {}, kRadio}, {"None", "None4", {}, kRadio}}},
        {"Loc&k All", "Lock1", {}, kCheck},
        Separator(),
        {"T&ransparent", "Transparent2", {}, kCheck},
        {"Fl&ip", "Flip1", {}, kCheck},
        {"&Mirror", "Mirror1", {}, kCheck},
        Separator(),
        {"Select from &File...", "SelectfromFile2"},
        {"&Select from Library...", "SelectfromStartButton2"},
        Separator(),
        {"Pause All", "Paused1", {}, kCheck},
        {"Vie&w Folder", "ViewFolder2"}}},
      {"&Cursor",
       "Cursor1",
       {},
       MenuMark::kNone,
       {{"Cu&t", "Cut3"},
        {"&Copy", "Copy3"},
        {"&Paste", "Paste2"},
        {"Paste from &Icon", "PastefromIcon1"},
        {"C&lear", "Default2"},
        Separator(),
        {"Select from &File...", "SelectfromFile1"},
        {"&Select from Library...", "SelectfromStartButton1"},
        Separator(),
        {"Vie&w Folder", "ViewFolder3"}}},
      {"&Sound",
       "Sound1",
       {},
       MenuMark::kNone,
       {{"Pl&ay", "Play1", "F11"},
        {"St&op", "Stop1", "F12"},
        Separator(),
        {"Cu&t", "Cut4"},
        {"&Copy", "Copy4"},
        {"&Paste", "Paste3"},
        {"C&lear", "None2"},
        Separator(),
        {"Select &from File...", "Select2", "F5"},
        {"&Select from Library...", "SelectfromCollection1", "F6"},
        Separator(),
        {"Vie&w Folder", "ViewFolder4"},
        {"&Volume Control", "ShowVolumeControl1", "Ctrl+V"}}},
      {"F&rame",
       "Frame1",
       {},
       MenuMark::kNone,
       {{"Auto Colo&r", "AutoColor1"},
        {"Co&lor...", "Color1", "F7"},
        {"&Size",
         "Size1",
         {},
         MenuMark::kNone,
         {{"&Define...", "Define1", "Ctrl+D"},
          Separator(),
          {"1  Fine", "N1Fine1"},
          {"5  Small", "N5Small1"},
          {"15 Medium", "N15Medium1"},
          {"35 Large", "N35Large1"},
          Separator(),
          {"50 Extra Large", "N50ExtraLarge1"},
          {"75 Super", "N75SuperLarge1"}}},
        Separator(),
        {"Cu&t", "Cut5"},
        {"&Copy", "Copy6"},
        {"&Paste", "Paste5"},
        {"C&lear", "None1"},
        Separator(),
        {"Tra&ditional", "traditional1", "Ctrl+F1", kRadio},
        {"T&raditional #2", "traditional2", "Ctrl+F2", kRadio},
        {"Old &World", "OldWorld1", "Ctrl+F3", kRadio},
        {"&Modern", "modern1", "Ctrl+F4", kRadio},
        {"P&ost-Modern", "postmodern1", "Ctrl+F5", kRadio},
        {"Cont&emporary", "contemporary1", "Ctrl+F6", kRadio},
        Separator(),
        {"Collect&ion",
         "Collection1",
         {},
         MenuMark::kNone,
         {{"Default          ", "Default1", "Shift+F1"},
          {"Classic", "Classic1", "Shift+F2"},
          {"Charm", "Charm1", "Shift+F3"},
          Separator(),
          {"Hi", "HiThere1", "Shift+F4"},
          {"Hope", "Hope1", "Shift+F5"},
          {"Joy", "Joy1", "Shift+F6"},
          {"Love", "Love1", "Shift+F7"},
          Separator(),
          {"Satin", "MissYou1", "Shift+F8"},
          {"Silk", "gentle1", "Shift+F9"},
          {"Zing", "Stern1", "Shift+F10"}}}}},
      {"&Link",
       "WebLink1",
       {},
       MenuMark::kNone,
       {{"Auto Colo&r", "AutoColor2"},
        {"C&olor...", "Color2", "F9"},
        {"As &Web Link...", "AsWebLink1", "F8", kRadio},
        {"As &Email Link...", "AsEmailLink1", {}, kRadio},
        Separator(),
        {"Cu&t", "Cut6"},
        {"&Copy", "Copy7"},
        {"&Paste", "Paste6"},
        {"C&lear", "None3"}}},
      {"&Help", "Help1", {}, MenuMark::kNone, HelpItems()},
  };
}

std::vector<MenuNode> BuildPopupMenu1() {
  constexpr auto kCheck = MenuMark::kCheck;
  return {{"Bring to T&op", "Top1"},
          {"Send to &Bottom", "Bottom1"},
          Separator(),
          {"&Duplicate", "Duplicate1"},
          {"Cu&t", "Cut2"},
          {"&Copy", "Copy5"},
          {"Cop&y as Image Strip", "CopyasImageStrip2"},
          {"&Paste", "Paste4"},
          {"P&aste from Still Image", "PasteasStill2"},
          {"Paste from Ima&ge Strip...", "PastefromImageStrip2"},
          {"D&elete", "Delete1"},
          {"De&lete All", "DeleteAll2"},
          Separator(),
          {"T&ransparent", "Transparent1", {}, kCheck},
          {"Fl&ip", "Flip2", {}, kCheck},
          {"&Mirror", "Mirror2", {}, kCheck},
          Separator(),
          {"Select from &File...", "SelectfromFile3"},
          {"&Select from Library...", "SelectfromStartButton3"}};
}

std::vector<MenuNode> BuildPopupMenu2() {
  return {{"Still", "Fps0"}, {"1 fps", "Fps1"}, {"2", "Fps2"},   {"3", "Fps3"},   {"4", "Fps4"},
          {"5", "Fps5"},     {"6", "Fps6"},     {"7", "Fps7"},   {"8", "Fps8"},   {"9", "Fps9"},
          {"10", "Fps10"},   {"12", "Fps12"},   {"15", "Fps15"}, {"18", "Fps18"}, {"20", "Fps20"}};
}

}  // namespace

const std::vector<MenuNode>& MainMenuTree() {
  static const std::vector<MenuNode> tree = BuildMainMenu();
  return tree;
}

const std::vector<MenuNode>& PopupMenu1Tree() {
  static const std::vector<MenuNode> tree = BuildPopupMenu1();
  return tree;
}

const std::vector<MenuNode>& PopupMenu2Tree() {
  static const std::vector<MenuNode> tree = BuildPopupMenu2();
  return tree;
}

}  // namespace plorvane
