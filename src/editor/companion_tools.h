#pragma once
// The companion programs of the maker's suite offered in the Tools menu. Each lives in its own
// folder of the maker's menu tree; an item is enabled only while its program is there.

#include <array>
#include <string>
#include <string_view>

namespace plorvane {

struct CompanionTool {
  std::string_view item;     // the menu item's name, "t1" ... "t8"
  std::string_view caption;  // the menu caption
  std::string_view name;     // what ToolPath knows it by
  std::string_view short_name;  // a second name it answers to; empty for none
  std::string_view relative_path;  // below the maker's folder, without ".exe"
};

inline constexpr int kCompanionToolCount = 8;
const std::array<CompanionTool, kCompanionToolCount>& CompanionTools();

// The names of the two companions this editor brings along in its critical carrier.
inline constexpr std::string_view kPrintCompanionTool = "Print Companion";
inline constexpr std::string_view kLanguageMakerTool = "Language File Maker";

struct ToolLocation {
  std::string path;  // empty for an unknown name
  bool found = false;
};

// The program's file name as installed: the last part of its relative path and ".exe".
std::string ToolFileName(const CompanionTool& tool);
// The tool whose installed file name is `file_name` (compared without regard to case), or null.
const CompanionTool* ToolOfFile(std::string_view file_name);

// The program of that name (compared without regard to case, short names too): the maker's
// folder, the tool's relative path and ".exe"; found when a file is there.
ToolLocation ToolPath(std::string_view tool_name);

}  // namespace plorvane
