#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "animation/animation_group.h"
#include "animation/animation_test_support.h"
#include "animation/element_object.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "streaming/record_writer.h"

namespace plorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

TElementRec ElementOf(const TSAG& group, int index) {
  TElementRec record;
  group.GetElement(index, record);
  return record;
}

// Adds an animation with one element, Shown as a paste or open command leaves it.
void AddShown(TSAG& group, const Bitmap& strip, int frame_width) {
  int index = -1;
  ASSERT_TRUE(group.AddFromBitmap(strip, frame_width, index));
  TElementRec record = ElementOf(group, index);
  record.Shown = true;
  group.SetElement(index, record);
}

Bytes Saved(TSAG& group) {
  MemoryStream stream;
  EXPECT_TRUE(group.SaveToStream(stream));
  return stream.bytes();
}

bool Load(TSAG& group, const Bytes& bytes, bool merge) {
  MemoryStream stream(bytes);
  return group.LoadFromStream(stream, merge);
}

// A ".SAG" record put together by hand, for counts no writer of ours would produce.
Bytes HandMadeGroup(std::int32_t last_animation, std::int32_t last_element, const std::string& animations,
                    const std::string& elements) {
  MemoryStream stream;
  RecordWriter writer(stream);
  writer.BeginRecord("TSAG");
  writer.Integer("pAC", last_animation);
  writer.Integer("pEC", last_element);
  if (!animations.empty()) writer.String("pSANS", animations);
  if (!elements.empty()) writer.String("pES", elements);
  writer.EndRecord();
  return stream.bytes();
}

std::string AnimationRecords(int count) {
  MemoryStream records;
  for (int i = 0; i < count; ++i) {
    TSAN animation;
    animation.SetFrameSize(2, 2, 1);
    animation.SaveToStream(records);
  }
  return records.AsString();
}

std::string ElementRecords(const std::vector<std::int32_t>& ids) {
  MemoryStream records;
  for (const std::int32_t id : ids) {
    TAEO element;
    element.pID = id;
    WriteObject(records, element);
  }
  return records.AsString();
}

class GroupStreamTest : public ::testing::Test {
 protected:
  // Two animations and three elements with settings of every kind.
  void FillSample(TSAG& group) {
    AddShown(group, test::NoisyStrip(60, 12, 1), 20);
    AddShown(group, test::NoisyStrip(16, 9, 2), 16);
    group.AddElement(ElementOf(group, 0));
    const struct {
      int x, y, interval, flash, scroll_h, scroll_v;
      bool transparent, flip, mirror;
    } settings[] = {{5, 6, 120, 1, 10, 0, true, false, true},
                    {-7, 300, 0, 0, 0, -20, false, true, false},
                    {40, 41, 5000, 2, -99, 99, true, true, true}};
    for (int i = 0; i < 3; ++i) {
      TElementRec record = ElementOf(group, i);
      record.pX = settings[i].x;
      record.pY = settings[i].y;
      record.pD = settings[i].interval;
      record.pF = static_cast<std::uint8_t>(settings[i].flash);
      record.pSH = settings[i].scroll_h;
      record.pSV = settings[i].scroll_v;
      record.pT = settings[i].transparent;
      record.pFV = settings[i].flip;
      record.pFH = settings[i].mirror;
      record.Shown = true;
      group.SetElement(i, record);
    }
  }

  ManualClock clock_;
};

TEST_F(GroupStreamTest, NeverShownElementIsNotSaved) {
  TSAG group(clock_);
  int index = -1;
  ASSERT_TRUE(group.AddFromBitmap(test::NoisyStrip(10, 10), 10, index));
  Bytes expected;
  for (const char c : std::string_view("TPF0\x04TSAG")) expected.push_back(static_cast<std::uint8_t>(c));
  expected.push_back(0x00);
  for (const char* name : {"\x03pAC", "\x03pEC"}) {
    expected.insert(expected.end(), name, name + 4);
    expected.insert(expected.end(), {0x02, 0xFF});
  }
  expected.insert(expected.end(), {0x00, 0x00});
  EXPECT_EQ(Saved(group), expected);
  EXPECT_EQ(group.GetCounts().animations, 0);
  EXPECT_EQ(group.BusyCount(), 0);

  // Reading it back leaves the group empty.
  TSAG read(clock_);
  FillSample(read);
  ASSERT_TRUE(Load(read, expected, false));
  EXPECT_EQ(read.GetCounts().animations, 0);
  EXPECT_EQ(read.GetCounts().elements, 0);
}

TEST_F(GroupStreamTest, RoundTripKeepsElementsAndStripsExactly) {
  TSAG written(clock_);
  FillSample(written);
  const Bytes bytes = Saved(written);

  TSAG read(clock_);
  AddShown(read, test::NoisyStrip(5, 5), 5);  // replaced: no merge
  ASSERT_TRUE(Load(read, bytes, false));
  ASSERT_EQ(read.GetCounts().animations, 2);
  ASSERT_EQ(read.GetCounts().elements, 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ElementOf(read, i), ElementOf(written, i));
  }
  for (int i = 0; i < 2; ++i) {
    const TSAN* original = nullptr;
    const TSAN* copy = nullptr;
    written.GetAnimation(i, original);
    read.GetAnimation(i, copy);
    EXPECT_EQ(copy->Strip(), original->Strip());
    EXPECT_EQ(copy->pW(), original->pW());
    EXPECT_EQ(copy->Owner(), &read);
  }
  EXPECT_EQ(Saved(read), bytes);
}

TEST_F(GroupStreamTest, MergingAppendsAnimationsAndElements) {
  TSAG two(clock_);
  AddShown(two, test::NoisyStrip(11, 4), 11);
  AddShown(two, test::NoisyStrip(12, 4), 12);
  const Bytes bytes = Saved(two);

  TSAG three(clock_);
  for (int width : {21, 22, 23}) AddShown(three, test::NoisyStrip(width, 4), width);
  ASSERT_TRUE(Load(three, bytes, true));
  EXPECT_EQ(three.MergeBase(), 3);
  ASSERT_EQ(three.GetCounts().animations, 5);
  ASSERT_EQ(three.GetCounts().elements, 5);
  EXPECT_EQ(ElementOf(three, 3).pID, 3);
  EXPECT_EQ(ElementOf(three, 4).pID, 4);
  EXPECT_EQ(ElementOf(three, 4).Width, 12);
  EXPECT_TRUE(ElementOf(three, 4).Shown);
  EXPECT_EQ(ElementOf(three, 0).Width, 21);
}

TEST_F(GroupStreamTest, EveryTruncationFailsAndLeavesNoTrace) {
  TSAG written(clock_);
  FillSample(written);
  const Bytes bytes = Saved(written);
  TSAG group(clock_);
  AddShown(group, test::NoisyStrip(7, 7), 7);
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    ASSERT_FALSE(Load(group, Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)), true)) << size;
    EXPECT_EQ(group.LastError(), "Unknown format");
    ASSERT_EQ(group.GetCounts().animations, 1) << size;
    ASSERT_EQ(group.GetCounts().elements, 1) << size;
    EXPECT_EQ(group.BusyCount(), 0);
  }
}

TEST_F(GroupStreamTest, MutatedBytesLeaveAConsistentGroup) {
  TSAG written(clock_);
  FillSample(written);
  const Bytes bytes = Saved(written);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    for (const std::uint8_t mask : {0x01, 0x80, 0xFF}) {
      Bytes mutated = bytes;
      mutated[at] ^= mask;
      TSAG group(clock_);
      AddShown(group, test::NoisyStrip(7, 7), 7);
      Load(group, mutated, (at & 1) != 0);
      const auto counts = group.GetCounts();
      ASSERT_LE(counts.animations, TSAG::kMaxAnimations);
      for (int i = 0; i < counts.animations; ++i) {
        const TSAN* animation = nullptr;
        ASSERT_TRUE(group.GetAnimation(i, animation));
        ASSERT_EQ(animation->Index(), i);
      }
      for (int i = 0; i < counts.elements; ++i) {
        const TElementRec element = ElementOf(group, i);
        ASSERT_GE(element.pID, 0) << at;
        ASSERT_LT(element.pID, counts.animations) << at;
        ASSERT_GE(element.pD, 0);
        ASSERT_LE(element.pD, 5000);
        ASSERT_LE(element.pF, 2);
      }
    }
  }
}

TEST_F(GroupStreamTest, AnnouncedCountsCannotRunAway) {
  // 205 animations offered: the table takes 200. 1100 elements offered: the list takes 1000.
  std::vector<std::int32_t> ids(1100, 0);
  ids.insert(ids.begin(), 204);
  TSAG group(clock_);
  ASSERT_TRUE(Load(group, HandMadeGroup(INT_MAX, INT_MAX, AnimationRecords(205), ElementRecords(ids)), false));
  EXPECT_EQ(group.GetCounts().elements, TSAG::kMaxElements);
  EXPECT_EQ(group.GetCounts().animations, 1);  // the others had no element
  EXPECT_EQ(group.BusyCount(), 0);

  // More announced than present is damage, and a fresh group stays empty.
  TSAG short_of_records(clock_);
  EXPECT_FALSE(Load(short_of_records, HandMadeGroup(INT_MAX, 0, AnimationRecords(2), ElementRecords({0})), false));
  EXPECT_EQ(short_of_records.GetCounts().animations, 0);
  EXPECT_FALSE(Load(short_of_records, HandMadeGroup(0, INT_MAX, AnimationRecords(1), ElementRecords({0})), false));
  EXPECT_EQ(short_of_records.GetCounts().elements, 0);
}

TEST_F(GroupStreamTest, LoadedElementsOnlyReachTheLoadedAnimations) {
  TSAG group(clock_);
  AddShown(group, test::NoisyStrip(7, 7), 7);
  // -1 would become 0, the group's own animation; 1 names nothing loaded.
  ASSERT_TRUE(Load(group, HandMadeGroup(0, 2, AnimationRecords(1), ElementRecords({-1, 1, 0})), true));
  ASSERT_EQ(group.GetCounts().elements, 2);
  EXPECT_EQ(ElementOf(group, 1).pID, 1);
  EXPECT_EQ(group.GetCounts().animations, 2);
}

TEST_F(GroupStreamTest, LoadedSettingsAreClamped) {
  MemoryStream records;
  TAEO element;
  element.pID = 0;
  element.pD = 99999;
  element.pF = 300;
  element.pSH = INT_MAX;
  element.pSSV = INT_MIN;
  WriteObject(records, element);
  TSAG group(clock_);
  group.Paused = true;  // keeps the loaded offsets as they were clamped
  ASSERT_TRUE(Load(group, HandMadeGroup(0, 0, AnimationRecords(1), records.AsString()), false));
  const TElementRec loaded = ElementOf(group, 0);
  EXPECT_EQ(loaded.pD, 5000);
  EXPECT_EQ(loaded.pF, 2);
  EXPECT_EQ(loaded.pSH, 99);
  EXPECT_EQ(loaded.pSSV, 0);
}

TEST_F(GroupStreamTest, FilesRoundTripAndNameTheirFailures) {
  test::ScratchFolder folder;
  const std::string path = folder.File("group.SAG");
  TSAG written(clock_);
  FillSample(written);
  ASSERT_TRUE(written.SaveToFile(path));
  EXPECT_EQ(test::FileBytes(path), Saved(written));

  TSAG read(clock_);
  ASSERT_TRUE(read.LoadFromFile(path, false));
  EXPECT_EQ(read.GetCounts().elements, 3);
  ASSERT_TRUE(read.LoadFromFile(path, true));
  EXPECT_EQ(read.GetCounts().elements, 6);
  EXPECT_EQ(read.GetCounts().animations, 4);

  EXPECT_FALSE(read.LoadFromFile(folder.File("missing.SAG"), false));
  EXPECT_EQ(read.LastError(), "File not found");
  EXPECT_FALSE(read.SaveToFile(folder.File("missing/group.SAG")));
  EXPECT_EQ(read.LastError(), "File in use");
}

TEST_F(GroupStreamTest, SavedElementCarriesItsSettingsButNoPosition) {
  test::ScratchFolder folder;
  const std::string path = folder.File("element.SAN");
  TSAG group(clock_);
  FillSample(group);
  EXPECT_FALSE(group.SaveElementToFile(3, path));
  EXPECT_EQ(group.LastError(), "Index out of range");
  ASSERT_TRUE(group.SaveElementToFile(2, path));

  TSAG other(clock_);
  int index = -1;
  ASSERT_TRUE(other.AddFromFile(path, index));
  const TElementRec source = ElementOf(group, 2);
  const TElementRec added = ElementOf(other, index);
  EXPECT_EQ(added.pX, 0);
  EXPECT_EQ(added.pY, 0);
  EXPECT_EQ(added.pD, source.pD);
  EXPECT_EQ(added.pF, source.pF);
  EXPECT_EQ(added.pSH, source.pSH);
  EXPECT_EQ(added.pSV, source.pSV);
  EXPECT_EQ(added.pT, source.pT);
  EXPECT_EQ(added.pFV, source.pFV);
  EXPECT_EQ(added.pFH, source.pFH);
  EXPECT_EQ(added.FrameCount, source.FrameCount);
  EXPECT_FALSE(added.Shown);
}

}  // namespace
}  // namespace plorvane
