#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "streaming/component_string.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "streaming/pic.h"
#include "streaming_test_objects.h"

namespace plorvane {
namespace {

using testing::SampleBase;
using testing::SampleObject;

std::string Write(const auto& object) {
  MemoryStream stream;
  EXPECT_TRUE(WriteObject(stream, object));
  return stream.AsString();
}

template <class T>
bool Read(std::string_view bytes, T& object) {
  MemoryStream stream(bytes);
  return ReadObject(stream, object);
}

// "TPF0", class name, empty object name: the head every record of this system starts with.
std::string Head(std::string_view class_name) {
  return std::string("TPF0") + static_cast<char>(class_name.size()) + std::string(class_name) + '\0';
}

TEST(PropertyStreamTest, SignatureRecordIsTheFiftyEightBytesOfTheCardFormat) {
  const std::string signature = "\x09Zarvick v2\x07Vumra Enterprises\x04";
  ASSERT_EQ(signature.size(), 30u);
  TComponentString carrier;
  carrier.X = signature;

  const std::string expected = std::string("TPF0\x10TComponentString\x00\x01X\x06\x1E", 26) + signature + '\0' + '\0';
  const std::string written = Write(carrier);
  EXPECT_EQ(written.size(), 58u);
  EXPECT_EQ(written, expected);

  TComponentString back;
  ASSERT_TRUE(Read(written, back));
  EXPECT_EQ(back.X, signature);
}

struct IntegerCase {
  std::int32_t value;
  std::string encoded;  // tag and data
};

TEST(PropertyStreamTest, IntegersTakeTheSmallestForm) {
  const std::vector<IntegerCase> cases = {
      {0, std::string("\x02\x00", 2)},
      {127, "\x02\x7F"},
      {-128, "\x02\x80"},
      {128, std::string("\x03\x80\x00", 3)},
      {255, std::string("\x03\xFF\x00", 3)},  // pure red
      {-129, "\x03\x7F\xFF"},
      {32767, "\x03\xFF\x7F"},
      {-32768, std::string("\x03\x00\x80", 3)},
      {32768, std::string("\x04\x00\x80\x00\x00", 5)},
      {0xFDA462, std::string("\x04\x62\xA4\xFD\x00", 5)},  // the default frame colour
      {-2147483647 - 1, std::string("\x04\x00\x00\x00\x80", 5)},
  };
  for (const auto& c : cases) {
    SampleObject object;
    object.pCount = c.value;
    const std::string written = Write(object);
    const std::string entry = std::string("\x06pCount", 7) + c.encoded;
    EXPECT_NE(written.find(entry), std::string::npos) << c.value;

    SampleObject back;
    back.pCount = 99;
    ASSERT_TRUE(Read(written, back)) << c.value;
    EXPECT_EQ(back.pCount, c.value);
  }
}

TEST(PropertyStreamTest, WritesBaseClassFirstThenDeclarationOrderAndSkipsEmptyStrings) {
  SampleObject object;
  object.pBase = 1;
  object.pCount = 2;
  object.pFlag = true;
  // pName stays empty, so it is not written at all; pData holds nothing, so no entry either.
  const std::string expected = Head("TSampleObject") + std::string("\x05pBase\x02\x01", 8) +
                               std::string("\x06pCount\x02\x02", 9) + "\x05pFlag\x09" + std::string("\0\0", 2);
  EXPECT_EQ(Write(object), expected);
}

TEST(PropertyStreamTest, StringsUpTo255BytesAreShortLongerOnesLong) {
  SampleObject object;
  object.pName = std::string(255, 'a');
  EXPECT_NE(Write(object).find(std::string("\x05pName\x06\xFF", 8)), std::string::npos);

  object.pName = std::string(256, 'b');
  const std::string written = Write(object);
  EXPECT_NE(written.find(std::string("\x05pName\x0C\x00\x01\x00\x00", 11)), std::string::npos);
  SampleObject back;
  ASSERT_TRUE(Read(written, back));
  EXPECT_EQ(back.pName, object.pName);
}

TEST(PropertyStreamTest, RoundTripKeepsEveryKindAndBinaryBytes) {
  SampleObject object;
  object.pBase = -7;
  object.pCount = 100000;
  object.pFlag = true;
  object.pName = std::string("with\0zero", 9);
  object.pData = Binary{0, 1, 2, 255, 0};
  const std::string written = Write(object);

  SampleObject back;
  ASSERT_TRUE(Read(written, back));
  EXPECT_EQ(back, object);
}

TEST(PropertyStreamTest, EntriesAbsentFromTheRecordLeaveTheirPropertiesUnchanged) {
  const std::string record = Head("AnyClassName") + std::string("\x06pCount\x02\x05", 9) + std::string("\0\0", 2);
  SampleObject object;
  object.pBase = 42;
  object.pName = "kept";
  ASSERT_TRUE(Read(record, object));  // the class name is not checked either
  EXPECT_EQ(object.pCount, 5);
  EXPECT_EQ(object.pBase, 42);
  EXPECT_EQ(object.pName, "kept");
}

TEST(PropertyStreamTest, FlagsPrefixAndTagEntryAreAccepted) {
  const std::string body = std::string("\x0DTSampleObject\x00", 15) + std::string("\x03Tag\x02\x00", 6) +
                           std::string("\x06pCount\x02\x09", 9) + std::string("\0\0", 2);
  for (const std::string& prefix : {std::string("\xF0"), std::string("\xF2\x02\x03", 3)}) {
    SampleObject object;
    ASSERT_TRUE(Read("TPF0" + prefix + body, object)) << prefix.size();
    EXPECT_EQ(object.pCount, 9);
  }
}

TEST(PropertyStreamTest, MalformedRecordsAreReadErrors) {
  const std::string end = std::string("\0\0", 2);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"unknown name", Head("X") + std::string("\x07pOther\x02\x01", 9) + end},
      {"string into an integer", Head("X") + std::string("\x06pCount\x06\x01z", 10) + end},
      {"integer into a boolean", Head("X") + std::string("\x05pFlag\x02\x01", 8) + end},
      {"binary into a string", Head("X") + std::string("\x05pName\x0A\x00\x00\x00\x00", 11) + end},
      {"unknown tag", Head("X") + std::string("\x06pCount\x0F", 8) + end},
      {"length beyond the data", Head("X") + std::string("\x05pData\x0A\xFF\xFF\xFF\x7F", 11) + end},
      {"negative length", Head("X") + std::string("\x05pName\x0C\xFF\xFF\xFF\xFF", 11) + end},
      {"child record", Head("X") + std::string("\0\x01", 2)},
      {"bad signature", "TPF1" + Head("X").substr(4) + end},
  };
  for (const auto& [what, bytes] : cases) {
    SampleObject object;
    EXPECT_FALSE(Read(bytes, object)) << what;
  }
}

TEST(PropertyStreamTest, EveryTruncationOfARecordIsAReadError) {
  SampleObject object;
  object.pBase = 300;
  object.pCount = 70000;
  object.pFlag = true;
  object.pName = std::string(300, 'n');
  object.pData = Binary(40, 7);
  const std::string written = Write(object);
  for (std::size_t length = 0; length < written.size(); ++length) {
    SampleObject back;
    EXPECT_FALSE(Read(written.substr(0, length), back)) << length;
  }
}

TEST(PropertyStreamTest, RecordIsWrittenAtTheStreamPositionAndReadLeavesTheStreamBehindIt) {
  MemoryStream stream(std::string("lead"));
  ASSERT_TRUE(stream.Seek(4));
  SampleObject object;
  object.pCount = 3;
  ASSERT_TRUE(WriteObject(stream, object));
  ASSERT_TRUE(WriteObject(stream, object));
  const auto size_of_one = (stream.Size() - 4) / 2;

  ASSERT_TRUE(stream.Seek(4));
  SampleObject back;
  RecordHead head;
  ASSERT_TRUE(ReadObject(stream, back, &head));
  EXPECT_EQ(stream.Position(), 4 + size_of_one);
  EXPECT_EQ(head.class_name, "TSampleObject");
  EXPECT_EQ(head.object_name, "");
}

TEST(PictureRecordTest, JpegPictureRecordHasTheDocumentedHead) {
  TPic pic;
  auto jpeg = Picture::CreateGraphic("TJPEGImage");
  ASSERT_NE(jpeg, nullptr);
  ASSERT_TRUE(jpeg->ReadData(std::vector<std::uint8_t>{0, 0, 0, 0}));  // the empty image
  pic.pPic.SetGraphic(std::move(jpeg));

  const std::string written = Write(pic);
  const std::string head = std::string("TPF0\x04TPic\x00\x09pPic.Data\x0A", 21);
  ASSERT_GE(written.size(), head.size() + 4);
  EXPECT_EQ(written.substr(0, head.size()), head);
  const std::string block = std::string("\x0ATJPEGImage\x00\x00\x00\x00", 15);
  EXPECT_EQ(written.substr(head.size()), std::string("\x0F\x00\x00\x00", 4) + block + std::string("\0\0", 2));

  TPic back;
  ASSERT_TRUE(Read(written, back));
  ASSERT_TRUE(back.pPic.HasGraphic());
  EXPECT_EQ(back.pPic.graphic()->ClassName(), "TJPEGImage");
  EXPECT_TRUE(back.pPic.graphic()->Empty());
}

TEST(PictureRecordTest, PictureWithoutGraphicWritesNoEntryAndUnknownClassesAreRefused) {
  TPic empty;
  EXPECT_EQ(Write(empty), Head("TPic") + std::string("\0\0", 2));

  const std::string unknown =
      Head("TPic") + std::string("\x09pPic.Data\x0A\x05\x00\x00\x00\x04TGif", 19) + std::string("\0\0", 2);
  TPic pic;
  EXPECT_FALSE(Read(unknown, pic));
  EXPECT_FALSE(pic.pPic.HasGraphic());
}

}  // namespace
}  // namespace plorvane
