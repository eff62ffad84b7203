#pragma once
// A small settings file of the INI form: "[Section]" lines, then "name=value" lines. Section and
// key names compare without regard to case; lines that are neither are skipped, so a damaged
// file reads as far as it makes sense.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plorvane {

class IniFile {
 public:
  // False (and the file empty) when it cannot be read or holds no text.
  bool Load(const std::string& path);
  // Replaces the file in one step; false when it cannot be written.
  [[nodiscard]] bool Save(const std::string& path) const;

  void Parse(std::string_view text);
  [[nodiscard]] std::string Text() const;

  [[nodiscard]] std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  void Write(std::string_view section, std::string_view key, std::string value);

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
  };
  Section* FindSection(std::string_view name);
  [[nodiscard]] const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

}  // namespace plorvane
