#include <gtest/gtest.h>

#include <random>
#include <string>

#include "card/card_format.h"
#include "card_fixture.h"
#include "graphics/cursor_files.h"
#include "graphics/jpeg_codec.h"
#include "graphics/jpeg_graphic.h"
#include "streaming/component_string.h"
#include "streaming/object_stream.h"
#include "streaming/pic.h"
#include "streaming/record_writer.h"
#include "support/limits.h"
#include "support/messages.h"
#include "support/zip_handler.h"

namespace plorvane::test {
namespace {

bool Contains(const std::vector<std::uint8_t>& bytes, std::string_view what) {
  return std::search(bytes.begin(), bytes.end(), what.begin(), what.end(),
                     [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); }) != bytes.end();
}

// A JPEG picture whose header claims `side` x `side` pixels around the data of an 8 x 8 one: the
// card learns its size from the header alone, so nothing of that size is ever decoded here.
Picture JpegClaiming(int side) {
  Bitmap pixels;
  EXPECT_TRUE(pixels.Resize(8, 8, kWhite));
  std::vector<std::uint8_t> jpeg;
  EXPECT_TRUE(EncodeJpeg(pixels, 80, jpeg));
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC0) continue;  // the frame header: length, precision, height, width
    for (const std::size_t at : {i + 5, i + 7}) {
      jpeg[at] = static_cast<std::uint8_t>(side >> 8);
      jpeg[at + 1] = static_cast<std::uint8_t>(side);
    }
    break;
  }
  Picture picture;
  picture.SetGraphic(TJPEGImage::FromBytes(std::move(jpeg)));
  EXPECT_EQ(picture.PixelCount(), std::int64_t{side} * side);
  return picture;
}

// A card stream whose record holds only this picture, written without drawing it.
std::vector<std::uint8_t> CardStreamWithPicture(const Picture& picture) {
  MemoryStream record;
  TPic pic;
  pic.pPic = picture;
  WriteObject(record, pic);
  std::string packed;
  EXPECT_TRUE(ZipHandler().CompressBytes(record.bytes(), packed));
  MemoryStream stream;
  TComponentString signature;
  signature.X = kCardSignature;
  WriteObject(stream, signature);
  RecordWriter writer(stream);
  writer.BeginRecord(TZarvickV2::kClassName);
  writer.String("pPicture", packed);
  writer.EndRecord();
  return stream.bytes();
}

// A card that differs from a new card in every part it can carry.
class RichCardTest : public CardTest {
 protected:
  void SetUp() override {
    Bitmap pixels;
    ASSERT_TRUE(pixels.Resize(40, 30, MakeColour(10, 200, 30)));
    Picture picture;
    picture.SetGraphic(TJPEGImage::FromBitmap(pixels, 80));
    card_->SetCardPicture(std::move(picture));
    WriteBytes(folder_.File("s.wav"), WaveFile());
    ASSERT_TRUE(card_->LoadSound(folder_.File("s.wav"))) << card_->LastError();
    card_->SetSplit(70);
    card_->SetColor(MakeColour(1, 2, 3));
    card_->SetSwapColor(true);
    card_->SetSize(33);
    card_->SetShade(44);
    card_->SetLink("http://example.org/");
    card_->SetLinkColor(MakeColour(200, 0, 0));
    WriteBytes(folder_.File("c.cur"), SolidCursor({10, 20, 30, 255}, 5, 7));
    ASSERT_TRUE(card_->LoadCursor(folder_.File("c.cur"))) << card_->LastError();

    TSAN animation;
    ASSERT_TRUE(animation.AssignStrip(NoisyStrip(60, 20), 20));
    animation.SaveToFile(folder_.File("a.SAN"));
    ASSERT_TRUE(card_->AddAnimation(folder_.File("a.SAN"))) << card_->LastError();
  }
};

TEST_F(RichCardTest, SavedCardReadsBackAsTheSameCard) {
  const auto bytes = Saved(*card_);

  auto other = NewEditorCard();
  ASSERT_TRUE(platform_.cursors().SlotHoldsHandPoint());  // the new card reset the slot
  MemoryStream stream(bytes);
  ASSERT_TRUE(other->LoadFromStream(stream)) << other->LastError();

  EXPECT_EQ(other->pSplit(), 70);
  EXPECT_EQ(other->pColor(), MakeColour(1, 2, 3));
  EXPECT_TRUE(other->pSwapColor());
  EXPECT_EQ(other->pSize(), 33);
  EXPECT_EQ(other->pShade(), 44);
  EXPECT_EQ(other->pLink(), "http://example.org/");
  EXPECT_EQ(other->pLinkColor(), MakeColour(200, 0, 0));
  EXPECT_EQ(other->pSoundType(), kWaveSound);
  EXPECT_EQ(other->SoundData(), WaveFile());
  EXPECT_EQ(other->CursorData(), SolidCursor({10, 20, 30, 255}, 5, 7));
  const auto& slot = platform_.cursors().slot();
  ASSERT_TRUE(slot.has_value()) << "the read cursor is shown";
  EXPECT_EQ(slot->frames.at(0).hot_spot.x, 5);
  EXPECT_EQ(slot->frames.at(0).hot_spot.y, 7);

  std::vector<std::uint8_t> original_block;
  std::vector<std::uint8_t> read_block;
  card_->CardPicture().SaveData(original_block);
  other->CardPicture().SaveData(read_block);
  EXPECT_EQ(read_block, original_block);  // the JPEG's own bytes

  ASSERT_EQ(other->Animations().GetCounts().elements, 1);
  TElementRec original;
  TElementRec read;
  card_->Animations().GetElement(0, original);
  other->Animations().GetElement(0, read);
  EXPECT_EQ(read.FrameCount, 3);
  EXPECT_EQ(read.pD, original.pD);
  EXPECT_TRUE(read.Shown);
  EXPECT_EQ(Saved(*other), bytes);
}

TEST_F(CardTest, NewCardWritesTheDocumentedTags) {
  const auto bytes = Saved(*card_);
  EXPECT_TRUE(Contains(bytes, std::string("\x05pSize\x02\x32", 8)));
  EXPECT_TRUE(Contains(bytes, std::string("\x06pColor\x04\x62\xA4\xFD\x00", 12)));
  EXPECT_FALSE(Contains(bytes, "pLink\x06"));
  EXPECT_FALSE(Contains(bytes, "pCursor"));
  EXPECT_TRUE(Contains(bytes, std::string("\x0ApLinkColor\x02\x00", 13)));

  card_->SetSize(0);
  card_->SetColor(255);
  EXPECT_TRUE(Contains(Saved(*card_), std::string("\x05pSize\x02\x00", 8)));
  EXPECT_TRUE(Contains(Saved(*card_), std::string("\x06pColor\x03\xFF\x00", 10)));
  card_->SetColor(0);
  EXPECT_TRUE(Contains(Saved(*card_), std::string("\x06pColor\x02\x00", 9)));
}

TEST_F(CardTest, StreamWithoutLinkAndCursorClearsThem) {
  const auto plain = Saved(*card_);
  card_->SetLink("mailto:someone@example.org");
  ASSERT_TRUE(card_->LoadCursor(""));
  MemoryStream stream(plain);
  ASSERT_TRUE(card_->LoadFromStream(stream));
  EXPECT_EQ(card_->pLink(), "");
  EXPECT_FALSE(card_->HasCursor());
  EXPECT_TRUE(platform_.cursors().SlotHoldsHandPoint());
}

TEST_F(CardTest, SignatureIsFoundAtTheStartOrBehind418000Bytes) {
  const auto bytes = Saved(*card_);
  MemoryStream padded(std::vector<std::uint8_t>(kCardStreamOffset, 0xAB));
  padded.Seek(kCardStreamOffset);
  padded.Write(bytes);
  const std::vector<std::uint8_t> executable = padded.bytes();

  for (const std::vector<std::uint8_t>* data : std::initializer_list<const std::vector<std::uint8_t>*>{&bytes, &executable}) {
    MemoryStream stream(*data);
    EXPECT_EQ(TZarvickV2::DetectCard(stream, data == &executable), CardVersion::kCurrent);
    auto other = NewEditorCard();
    MemoryStream again(*data);
    EXPECT_TRUE(other->LoadFromStream(again)) << other->LastError();
  }

  MemoryStream too_short(std::vector<std::uint8_t>(1000, 0));
  EXPECT_FALSE(card_->LoadFromStream(too_short));
  EXPECT_EQ(card_->LastError(), msg::kUnknownFormat);
  EXPECT_EQ(too_short.Position(), 0);
}

TEST_F(CardTest, SignatureFollowedByAnotherByteIsNotACard) {
  TComponentString signature;
  signature.X = std::string(kCardSignature) + "!";
  MemoryStream stream;
  WriteObject(stream, signature);
  stream.Seek(0);
  EXPECT_EQ(TZarvickV2::DetectCard(stream, false), CardVersion::kNone);
}

TEST_F(CardTest, EveryTruncationAndMutationIsUnknownFormatOrDataCorrupt) {
  card_->SetLink("http://example.org/");
  const auto bytes = Saved(*card_);
  auto other = NewEditorCard();
  const auto check = [&](const std::vector<std::uint8_t>& damaged) {
    MemoryStream stream(damaged);
    if (!other->LoadFromStream(stream)) {
      EXPECT_TRUE(other->LastError() == msg::kUnknownFormat || other->LastError() == msg::kDataCorrupt)
          << other->LastError();
    }
  };
  for (std::size_t length = 0; length < bytes.size(); length += 1 + length / 64) {
    check({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)});
  }
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    auto damaged = bytes;
    for (int j = 0; j < 4; ++j) damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    check(damaged);
  }
}

TEST_F(CardTest, CardBeyondThePixelAllowanceIsRefusedAndTheAboutPictureWaitsForAbout) {
  // One pixel row over the allowance is refused as a card that needs too much memory.
  int side = 1;
  while (std::int64_t{side} * side <= limits::kMaxCardPixels) ++side;
  MemoryStream huge(CardStreamWithPicture(JpegClaiming(side)));
  EXPECT_FALSE(card_->LoadFromStream(huge));
  EXPECT_EQ(card_->LastError(), msg::kOutOfMemory);
  EXPECT_EQ(card_->CardPicture().PixelCount(), std::int64_t{TZarvickV2::kBlankPictureSide} * TZarvickV2::kBlankPictureSide);

  // The same picture as the about picture costs nothing until About shows, and then it does not
  // fit beside the card's own: the box shows its texts alone.
  card_->SetAboutPicture(JpegClaiming(side));
  MemoryStream card(Saved(*card_));
  auto player = std::make_unique<TZarvickV2>(platform_, CardMode::kPlayer);
  ASSERT_TRUE(player->LoadFromStream(card)) << player->LastError();
  player->ShowAbout();
  EXPECT_LT(platform_.windowing().last_window()->ClientSize().width, side);
}

TEST_F(CardTest, UndoKeepsOneSnapshotAndTheSecondUndoIsARedo) {
  ASSERT_TRUE(card_->BeginChange());
  card_->SetSize(10);
  EXPECT_FALSE(card_->Saved());
  ASSERT_TRUE(card_->Undo());
  EXPECT_EQ(card_->pSize(), 50);
  ASSERT_TRUE(card_->Undo());
  EXPECT_EQ(card_->pSize(), 10);
}

}  // namespace
}  // namespace plorvane::test
