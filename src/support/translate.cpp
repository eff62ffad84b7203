#include "support/translate.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "support/language.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

std::string TranslateLine(const TLanguage& table, std::string_view line) {
  CaptionParts parts = SplitCaption(line);
  if (!table.Lookup(parts.core)) return std::string(line);

  std::string& core = parts.core;
  // A translation may choose its own shortcut; it keeps it only where the text had one.
  if (const auto own = core.find('&'); own != std::string::npos) {
    if (!parts.shortcut) core.erase(own, 1);
  } else if (parts.shortcut) {
    const char letter = ToUpperAscii(*parts.shortcut);
    for (std::size_t i = 0; i < core.size(); ++i) {
      if (ToUpperAscii(core[i]) == letter) {
        core.insert(i, 1, '&');
        break;
      }
    }
  }
  return core + std::string(parts.tail);
}

// The texts asked for, for the check that the template of texts misses none. Plain POSIX
// writes keep the player image small; one write per line keeps concurrent writers apart.
void LogAsked(std::string_view text) {
  const char* const log_path = std::getenv("PLORVANE_TRANSLATE_LOG");
  if (log_path == nullptr || *log_path == '\0') return;
  const int file = ::open(log_path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (file < 0) return;
  for (const std::string_view line : SplitAtLineBreaks(text)) {
    std::string record(line);
    record += '\n';
    if (::write(file, record.data(), record.size()) < 0) break;
  }
  ::close(file);
}

}  // namespace

std::vector<std::string_view> SplitAtLineBreaks(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

CaptionParts SplitCaption(std::string_view line) {
  std::size_t core_length = line.find_last_not_of(" ,.") + 1;  // npos + 1 == 0
  if (core_length == 0) core_length = line.size();  // only such characters: all core
  CaptionParts parts{std::string(line.substr(0, core_length)), line.substr(core_length), std::nullopt};
  if (const auto amp = parts.core.find('&'); amp != std::string::npos) {
    if (amp + 1 < parts.core.size()) parts.shortcut = parts.core[amp + 1];
    parts.core.erase(amp, 1);
  }
  return parts;
}

TLanguage& Language() {
  static const std::unique_ptr<TLanguage> table = [] {
    auto language = std::make_unique<TLanguage>();
    language->LoadLanguageFile();
    return language;
  }();
  return *table;
}

std::string TranslateWith(const TLanguage& table, std::string_view text) {
  if (table.Count() == 0) return std::string(text);  // English: nothing to look up
  std::string result;
  bool first = true;
  for (const std::string_view line : SplitAtLineBreaks(text)) {
    if (!first) result += "\r\n";
    first = false;
    result += TranslateLine(table, line);
  }
  return result;
}

std::string Translate(std::string_view text) {
  LogAsked(text);
  return TranslateWith(Language(), text);
}

}  // namespace plorvane
