// What the first start of the editor writes into the library folders from the carrier it brings:
// every file the build's library generators made, each in the folder of its kind, byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "editor/main_form.h"
#include "editor/resources/embedded_carriers.h"
#include "editor/support_files.h"
#include "scratch_folder.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;

std::string UpperExtension(const fs::path& file) { return ToUpperAscii(file.extension().string()); }

// The generated files of one generator's folder, by name.
std::map<std::string, fs::path> GeneratedFiles(const char* folder) {
  std::map<std::string, fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) files[entry.path().filename().string()] = entry.path();
  return files;
}

TEST(LibraryCarrierTest, FirstStartFillsTheLibraryFoldersWithEveryGeneratedFileByItsKind) {
  test::ScratchFolder base;
  std::string error;
  ASSERT_TRUE(Extract_supFiles(EmbeddedCarriers().support, base.path() + "/", error)) << error;

  std::map<std::string, fs::path> generated = GeneratedFiles(PLORVANE_LIBRARY_PICTURES_FOLDER);
  generated.merge(GeneratedFiles(PLORVANE_LIBRARY_MEDIA_FOLDER));

  std::map<std::string, int> per_extension;
  int extracted = 0;
  for (const auto& entry : fs::recursive_directory_iterator(base.path())) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++extracted;
    ++per_extension[UpperExtension(entry.path())];
    EXPECT_EQ(entry.path().parent_path().filename().string(), std::string(LibraryFolderFor(name)));
    const auto made = generated.find(name);
    ASSERT_NE(made, generated.end()) << "the carrier holds a file no generator made";
    EXPECT_EQ(test::FileBytes(entry.path().string()), test::FileBytes(made->second.string()));
  }
  EXPECT_EQ(extracted, static_cast<int>(generated.size())) << "a generated file is missing from the library";
  EXPECT_GE(extracted, 84);
  const std::map<std::string, int> expected = {{".JPG", 16}, {".ICO", 16}, {".ANI", 8}, {".MID", 14},
                                               {".WAV", 3},  {".SAN", 20}, {".SAG", 7}};
  EXPECT_EQ(per_extension, expected);
}

}  // namespace
}  // namespace plorvane
