// plorvane-language: makes the language files that translate the editor and the player.
//
//   plorvane-language make TABLE.txt [OUT.llf]   the table as a language file (default: the
//                                                settings folder's language.llf)
//   plorvane-language template [OUT.txt]         the table of every text, to be translated
//                                                (default: standard output)

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "support/file_io.h"
#include "support/language.h"
#include "support/language_table.h"
#include "text_catalogue.h"

namespace {

using namespace plorvane;

constexpr int kUsageError = 2;

int Usage() {
  std::fputs(
      "usage: plorvane-language make TABLE.txt [OUT.llf]\n"
      "       plorvane-language template [OUT.txt]\n"
      "make writes the table of \"original = translation\" lines as a language file, by default\n"
      "the one the editor and the player load (language.llf in the settings folder).\n"
      "template writes every text they show, one \"text = \" line each.\n",
      stderr);
  return kUsageError;
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

int Make(const std::string& table_path, std::string out_path) {
  std::vector<std::uint8_t> bytes;
  if (const FileResult read = ReadWholeFile(table_path, bytes); read != FileResult::kOk) {
    std::fprintf(stderr, "%s: %s\n", table_path.c_str(), std::string(FileResultText(read)).c_str());
    return 1;
  }
  TLanguage table;
  const LanguageTableResult result = ReadLanguageTable({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, table);
  for (const std::string& error : result.errors) std::fprintf(stderr, "%s: %s\n", table_path.c_str(), error.c_str());
  if (!result.errors.empty()) {
    std::fprintf(stderr, "%s: nothing written\n", table_path.c_str());
    return 1;
  }
  if (out_path.empty()) out_path = LanguageFilePath();
  std::string error;
  if (!WriteLanguageFile(table, out_path, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %s, %d translated", out_path.c_str(), table.pC.c_str(), table.Count());
  if (result.untranslated > 0) std::printf(", %d left in English", result.untranslated);
  std::printf("\n");
  return 0;
}

int Template(const std::string& out_path) {
  const std::string table = TemplateTable();
  if (out_path.empty()) return std::fputs(table.c_str(), stdout) < 0 ? 1 : 0;
  if (const FileResult written = WriteFileReplacing(out_path, BytesOf(table)); written != FileResult::kOk) {
    std::fprintf(stderr, "%s: %s\n", out_path.c_str(), std::string(FileResultText(written)).c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  if (args[0] == "make" && (args.size() == 2 || args.size() == 3)) return Make(args[1], args.size() == 3 ? args[2] : "");
  if (args[0] == "template" && args.size() <= 2) return Template(args.size() == 2 ? args[1] : "");
  return Usage();
}
