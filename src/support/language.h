#pragma once
// The translation table, loaded once from the optional language file. Its items and keys are
// kept scrambled in the file; without a file the table is empty and the language is English.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "streaming/published_properties.h"
#include "streaming/stream.h"

namespace plorvane {

// One item in the language file's item block: scrambled source text X and translation Y.
class TLI {
 public:
  static constexpr std::string_view kClassName = "TLI";
  static const PublishedProperties<TLI>& Published();

  std::string X;
  std::string Y;
};

// The settings folder's language file, which the shared table loads.
std::string LanguageFilePath();

class TLanguage {
 public:
  static constexpr std::string_view kClassName = "TLanguage";
  static constexpr int kCapacity = 4000;
  static const PublishedProperties<TLanguage>& Published();

  TLanguage() { Reset(); }

  void Reset();
  // Reads the record at Position (0 when negative). A damaged file leaves the table empty.
  bool LoadFromFile(const std::string& path, std::int64_t position);
  // The language file of the settings folder; no file is success with an empty table.
  bool LoadLanguageFile();
  // Writes the table as a language file record (used by the tools that make language files).
  bool SaveToStream(Stream& stream) const;

  [[nodiscard]] int IndexOf(std::string_view text) const;
  // Replaces the text by its translation when the table has it.
  bool Lookup(std::string& text) const;
  // False when the table is full.
  bool AddItem(std::string source, std::string translation);

  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  std::string pC;  // the language's name
  std::string pP;  // free text carried with the table
  std::string note;

 private:
  struct Item {
    std::string source;
    std::string translation;
    std::string upper_source;
  };

  [[nodiscard]] std::string ItemBlock() const;
  void ReadItemBlock(const std::string& block);

  std::string key_a_;
  std::string key_b_;
  std::vector<Item> items_;
  std::string last_error_;
};

}  // namespace plorvane
