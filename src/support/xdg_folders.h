#pragma once
// Where the desktop keeps a user's folders. Every answer is read from the environment at call
// time (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, TMPDIR) and ends with "/"; empty when the home
// folder cannot be determined.

#include <string>

namespace plorvane::xdg {

std::string HomeFolder();
std::string ConfigHome();     // $XDG_CONFIG_HOME, else ~/.config/
std::string DataHome();       // $XDG_DATA_HOME, else ~/.local/share/
std::string DesktopFolder();  // XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop/
std::string TempRoot();       // $TMPDIR, else /tmp/

// The value of XDG_DESKTOP_DIR in the text of a user-dirs.dirs file, with a leading $HOME
// replaced by `home`; empty when the file does not set it.
std::string DesktopDirFromUserDirs(const std::string& text, const std::string& home);

}  // namespace plorvane::xdg
