// Language files: the table record with its scrambled item block.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "fuzz/fuzz_target.h"
#include "streaming/memory_stream.h"
#include "support/language.h"
#include "support/translate.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  TLanguage table;
  table.pC = "Francais";
  table.note = "note";
  table.AddItem("Save As", "Enregistrer sous");
  table.AddItem("Exit", "Quitter");
  MemoryStream file;
  table.SaveToStream(file);
  return {file.bytes()};
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  // The table reads files only; one scratch file per process is enough.
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp") + "/plorvane-language-fuzz-" + std::to_string(::getpid()) + ".llf";
  }();
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  TLanguage table;
  if (table.LoadFromFile(path, 0)) TranslateWith(table, "Save &As...\rExit");
  return 0;
}
