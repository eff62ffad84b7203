#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/messages.h"
#include "support/zip_box.h"
#include "support/zip_handler.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

TBoxItem MakeItem(std::string name, std::string path, std::string content, bool compress = false) {
  TBoxItem item;
  item.pName = std::move(name);
  item.pPath = std::move(path);
  item.pSize = static_cast<std::int32_t>(content.size());
  if (compress) {
    EXPECT_TRUE(ZipHandler().CompressString(content));
    item.pM = TBoxItem::kZlib;
  }
  item.pSizeB = static_cast<std::int32_t>(content.size());
  item.pD = std::move(content);
  return item;
}

void Append(MemoryStream& archive, const TBoxItem& item) { ASSERT_TRUE(WriteObject(archive, item, "_1")); }

std::string DataOf(TZipBox& box, int index) {
  MemoryStream out;
  EXPECT_TRUE(box.GetData(box.Items(index), out)) << box.LastError();
  return out.AsString();
}

TEST(ZipBoxTest, ThreeRecordsThenZeroPaddingGiveThreeItems) {
  MemoryStream archive;
  Append(archive, MakeItem("index.html", "help\\", "<html></html>"));
  Append(archive, MakeItem("pic.bmp", "", std::string(5000, 'x'), true));
  Append(archive, MakeItem("empty.txt", "", ""));
  archive.Write(std::vector<std::uint8_t>(2000, 0));
  ASSERT_TRUE(archive.Seek(0));

  TZipBox box;
  ASSERT_TRUE(box.LoadFromStream(archive, false));
  ASSERT_EQ(box.Count(), 3);
  EXPECT_EQ(box.Items(0)->pName, "index.html");
  EXPECT_EQ(DataOf(box, 0), "<html></html>");
  EXPECT_EQ(DataOf(box, 1), std::string(5000, 'x'));
  EXPECT_EQ(DataOf(box, 2), "");
}

TEST(ZipBoxTest, ArchiveInsideACarrierBitmapIsFoundOnTheSecondAttempt) {
  MemoryStream carrier;
  carrier.Write(std::vector<std::uint8_t>(154, 0x42));
  Append(carrier, MakeItem("a", "", "1"));
  Append(carrier, MakeItem("b", "", "2"));
  ASSERT_TRUE(carrier.Seek(0));

  TZipBox box;
  ASSERT_TRUE(box.LoadFromStream(carrier, false));
  EXPECT_EQ(box.Count(), 2);

  MemoryStream nothing(std::string(500, '\x42'));
  EXPECT_FALSE(box.LoadFromStream(nothing, false));
  EXPECT_EQ(box.LastError(), msg::kUnknownFormat);
  EXPECT_EQ(box.Count(), 0);
}

TEST(ZipBoxTest, DuplicatesAreReplacedUnlessAllowed) {
  MemoryStream archive;
  Append(archive, MakeItem("same.txt", "p\\", "first"));
  Append(archive, MakeItem("SAME.TXT", "P\\", "second"));
  Append(archive, MakeItem("same.txt", "other\\", "third"));

  TZipBox box;
  ASSERT_TRUE(archive.Seek(0));
  ASSERT_TRUE(box.LoadFromStream(archive, false));
  ASSERT_EQ(box.Count(), 2);
  EXPECT_EQ(DataOf(box, 0), "second");
  EXPECT_EQ(box.Find("same.TXT", "other\\"), 1);
  EXPECT_EQ(box.Find("same.txt", "*"), 0);
  EXPECT_EQ(box.Find("missing", "*"), -1);

  TZipBox keeping;
  keeping.AllowDuplicates = true;
  ASSERT_TRUE(archive.Seek(0));
  ASSERT_TRUE(keeping.LoadFromStream(archive, false));
  EXPECT_EQ(keeping.Count(), 3);
}

TEST(ZipBoxTest, ItemIndexesAreClampedAndRemoveHandsTheItemBack) {
  TZipBox box;
  EXPECT_EQ(box.Items(0), nullptr);
  for (const char* name : {"a", "b", "c"}) ASSERT_TRUE(box.Add(std::make_unique<TBoxItem>(MakeItem(name, "", ""))));
  EXPECT_EQ(box.Items(-5)->pName, "a");
  EXPECT_EQ(box.Items(10000)->pName, "c");

  TBoxItem* middle = box.Items(1);
  auto taken = box.Remove(middle);
  ASSERT_EQ(taken.get(), middle);
  EXPECT_EQ(box.Count(), 2);
  EXPECT_EQ(box.Items(1)->pName, "c");
  EXPECT_EQ(box.IndexOf(middle), -1);
  EXPECT_EQ(box.Remove(middle), nullptr);
}

TEST(ZipBoxTest, UnknownStorageMethodIsUnsupportedEncoding) {
  TZipBox box;
  auto item = std::make_unique<TBoxItem>(MakeItem("x", "", "abc"));
  item->pM = 2;
  ASSERT_TRUE(box.Add(std::move(item)));
  MemoryStream out;
  EXPECT_FALSE(box.GetData(box.Items(0), out));
  EXPECT_EQ(box.LastError(), msg::kUnsupportedEncoding);
  EXPECT_FALSE(box.GetData(nullptr, out));
  EXPECT_EQ(box.LastError(), msg::kUnexpectedError);
}

TEST(ZipBoxTest, CorruptCompressedItemFailsCleanly) {
  TZipBox box;
  auto item = std::make_unique<TBoxItem>(MakeItem("x", "", std::string(100, 'q'), true));
  item->pD.resize(item->pD.size() / 2);
  ASSERT_TRUE(box.Add(std::move(item)));
  MemoryStream out;
  EXPECT_FALSE(box.GetData(box.Items(0), out));
}

TEST(ZipBoxTest, TenThousandAndThreeRecordsStopAtCapacity) {
  MemoryStream archive;
  for (int i = 0; i < TZipBox::kCapacity + 1; ++i) Append(archive, MakeItem("f" + std::to_string(i), "", "d"));
  ASSERT_TRUE(archive.Seek(0));

  TZipBox box;
  EXPECT_FALSE(box.LoadFromStream(archive, false));
  EXPECT_EQ(box.LastError(), msg::kCapacityReached);
  EXPECT_EQ(box.Count(), 10002);
  EXPECT_EQ(box.Items(10001)->pName, "f10001");
}

TEST(ZipBoxTest, ProgressIsReportedAndCancellingKeepsWhatWasRead) {
  MemoryStream archive;
  for (int i = 0; i < 5; ++i) Append(archive, MakeItem("f" + std::to_string(i), "", "data"));
  ASSERT_TRUE(archive.Seek(0));

  TZipBox box;
  int reports = 0;
  box.OnProgress = [&](const TZipBox& b) {
    ++reports;
    EXPECT_EQ(b.ProgressOperation(), TZipBox::kReading);
    EXPECT_EQ(b.ProgressCurrent(), b.Count() - 1);
    if (b.Count() == 2) box.Cancelled = true;
  };
  EXPECT_FALSE(box.LoadFromStream(archive, false));
  EXPECT_EQ(box.LastError(), msg::kTaskCancelled);
  EXPECT_EQ(box.Count(), 2);
  EXPECT_EQ(reports, 2);
}

class ZipBoxFileTest : public ::testing::Test {
 protected:

  static std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  test::ScratchFolder scratch_;
  const std::filesystem::path folder_{scratch_.path()};
};

TEST_F(ZipBoxFileTest, ExtractWritesReplacesOrKeepsTheFile) {
  TZipBox box;
  ASSERT_TRUE(box.Add(std::make_unique<TBoxItem>(MakeItem("page.html", "", "new", true))));
  const auto target = folder_ / "page.html";
  std::ofstream(target) << "old";
  ::chmod(target.c_str(), 0444);

  EXPECT_TRUE(box.ExtractToFile(box.Items(0), target, false));
  EXPECT_EQ(Contents(target), "old");

  EXPECT_TRUE(box.ExtractToFile(box.Items(0), target, true)) << box.LastError();
  EXPECT_EQ(Contents(target), "new");
}

TEST_F(ZipBoxFileTest, ItemNamesThatLeaveTheFolderAreRefused) {
  for (const char* name : {"../evil", "sub/evil", "sub\\evil", ".."}) {
    TZipBox box;
    ASSERT_TRUE(box.Add(std::make_unique<TBoxItem>(MakeItem(name, "", "x"))));
    EXPECT_FALSE(box.ExtractToFile(box.Items(0), folder_ / "out", true)) << name;
    EXPECT_EQ(box.LastError(), msg::kUnknownFormat);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "out"));
    // Also when a file of that name is there and would be kept: the name is judged first.
    std::ofstream(folder_ / "kept") << "old";
    EXPECT_FALSE(box.ExtractToFile(box.Items(0), folder_ / "kept", false)) << name;
    EXPECT_EQ(box.LastError(), msg::kUnknownFormat);
  }
}

TEST_F(ZipBoxFileTest, FailedExtractLeavesTheOldFileWhole) {
  TZipBox box;
  auto item = std::make_unique<TBoxItem>(MakeItem("page.html", "", "x"));
  item->pM = 7;
  ASSERT_TRUE(box.Add(std::move(item)));
  const auto target = folder_ / "page.html";
  std::ofstream(target) << "precious";
  EXPECT_FALSE(box.ExtractToFile(box.Items(0), target, true));
  EXPECT_EQ(Contents(target), "precious");
}

}  // namespace
}  // namespace plorvane
