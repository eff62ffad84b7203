// Every file the library's picture tool writes, opened the way the editor opens it: pictures
// through the picture import, icons and animated cursors as the card's cursor.

#include "library_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "card_fixture.h"
#include "graphics/cursor_codec.h"
#include "graphics/ico_codec.h"
#include "graphics/picture_import.h"
#include "scratch_folder.h"

namespace plorvane::test {
namespace {

constexpr int kMinPictureSide = 330;

std::vector<std::string> ListedNames() {
  std::ifstream list(PLORVANE_LIBRARY_PICTURES_LIST);
  std::vector<std::string> names;
  for (std::string line; std::getline(list, line);) {
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

std::string Extension(const std::string& name) { return std::filesystem::path(name).extension().string(); }

// Distinct colours after dropping the low three bits of each channel, so JPEG noise on a
// smooth gradient does not count as detail.
std::size_t DistinctColours(const Bitmap& bitmap) {
  std::set<Colour> colours;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) colours.insert(bitmap.GetPixel(x, y) & 0xF8F8F8);
  }
  return colours.size();
}

// The library is drawn once for all the tests in this file.
class LibraryFilesTest : public CardTest {
 protected:
  static void SetUpTestSuite() {
    library_ = new ScratchFolder;
    std::string failed;
    written_ = art::WriteLibraryPictures(library_->path(), failed);
    EXPECT_TRUE(written_) << failed;
  }
  static void TearDownTestSuite() {
    delete library_;
    library_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(written_); }

  static std::vector<std::string> NamesEndingIn(const std::string& extension) {
    std::vector<std::string> names;
    for (const std::string& name : ListedNames()) {
      if (Extension(name) == extension) names.push_back(name);
    }
    return names;
  }
  static std::vector<std::uint8_t> Bytes(const std::string& name) { return FileBytes(library_->File(name)); }
  static std::string Path(const std::string& name) { return library_->File(name); }

  static inline ScratchFolder* library_ = nullptr;
  static inline bool written_ = false;
};

TEST_F(LibraryFilesTest, WritesExactlyTheListedFilesOfTheThreeKinds) {
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(library_->path())) {
    written.push_back(entry.path().filename().string());
  }
  std::vector<std::string> listed = ListedNames();
  std::sort(written.begin(), written.end());
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(written, listed);
  EXPECT_EQ(NamesEndingIn(".jpg").size(), 16u);
  EXPECT_EQ(NamesEndingIn(".ico").size(), 16u);
  EXPECT_EQ(NamesEndingIn(".ani").size(), 8u);
}

TEST_F(LibraryFilesTest, EveryPictureImportsAsALargeDetailedJpeg) {
  std::set<std::vector<std::uint8_t>> seen;
  for (const std::string& name : NamesEndingIn(".jpg")) {
    std::vector<std::uint8_t> bytes = Bytes(name);
    EXPECT_TRUE(seen.insert(bytes).second) << name << " repeats another picture";
    Picture picture;
    std::string_view error;
    ASSERT_TRUE(ImportPicture(std::move(bytes), picture, error)) << name << ": " << error;
    EXPECT_EQ(picture.graphic()->ClassName(), "TJPEGImage") << name;
    Bitmap pixels;
    ASSERT_TRUE(picture.graphic()->Render(pixels)) << name;
    EXPECT_GE(pixels.width(), kMinPictureSide) << name;
    EXPECT_GE(pixels.height(), kMinPictureSide) << name;
    // A plain shaded sky gives well under a hundred; every drawn scene gives several hundred.
    EXPECT_GE(DistinctColours(pixels), 300u) << name;
  }
}

TEST_F(LibraryFilesTest, EveryIconBecomesTheCardCursorWithBothSizesAndTransparency) {
  for (const std::string& name : NamesEndingIn(".ico")) {
    ASSERT_TRUE(card_->LoadCursor(Path(name))) << name << ": " << card_->LastError();
    EXPECT_TRUE(card_->HasCursor()) << name;

    const std::vector<std::uint8_t> bytes = Bytes(name);
    IconDirectory directory;
    ASSERT_EQ(ReadIconDirectory(bytes, directory), CursorError::kNone) << name;
    EXPECT_EQ(directory.type, kIconFileType) << name;
    std::set<int> sides;
    for (const IconDirectoryEntry& entry : directory.entries) sides.insert(entry.width);
    EXPECT_EQ(sides, (std::set<int>{16, 32})) << name;

    CursorImage cursor;
    ASSERT_EQ(DecodeCursor(bytes, cursor), CursorError::kNone) << name;
    ASSERT_EQ(cursor.frames.size(), 1u) << name;
    const CursorFrame& frame = cursor.frames[0];
    EXPECT_EQ(frame.width, 32) << name;
    std::size_t clear = 0;
    std::size_t opaque = 0;
    for (std::size_t i = 3; i < frame.bgra.size(); i += 4) {
      clear += frame.bgra[i] == 0 ? 1 : 0;
      opaque += frame.bgra[i] == 255 ? 1 : 0;
    }
    // Both a visible drawing and a see-through background, each a real part of the square.
    EXPECT_GT(clear, 100u) << name;
    EXPECT_GT(opaque, 150u) << name;
  }
}

bool OpaqueNear(const CursorFrame& frame, Point at, int reach) {
  for (int y = at.y - reach; y <= at.y + reach; ++y) {
    for (int x = at.x - reach; x <= at.x + reach; ++x) {
      if (x < 0 || y < 0 || x >= frame.width || y >= frame.height) continue;
      if (frame.bgra[(static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) + static_cast<std::size_t>(x)) * 4 + 3] > 128)
        return true;
    }
  }
  return false;
}

TEST_F(LibraryFilesTest, EveryAnimatedCursorBecomesTheCardCursorAndMoves) {
  for (const std::string& name : NamesEndingIn(".ani")) {
    ASSERT_TRUE(card_->LoadCursor(Path(name))) << name << ": " << card_->LastError();
    EXPECT_TRUE(card_->HasCursor()) << name;

    CursorImage cursor;
    ASSERT_EQ(DecodeCursor(Bytes(name), cursor), CursorError::kNone) << name;
    ASSERT_GT(cursor.frames.size(), 1u) << name;
    std::set<std::vector<std::uint8_t>> pictures;
    for (const CursorFrame& frame : cursor.frames) {
      EXPECT_EQ(frame.width, 32) << name;
      EXPECT_EQ(frame.height, 32) << name;
      // Fast enough to look animated, slow enough to be seen.
      EXPECT_GE(frame.display_ms, 40u) << name;
      EXPECT_LE(frame.display_ms, 400u) << name;
      // The point that clicks lies on or right beside what is drawn.
      EXPECT_TRUE(OpaqueNear(frame, frame.hot_spot, 3)) << name;
      pictures.insert(frame.bgra);
    }
    EXPECT_GT(pictures.size(), 1u) << name << " shows the same picture in every step";
  }
}

}  // namespace
}  // namespace plorvane::test
