#include "editor/settings_file.h"

#include <algorithm>
#include <cstdint>

#include "support/file_io.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

// A settings file is a few lines; anything larger is not one of ours.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

bool IniFile::Load(const std::string& path) {
  sections_.clear();
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(path, bytes, kMaxSettingsBytes) != FileResult::kOk) return false;
  Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return !sections_.empty();
}

bool IniFile::Save(const std::string& path) const {
  const std::string text = Text();
  const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
  return WriteFileReplacing(path, std::span<const std::uint8_t>(data, text.size())) == FileResult::kOk;
}

void IniFile::Parse(std::string_view text) {
  sections_.clear();
  Section* current = nullptr;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      const std::string_view name = Trimmed(line.substr(1, line.size() - 2));
      current = FindSection(name);
      if (!current) current = &sections_.emplace_back(Section{std::string(name), {}});
      continue;
    }
    const auto equals = line.find('=');
    if (!current || equals == std::string_view::npos || equals == 0) continue;
    Write(current->name, Trimmed(line.substr(0, equals)), std::string(line.substr(equals + 1)));
  }
}

std::string IniFile::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    text += "[" + section.name + "]\n";
    for (const auto& [key, value] : section.values) text += key + "=" + value + "\n";
    text += "\n";
  }
  return text;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  for (const auto& [name, value] : found->values) {
    if (EqualsIgnoringCase(name, key)) return value;
  }
  return std::nullopt;
}

void IniFile::Write(std::string_view section, std::string_view key, std::string value) {
  Section* found = FindSection(section);
  if (!found) found = &sections_.emplace_back(Section{std::string(section), {}});
  const auto entry = std::find_if(found->values.begin(), found->values.end(),
                                  [key](const auto& pair) { return EqualsIgnoringCase(pair.first, key); });
  if (entry != found->values.end()) {
    entry->second = std::move(value);
  } else {
    found->values.emplace_back(std::string(key), std::move(value));
  }
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  const auto found =
      std::find_if(sections_.begin(), sections_.end(), [name](const Section& s) { return EqualsIgnoringCase(s.name, name); });
  return found == sections_.end() ? nullptr : &*found;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  return const_cast<IniFile*>(this)->FindSection(name);
}

}  // namespace plorvane
