#include "support/translate.h"

#include <memory>
#include <optional>
#include <vector>

#include "support/language.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

// Lines split at CR LF, CR or LF; a break at the very end starts no further line.
std::vector<std::string_view> SplitLines(std::string_view text) {
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

std::string TranslateLine(const TLanguage& table, std::string_view line) {
  std::size_t core_length = line.find_last_not_of(" ,.") + 1;  // npos + 1 == 0
  if (core_length == 0) core_length = line.size();  // only such characters: all core
  std::string core(line.substr(0, core_length));
  const std::string_view tail = line.substr(core_length);

  std::optional<char> shortcut;
  if (const auto amp = core.find('&'); amp != std::string::npos) {
    if (amp + 1 < core.size()) shortcut = core[amp + 1];
    core.erase(amp, 1);
  }
  if (!table.Lookup(core)) return std::string(line);

  if (shortcut) {
    const char letter = ToUpperAscii(*shortcut);
    for (std::size_t i = 0; i < core.size(); ++i) {
      if (ToUpperAscii(core[i]) == letter) {
        core.insert(i, 1, '&');
        break;
      }
    }
  }
  return core + std::string(tail);
}

}  // namespace

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
  for (const std::string_view line : SplitLines(text)) {
    if (!first) result += "\r\n";
    first = false;
    result += TranslateLine(table, line);
  }
  return result;
}

std::string Translate(std::string_view text) { return TranslateWith(Language(), text); }

}  // namespace plorvane
