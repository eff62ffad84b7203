#pragma once
// The editor's own settings between runs: Plorvane.INI in the settings folder.

#include <string>
#include <string_view>

namespace plorvane {

// The program's name: the caption's end, the settings file's name, the help set's name.
inline constexpr std::string_view kApplicationTitle = "Plorvane";
inline constexpr std::string_view kEditorVersion = "2.00.1390";
// The version of the library files this program brings.
inline constexpr std::string_view kSupportFilesVersion = "2.00.1381";

struct SystemSettings {
  int outline_mode = 0;  // 0 Focus, 1 All, 2 None
  bool on_top = false;
  // True until the file shows that this version's library files were extracted.
  bool need_support_files = true;
};

// The settings folder, the application title, "." and the extension.
std::string INIbaseFileName(std::string_view extension);

// A missing or unreadable file gives the defaults.
SystemSettings LoadSystemSettings();
// Failures are ignored: the settings are not worth an error box.
void SaveSystemSettings(const SystemSettings& settings);

}  // namespace plorvane
