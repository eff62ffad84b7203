// plorvane_carrier_maker OUTPUT.bmp FILE...: packs each file, under its own file name, into the
// archive of a carrier bitmap.

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "support/carrier_bitmap.h"
#include "support/file_io.h"

int main(int argc, char** argv) {
  using namespace plorvane;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.bmp FILE...\n", argv[0]);
    return 2;
  }
  std::vector<TBoxItem> items;
  std::set<std::string> names;
  for (int i = 2; i < argc; ++i) {
    const std::string path = argv[i];
    const std::string name = path.substr(path.rfind('/') + 1);
    // A second item of the same name would silently replace the first one when read.
    if (!names.insert(name).second) {
      std::fprintf(stderr, "%s: two inputs are named %s\n", argv[0], name.c_str());
      return 1;
    }
    std::vector<std::uint8_t> content;
    if (ReadWholeFile(path, content) != FileResult::kOk || !PackBoxItem(name, content, items.emplace_back())) {
      std::fprintf(stderr, "%s: cannot pack %s\n", argv[0], path.c_str());
      return 1;
    }
  }
  const std::vector<std::uint8_t> carrier = WriteCarrierBitmap(WriteArchive(items));
  if (carrier.empty() || WriteFileReplacing(argv[1], carrier) != FileResult::kOk) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
