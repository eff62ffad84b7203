#include "editor/companion_tools.h"

#include <filesystem>

#include "support/paths.h"
#include "support/text_case.h"

namespace plorvane {

const std::array<CompanionTool, kCompanionToolCount>& CompanionTools() {
  static constexpr std::array<CompanionTool, kCompanionToolCount> kTools = {{
      {"t1", "&Print Companion", kPrintCompanionTool, "Print", "Print/plorvane-print"},
      {"t2", "&Language File Maker", kLanguageMakerTool, "Language", "Language/plorvane-language"},
      {"t3", "Card &Information", "Card Information", "Info", "Information/plorvane-info"},
      {"t4", "&Animated Picture Export", "Animated Picture Export", "Animated", "Animated/plorvane-animated"},
      {"t5", "&Web Page Export", "Web Page Export", "Web", "Web/plorvane-web"},
      {"t6", "Card &Batch Converter", "Card Batch Converter", "Batch", "Batch/plorvane-batch"},
      {"t7", "&Sound Trimmer", "Sound Trimmer", "Trimmer", "Trimmer/plorvane-trim"},
      {"t8", "Scree&n Saver Maker", "Screen Saver Maker", "Saver", "Saver/plorvane-saver"},
  }};
  return kTools;
}

std::string ToolFileName(const CompanionTool& tool) {
  const std::string_view path = tool.relative_path;
  return std::string(path.substr(path.rfind('/') + 1)) + ".exe";
}

const CompanionTool* ToolOfFile(std::string_view file_name) {
  for (const CompanionTool& tool : CompanionTools()) {
    if (EqualsIgnoringCase(ToolFileName(tool), file_name)) return &tool;
  }
  return nullptr;
}

ToolLocation ToolPath(std::string_view tool_name) {
  for (const CompanionTool& tool : CompanionTools()) {
    if (!EqualsIgnoringCase(tool.name, tool_name) &&
        (tool.short_name.empty() || !EqualsIgnoringCase(tool.short_name, tool_name))) {
      continue;
    }
    ToolLocation location;
    location.path = Paths().MenuFolder("", false) + std::string(tool.relative_path) + ".exe";
    std::error_code ignored;
    location.found = std::filesystem::is_regular_file(location.path, ignored);
    return location;
  }
  return {};
}

}  // namespace plorvane
