#include "support/xdg_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace plorvane::xdg {
namespace {

std::string WithSlash(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

// The XDG rules ignore relative values, so a stray relative setting cannot scatter files into
// whatever the current folder happens to be.
std::string AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return WithSlash(value);
}

std::string UnderHome(std::string_view rest) {
  const std::string home = HomeFolder();
  return home.empty() ? std::string{} : home + std::string{rest};
}

}  // namespace

std::string HomeFolder() {
  if (std::string home = AbsoluteFromEnvironment("HOME"); !home.empty()) return home;
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr || found->pw_dir[0] != '/') {
    return {};
  }
  return WithSlash(found->pw_dir);
}

std::string ConfigHome() {
  std::string folder = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
  return folder.empty() ? UnderHome(".config/") : folder;
}

std::string DataHome() {
  std::string folder = AbsoluteFromEnvironment("XDG_DATA_HOME");
  return folder.empty() ? UnderHome(".local/share/") : folder;
}

std::string TempRoot() {
  std::string folder = AbsoluteFromEnvironment("TMPDIR");
  return folder.empty() ? std::string{"/tmp/"} : folder;
}

std::string DesktopDirFromUserDirs(const std::string& text, const std::string& home) {
  constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
  constexpr std::string_view kHome = "$HOME";
  std::istringstream lines(text);
  std::string line;
  std::string found;
  while (std::getline(lines, line)) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) continue;
    std::string value = line.substr(start + kKey.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t')) {
      value.pop_back();
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    if (value.starts_with(kHome) && (value.size() == kHome.size() || value[kHome.size()] == '/')) {
      if (home.empty()) continue;
      std::string rest = value.substr(kHome.size());
      if (!rest.empty()) rest.erase(0, 1);
      value = WithSlash(home) + rest;
    }
    if (value.starts_with('/')) found = value;  // the last setting wins, as in a shell
  }
  return WithSlash(found);
}

std::string DesktopFolder() {
  const std::string home = HomeFolder();
  if (home.empty()) return {};
  const std::string config = ConfigHome();
  std::ifstream file(config + "user-dirs.dirs");
  if (file) {
    std::ostringstream text;
    text << file.rdbuf();
    if (std::string desktop = DesktopDirFromUserDirs(text.str(), home); !desktop.empty()) return desktop;
  }
  return home + "Desktop/";
}

}  // namespace plorvane::xdg
