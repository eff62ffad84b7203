#include "editor/system_settings.h"

#include "editor/settings_file.h"
#include "support/general.h"
#include "support/paths.h"

namespace plorvane {

std::string INIbaseFileName(std::string_view extension) {
  return Paths().SettingsFolder("Settings") + std::string(kApplicationTitle) + "." + std::string(extension);
}

SystemSettings LoadSystemSettings() {
  SystemSettings settings;
  IniFile file;
  if (!file.Load(INIbaseFileName("INI"))) return settings;
  settings.outline_mode = TGeneral::ToRoundedInteger(file.Read("Settings", "OutLine").value_or(""));
  settings.on_top = TGeneral::IsOne(file.Read("Settings", "OnTop").value_or(""));
  settings.need_support_files = file.Read("Version", "SupportFiles") != kSupportFilesVersion;
  return settings;
}

void SaveSystemSettings(const SystemSettings& settings) {
  // Whatever else the file holds stays; only our four keys are written.
  IniFile file;
  const std::string path = INIbaseFileName("INI");
  file.Load(path);
  file.Write("Settings", "OutLine", std::to_string(settings.outline_mode));
  file.Write("Settings", "OnTop", TGeneral::OneOrZero(settings.on_top));
  file.Write("Version", "Version", std::string(kEditorVersion));
  file.Write("Version", "SupportFiles", std::string(kSupportFilesVersion));
  static_cast<void>(file.Save(path));
}

}  // namespace plorvane
