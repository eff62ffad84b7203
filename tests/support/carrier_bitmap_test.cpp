#include "support/carrier_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/bmp_codec.h"
#include "graphics/little_endian.h"
#include "streaming/memory_stream.h"
#include "support/carrier_test_support.h"
#include "support/messages.h"

namespace plorvane {
namespace {

using test::CarrierOf;
using test::NamedContent;

std::uint32_t U32At(const std::vector<std::uint8_t>& file, std::size_t offset) {
  std::uint32_t value = 0;
  EXPECT_TRUE(le::ReadU32(file, offset, value));
  return value;
}

std::string DataOf(TZipBox& box, int index) {
  MemoryStream out;
  EXPECT_TRUE(box.GetData(box.Items(index), out)) << box.LastError();
  return out.AsString();
}

std::string AllByteValues() {
  std::string bytes;
  for (int round = 0; round < 40; ++round) {
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>((b * 7 + round) & 0xFF));
  }
  return bytes;
}

TEST(CarrierBitmapTest, LaysOutHeadersLeadInArchiveAndZeroFiller) {
  const std::vector<NamedContent> files{{"index.html", "<html>hello</html>"}, {"A.JPG", std::string(3000, 'j')}};
  const std::vector<std::uint8_t> archive = WriteArchive(test::BoxItemsOf(files));
  const std::vector<std::uint8_t> file = WriteCarrierBitmap(archive);

  ASSERT_GT(file.size(), kCarrierArchiveOffset + archive.size());
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(U32At(file, 2), file.size());
  EXPECT_EQ(U32At(file, 10), 54u);
  EXPECT_EQ(U32At(file, 14), 40u);
  EXPECT_EQ(U32At(file, 18), 334u);
  const std::uint32_t rows = U32At(file, 22);
  EXPECT_EQ(file.size(), 54u + rows * 1004u);
  EXPECT_EQ(U32At(file, 28) & 0xFFFF, 24u);  // bits per pixel
  EXPECT_EQ(U32At(file, 30), 0u);             // uncompressed

  EXPECT_TRUE(std::all_of(file.begin() + 54, file.begin() + 154, [](std::uint8_t b) { return b == 0xFF; }));
  EXPECT_TRUE(std::equal(archive.begin(), archive.end(), file.begin() + 154));
  EXPECT_EQ(std::string(file.begin() + 154, file.begin() + 158), "TPF0");
  EXPECT_TRUE(std::all_of(file.begin() + 154 + static_cast<long>(archive.size()), file.end(),
                          [](std::uint8_t b) { return b == 0; }));

  // It is a real bitmap file too, so it survives as one.
  Bitmap as_image;
  ASSERT_TRUE(ReadBmp(file, as_image));
  EXPECT_EQ(as_image.width(), 334);
  EXPECT_EQ(as_image.height(), static_cast<int>(rows));
}

TEST(CarrierBitmapTest, IsAsHighAsTheArchiveNeeds) {
  // 1,004 bytes per row; the first row also holds the 100 lead-in bytes.
  const struct {
    std::size_t archive_bytes;
    std::uint32_t rows;
  } cases[] = {{0, 1}, {904, 1}, {905, 2}, {1908, 2}, {1909, 3}, {100000, 100}};
  for (const auto& c : cases) {
    const std::vector<std::uint8_t> file = WriteCarrierBitmap(std::vector<std::uint8_t>(c.archive_bytes, 0x5A));
    EXPECT_EQ(U32At(file, 22), c.rows) << c.archive_bytes;
    EXPECT_EQ(file.size(), 54u + c.rows * 1004u) << c.archive_bytes;
  }
}

TEST(CarrierBitmapTest, ItemsComeBackWithTheirNamesSizesAndBytes) {
  const std::vector<NamedContent> files{
      {"index.html", "<p>first page</p>"}, {"empty.txt", ""}, {"A.EXE", AllByteValues()}};
  TZipBox box;
  ASSERT_TRUE(ReadCarrierBitmap(CarrierOf(files), box)) << box.LastError();
  ASSERT_EQ(box.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    const TBoxItem& item = *box.Items(i);
    EXPECT_EQ(item.pName, files[static_cast<std::size_t>(i)].first);
    EXPECT_EQ(item.pM, TBoxItem::kZlib);
    EXPECT_EQ(item.pSize, static_cast<std::int32_t>(files[static_cast<std::size_t>(i)].second.size()));
    EXPECT_EQ(item.pSizeB, static_cast<std::int32_t>(item.pD.size()));
    EXPECT_EQ(DataOf(box, i), files[static_cast<std::size_t>(i)].second);
  }
}

TEST(CarrierBitmapTest, TwoRecordsAfterTheLeadInThenZerosGiveTwoItems) {
  TZipBox box;
  ASSERT_TRUE(ReadCarrierBitmap(CarrierOf({{"a.txt", "one"}, {"b.txt", "two"}}), box));
  EXPECT_EQ(box.Count(), 2);
}

TEST(CarrierBitmapTest, DamagedCarriersGiveTheArchivesError) {
  std::vector<std::uint8_t> archive_wiped = CarrierOf({{"a.txt", "one"}});
  std::fill(archive_wiped.begin() + 154, archive_wiped.end(), 0);
  std::vector<std::uint8_t> cut_short = CarrierOf({{"a.txt", std::string(4000, 'x')}});
  cut_short.resize(kCarrierArchiveOffset + 20);  // inside the first record
  const std::vector<std::uint8_t> cases[] = {archive_wiped, cut_short, {}, std::vector<std::uint8_t>(153, 0xFF)};
  for (const auto& carrier : cases) {
    TZipBox box;
    EXPECT_FALSE(ReadCarrierBitmap(carrier, box)) << carrier.size();
    EXPECT_EQ(box.LastError(), msg::kUnknownFormat) << carrier.size();
    EXPECT_EQ(box.Count(), 0);
  }
}

TEST(CarrierBitmapTest, ABareArchiveReadsToo) {
  TZipBox box;
  ASSERT_TRUE(ReadCarrierBitmap(WriteArchive(test::BoxItemsOf({{"x.wav", "RIFF"}})), box));
  EXPECT_EQ(box.Items(0)->pName, "x.wav");
}

}  // namespace
}  // namespace plorvane
