#include "editor/support_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "graphics/jpeg_codec.h"
#include "support/carrier_test_support.h"
#include "support/messages.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;
using test::NamedContent;

constexpr std::string_view kPrintItem = "plorvane-print.exe";

std::string JpegOf(int width, int height) {
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.Resize(width, height, MakeColour(200, 30, 90)));
  std::vector<std::uint8_t> jpeg;
  EXPECT_TRUE(EncodeJpeg(bitmap, 80, jpeg));
  return {jpeg.begin(), jpeg.end()};
}

std::string FileText(const std::string& path) {
  const auto bytes = test::FileBytes(path);
  return {bytes.begin(), bytes.end()};
}

// Records what the critical carrier handed over, in order.
struct Received {
  std::vector<std::string> calls;
  int splash_width = 0;
  int about_width = 0;
  std::vector<std::uint8_t> player;

  CriticalPartsTarget Target(const std::string& companion_base) {
    return {[this](const Picture& p) { calls.push_back("splash"); splash_width = p.graphic()->Width(); },
            [this](const Picture& p) { calls.push_back("about"); about_width = p.graphic()->Width(); },
            [this](std::vector<std::uint8_t> image) { calls.push_back("player"); player = std::move(image); },
            companion_base};
  }
};

class CriticalFilesTest : public ::testing::Test {
 protected:
  // Where the print companion's item goes below the maker's folder.
  [[nodiscard]] std::string Companion() const { return folder_.File("Print/plorvane-print.exe"); }

  test::ScratchFolder folder_;
  Received received_;
  std::string error_;
};

TEST_F(CriticalFilesTest, EachItemGoesToItsTargetInArchiveOrderWhateverItsCase) {
  const std::vector<NamedContent> items{{"b.jpg", JpegOf(30, 20)},
                                        {"Read.Me", "skipped"},
                                        {"A.Exe", "\x7F" "ELF player"},
                                        {"a.JPG", JpegOf(40, 20)},
                                        {std::string(kPrintItem), "companion program"}};
  ASSERT_TRUE(Extract_criFiles(test::CarrierOf(items), received_.Target(folder_.path()), error_)) << error_;
  EXPECT_EQ(received_.calls, (std::vector<std::string>{"about", "player", "splash"}));
  EXPECT_EQ(received_.about_width, 30);
  EXPECT_EQ(received_.splash_width, 40);
  EXPECT_EQ(std::string(received_.player.begin(), received_.player.end()), "\x7F" "ELF player");
  EXPECT_EQ(FileText(Companion()), "companion program");
  struct stat info {};
  ASSERT_EQ(::stat(Companion().c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IXUSR, 0u) << "the companion must be startable";
}

TEST_F(CriticalFilesTest, AnExistingCompanionIsLeftAsItIs) {
  fs::create_directories(folder_.File("Print"));
  folder_.Write("Print/plorvane-print.exe", "the user's own build");
  ASSERT_TRUE(Extract_criFiles(test::CarrierOf({{std::string(kPrintItem), "new"}}),
                               received_.Target(folder_.path()), error_));
  EXPECT_EQ(FileText(Companion()), "the user's own build");
}

TEST_F(CriticalFilesTest, AnItemThatCannotBeUsedEndsTheExtractionWithTheArchivesError) {
  std::vector<TBoxItem> unknown_method = test::BoxItemsOf({{"A.JPG", JpegOf(8, 8)}, {"A.EXE", "player"}});
  unknown_method[0].pM = 2;
  const struct {
    std::vector<std::uint8_t> carrier;
    std::string_view error;
    std::vector<std::string> calls;
  } cases[] = {
      {WriteCarrierBitmap(WriteArchive(unknown_method)), msg::kUnsupportedEncoding, {}},
      {test::CarrierOf({{"A.EXE", "player"}, {"B.JPG", "not a picture"}, {"A.JPG", JpegOf(8, 8)}}),
       msg::kUnknownFormat, {"player"}},
  };
  for (const auto& c : cases) {
    Received received;
    std::string error;
    EXPECT_FALSE(Extract_criFiles(c.carrier, received.Target(folder_.path()), error));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(received.calls, c.calls);
  }
}

TEST_F(CriticalFilesTest, ACompanionThatCannotBeWrittenFails) {
  folder_.Write("Print", "a file where the folder belongs");
  EXPECT_FALSE(Extract_criFiles(test::CarrierOf({{std::string(kPrintItem), "companion"}}),
                                received_.Target(folder_.path()), error_));
  EXPECT_FALSE(error_.empty());
  EXPECT_NE(error_, msg::kOutOfMemory);
}

TEST_F(CriticalFilesTest, ACarrierWithoutAnArchiveHoldsNothingToExtract) {
  std::vector<std::uint8_t> wiped = test::CarrierOf({{"A.EXE", "player"}});
  std::fill(wiped.begin() + 154, wiped.end(), 0);
  EXPECT_TRUE(Extract_criFiles(wiped, received_.Target(folder_.path()), error_));
  EXPECT_TRUE(received_.calls.empty());
}

TEST(SupportFilesTest, ItemsLandInTheFolderOfTheirExtensionInAnyCase) {
  const struct {
    std::string name;
    std::string folder;
  } cases[] = {{"Meadow.JPG", "Pictures"}, {"b.bmp", "Pictures"},  {"c.Wmf", "Pictures"},  {"d.emf", "Pictures"},
               {"e.cur", "Cursors"},       {"f.ICO", "Cursors"},   {"g.aNi", "Cursors"},   {"h.mid", "Sounds"},
               {"chime.WaV", "Sounds"},    {"j.san", "Animations"}, {"k.SAG", "Animations"}, {"notes.txt", ""},
               {"README", ""},             {"archive.jpg.gz", ""}};
  std::vector<NamedContent> items;
  for (const auto& c : cases) items.emplace_back(c.name, "content of " + c.name);
  test::ScratchFolder base;
  std::string error;
  ASSERT_TRUE(Extract_supFiles(test::CarrierOf(items), base.path() + "/", error)) << error;
  for (const auto& c : cases) {
    const fs::path expected = fs::path(base.path()) / c.folder / c.name;
    EXPECT_EQ(FileText(expected.string()), "content of " + c.name) << expected;
  }
}

TEST(SupportFilesTest, FilesAlreadyThereAreNeverReplaced) {
  test::ScratchFolder base;
  fs::create_directories(base.File("Sounds"));
  base.Write("Sounds/chime.wav", "changed by the user");
  std::string error;
  ASSERT_TRUE(Extract_supFiles(test::CarrierOf({{"chime.wav", "ours"}, {"tune.mid", "ours"}}), base.path(), error));
  EXPECT_EQ(FileText(base.File("Sounds/chime.wav")), "changed by the user");
  EXPECT_EQ(FileText(base.File("Sounds/tune.mid")), "ours");
}

TEST(SupportFilesTest, AnItemThatCannotBeWrittenEndsTheExtractionQuietly) {
  test::ScratchFolder base;
  std::string error;
  ASSERT_TRUE(Extract_supFiles(test::CarrierOf({{"first.wav", "1"}, {"../escape.wav", "2"}, {"last.wav", "3"}}),
                               base.path(), error));
  EXPECT_TRUE(fs::exists(base.File("Sounds/first.wav")));
  EXPECT_FALSE(fs::exists(base.File("Sounds/last.wav")));
  EXPECT_FALSE(fs::exists(base.File("escape.wav")));
}

TEST(SupportFilesTest, AnUnreadableArchiveIsTheArchivesError) {
  test::ScratchFolder base;
  std::string error;
  EXPECT_FALSE(Extract_supFiles(std::vector<std::uint8_t>(2000, 0xFF), base.path(), error));
  EXPECT_EQ(error, msg::kUnknownFormat);
  EXPECT_EQ(base.EntryCount(), 0);
}

}  // namespace
}  // namespace plorvane
