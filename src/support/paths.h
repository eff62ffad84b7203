#pragma once
// The system's folders and every path the program writes to. All folder answers end with "/"
// (the operations keep their traditional "backslash" names) and are empty when the folder cannot
// be determined. Nothing here throws.

#include <cstdint>
#include <string>
#include <string_view>

namespace plorvane {

// The maker's folder inside both the menu tree and the settings tree.
inline constexpr std::string_view kMakerFolderName = "Vumra Enterprises";

class TPaths {
 public:
  TPaths();

  static std::string WithBackslash(std::string path);

  // Folder numbers of the shell: 0 desktop, 2 programs, 6 favorites, 9 send-to, 11 start menu,
  // 20 fonts. Numbers this desktop has no folder for answer empty.
  std::string SpecialFolder(int id) const;
  std::string DesktopFolder() const { return SpecialFolder(0); }
  std::string ProgramsFolder() const { return SpecialFolder(2); }
  std::string FavoritesFolder() const { return SpecialFolder(6); }
  std::string SendToFolder() const { return SpecialFolder(9); }
  std::string StartMenuFolder() const { return SpecialFolder(11); }
  std::string FontsFolder() const { return SpecialFolder(20); }

  std::string WindowsFolder() const;
  std::string SystemFolder() const;
  std::string TempFolder() const;

  // The menu tree: ProgramsFolder/<maker>/<name>/. An empty name answers the maker's folder.
  std::string MenuFolder(const std::string& name, bool create = true) const;
  // The settings tree: WindowsFolder/<maker>/<name>/, always created when missing.
  std::string SettingsFolder(const std::string& name) const;
  // The same path without creating anything, for callers that must not leave folders behind.
  std::string SettingsPath(const std::string& name) const;

  bool DeleteFileIfPresent(const std::string& file_name) const;
  static std::string StripExtension(const std::string& file_name);
  bool CopyFileTo(const std::string& source, const std::string& target) const;

  // A stable number for the volume of drive "C" (the root file system); 0 for any other letter.
  std::uint32_t VolumeSerial(char drive_letter) const;
  std::string UniqueToken();
  // Creates an empty, new file in TempFolder and answers its name; empty on failure.
  std::string TempFileName(const std::string& extension);
  std::string ClipboardObjectFile(const std::string& extension) const;
  std::string VolumeControlProgram() const;

  static int Clamp(int value, int low, int high);
  static int MaxOf(int a, int b) { return a > b ? a : b; }
  static int MinOf(int a, int b) { return a < b ? a : b; }

 private:
  std::uint32_t counter_;
};

// The one shared instance, made on first use.
TPaths& Paths();

}  // namespace plorvane
