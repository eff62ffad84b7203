#include "support/language_table.h"

#include <map>

#include "streaming/memory_stream.h"
#include "support/file_io.h"
#include "support/text_case.h"
#include "support/translate.h"

namespace plorvane {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int follow = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if ((lead & 0xE0) == 0xC0) {
      follow = 1, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      follow = 2, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      follow = 3, min = 0x10000, code = lead & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(follow) >= text.size()) return false;
    for (int k = 1; k <= follow; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(follow) + 1;
  }
  return true;
}

// A text in double quotes is taken as it is between them, so it may begin or end with blanks.
std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

// The translation without the trailing run that Translate takes from the text asked for.
std::string TranslationCore(std::string_view translation) {
  std::size_t length = translation.find_last_not_of(" ,.") + 1;
  if (length == 0) length = translation.size();
  return std::string(translation.substr(0, length));
}

class TableReader {
 public:
  explicit TableReader(TLanguage& table) : table_(table) {}

  void Line(int number, std::string_view line) {
    number_ = number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = Trimmed(line);
    if (content.empty() || content.front() == '#') return;
    if (!IsUtf8(content)) return Fail("the line is not UTF-8 text");
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return Fail("no \"=\" between the original and its translation");
    const std::string_view original = Unquoted(Trimmed(content.substr(0, equals)));
    const std::string_view translation = Unquoted(Trimmed(content.substr(equals + 1)));
    if (original.empty()) return Fail("the original text before \"=\" is empty");
    if (original.front() == '@') return Header(original, translation);
    Item(original, translation);
  }

  LanguageTableResult Finish() { return std::move(result_); }

 private:
  void Fail(std::string_view why) { result_.errors.push_back("line " + std::to_string(number_) + ": " + std::string(why)); }

  void Header(std::string_view key, std::string_view value) {
    if (key == "@language") {
      if (!value.empty()) table_.pC = std::string(value);
    } else if (key == "@note") {
      table_.note = std::string(value);
    } else {
      Fail("unknown setting " + std::string(key) + " (known: @language, @note)");
    }
  }

  void Item(std::string_view original, std::string_view translation) {
    const std::string key = LookupKey(original);
    if (key.empty()) return Fail("the original text has nothing to translate");
    // The table finds texts without regard to case, so a second spelling would never be used.
    const auto [seen, fresh] = first_line_.emplace(ToUpperAscii(key), number_);
    if (!fresh) {
      return Fail("\"" + key + "\" is translated already on line " + std::to_string(seen->second));
    }
    const std::string core = TranslationCore(translation);
    if (core.empty()) {
      ++result_.untranslated;
      return;
    }
    if (!table_.AddItem(key, core)) {
      Fail("more than " + std::to_string(TLanguage::kCapacity) + " translations");
    }
  }

  TLanguage& table_;
  LanguageTableResult result_;
  std::map<std::string, int> first_line_;
  int number_ = 0;
};

}  // namespace

std::string LookupKey(std::string_view line) { return SplitCaption(line).core; }

LanguageTableResult ReadLanguageTable(std::string_view text, TLanguage& table) {
  table.Reset();
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  TableReader reader(table);
  int number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    reader.Line(++number, text.substr(start, stop - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return reader.Finish();
}

bool WriteLanguageFile(const TLanguage& table, const std::string& path, std::string& error) {
  MemoryStream stream;
  if (!table.SaveToStream(stream)) {
    error = "the table cannot be written as a language file";
    return false;
  }
  const std::string bytes = stream.AsString();
  const FileResult result =
      WriteFileReplacing(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (result == FileResult::kOk) return true;
  error = std::string(FileResultText(result)) + ": " + path;
  return false;
}

}  // namespace plorvane
