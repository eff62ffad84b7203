#include "card/desktop_entry.h"

#include <cctype>

namespace plorvane {
namespace {

// Values are single lines; a line break in a name would start a key of its own.
std::string EscapedValue(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The program goes in double quotes, inside which these four are escaped; a "%" would be read as
// a field code.
std::string QuotedProgram(const std::string& path) {
  std::string out = "\"";
  for (const char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
    if (c == '%') out += '%';
  }
  return out + "\"";
}

}  // namespace

std::string DesktopEntry(const std::string& name, const std::string& executable) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" +
         EscapedValue(name) +
         "\n"
         "Exec=" +
         EscapedValue(QuotedProgram(executable)) +
         "\n"
         "Terminal=false\n"
         "Categories=Graphics;\n";
}

std::string DesktopEntryFileName(const std::string& name) {
  std::string safe;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    safe += std::isalnum(byte) || c == '-' || c == '_' ? c : '_';
  }
  return "plorvane-card-" + safe + ".desktop";
}

}  // namespace plorvane
