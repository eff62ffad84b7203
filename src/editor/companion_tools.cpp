#include "editor/companion_tools.h"

#include <filesystem>

#include "support/paths.h"
#include "support/text_case.h"

namespace plorvane {

const std::array<CompanionTool, kCompanionToolCount>& CompanionTools() {
  static constexpr std::array<CompanionTool, kCompanionToolCount> kTools = {{
      {"t1", "&Picture Trimmer", "Picture Trimmer", "Trimmer", "Trimmer/PicTrim"},
      {"t2", "&Sound Recorder", "Sound Recorder", "Recorder", "Recorder/SndRec"},
      {"t3", "&Animation Painter", "Animation Painter", "Painter", "Painter/AniPaint"},
      {"t4", "&Cursor Maker", "Cursor Maker", "", "Cursors/CurMake"},
      {"t5", "&Icon Maker", "Icon Maker", "", "Icons/IcoMake"},
      {"t6", "Screen Ca&pture", "Screen Capture", "Capture", "Capture/ScrCap"},
      {"t7", "Colour &Mixer", "Colour Mixer", "Mixer", "Mixer/ColMix"},
      {"t8", "Card &Mailer", "Card Mailer", "Mailer", "Mailer/CardMail"},
  }};
  return kTools;
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
