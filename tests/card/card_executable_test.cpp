#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "card/card_format.h"
#include "card/legacy_card.h"
#include "card_fixture.h"
#include "streaming/component_string.h"
#include "streaming/object_stream.h"
#include "streaming/record_writer.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

TEST_F(CardTest, SavingTwiceGivesTheSameLengthAndTheEstimatedSize) {
  const std::string first = folder_.File("card.exe");
  const std::string second = folder_.File("again.exe");
  const std::int64_t estimated = card_->EstimatedSize();
  ASSERT_TRUE(card_->SaveToExecutable(first)) << card_->LastError();
  ASSERT_TRUE(card_->SaveToExecutable(second)) << card_->LastError();

  const auto bytes = FileBytes(first);
  EXPECT_EQ(static_cast<std::int64_t>(bytes.size()), estimated);
  EXPECT_EQ(FileBytes(second).size(), bytes.size());
  EXPECT_EQ(static_cast<std::int64_t>(bytes.size()), kCardStreamOffset + static_cast<std::int64_t>(Saved(*card_).size()));
  const auto stub = FakePlayerImage();
  EXPECT_TRUE(std::equal(stub.begin(), stub.end(), bytes.begin()));
  EXPECT_TRUE(std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(stub.size()), bytes.begin() + kCardStreamOffset,
                          [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(card_->FileName(), second);
  EXPECT_TRUE(card_->Saved());
  const mode_t umask = ::umask(0);  // only read: put back at once
  ::umask(umask);
  EXPECT_TRUE(std::filesystem::status(first).permissions() == std::filesystem::perms(0777 & ~umask));
}

TEST_F(CardTest, AnExistingCardIsReplacedAndAnyOtherFileIsRefusedUntouched) {
  const std::string card_file = folder_.File("card.exe");
  ASSERT_TRUE(card_->SaveToExecutable(card_file));
  card_->SetSize(20);
  ASSERT_TRUE(card_->SaveToExecutable(card_file)) << card_->LastError();
  auto reopened = NewEditorCard();
  ASSERT_TRUE(reopened->LoadFromFile(card_file));
  EXPECT_EQ(reopened->pSize(), 20);

  const std::string program = folder_.File("program.exe");
  const std::vector<std::uint8_t> other(500000, 0x90);
  WriteBytes(program, other);
  CardVersion kind = CardVersion::kCurrent;
  EXPECT_FALSE(card_->CheckTarget(program, kind));
  EXPECT_EQ(kind, CardVersion::kNone);
  EXPECT_FALSE(card_->SaveToExecutable(program));
  EXPECT_EQ(card_->LastError(), msg::kProgramExists);
  EXPECT_EQ(FileBytes(program), other);

  // A bare card stream is a document, not a card executable: it is not overwritten either.
  const std::string bare = folder_.File("bare.exe");
  WriteBytes(bare, Saved(*card_));
  EXPECT_FALSE(card_->SaveToExecutable(bare));
}

TEST_F(CardTest, WithoutAPlayerImageNothingIsWritten) {
  card_->SetPlayerStub({});
  EXPECT_FALSE(card_->SaveToExecutable(folder_.File("card.exe")));
  EXPECT_EQ(card_->LastError(), msg::kUnexpectedError);
  EXPECT_FALSE(std::filesystem::exists(folder_.File("card.exe")));
}

TEST_F(CardTest, OpeningFilesOfEveryKind) {
  const std::string card_file = folder_.File("card.exe");
  card_->SetLink("http://example.org/");
  ASSERT_TRUE(card_->SaveToExecutable(card_file));
  const std::string copy = folder_.File("renamed copy.exe");
  std::filesystem::copy_file(card_file, copy);
  auto other = NewEditorCard();
  ASSERT_TRUE(other->LoadFromFile(copy)) << other->LastError();
  EXPECT_EQ(other->pLink(), "http://example.org/");
  EXPECT_EQ(other->FileName(), copy);

  const std::string bare = folder_.File("bare.card");
  WriteBytes(bare, Saved(*card_));
  EXPECT_TRUE(other->LoadFromFile(bare));

  const std::string short_file = folder_.File("short.exe");
  WriteBytes(short_file, std::vector<std::uint8_t>(300000, 1));
  EXPECT_FALSE(other->LoadFromFile(short_file));
  EXPECT_EQ(other->LastError(), msg::kUnknownFormat);

  EXPECT_FALSE(other->LoadFromFile(folder_.File("missing.exe")));
  EXPECT_EQ(other->LastError(), msg::kFileNotFound);
}

// Writing stops at a file size limit, as it would on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*old_handler_)(int) = nullptr;
};

TEST_F(CardTest, FailedWriteKeepsTheOldCard) {
  const std::string card_file = folder_.File("card.exe");
  ASSERT_TRUE(card_->SaveToExecutable(card_file));
  const auto before = FileBytes(card_file);
  card_->SetSize(5);
  {
    FileSizeLimit limit(100000);
    EXPECT_FALSE(card_->SaveToExecutable(card_file));
  }
  EXPECT_EQ(card_->LastError(), msg::kOutOfDiskSpace);
  EXPECT_EQ(FileBytes(card_file), before);
  EXPECT_EQ(folder_.EntryCount(), 1);  // no temporary file left behind
}

// The first card format, written field by field: signature record, then the TZarvickV1 record.
std::vector<std::uint8_t> LegacyExecutable(bool with_link) {
  MemoryStream stream;
  stream.Write(std::vector<std::uint8_t>(kLegacyCardStreamOffset, 0x11));
  TComponentString signature;
  signature.X = kLegacySignature;
  WriteObject(stream, signature);
  RecordWriter writer(stream);
  writer.BeginRecord("TZarvickV1");
  writer.Integer("SoundType", 2);
  const auto wave = WaveFile();
  writer.String("Sound", std::string(wave.begin(), wave.end()));
  writer.Integer("Split", 50);
  writer.Integer("Color", 0x00FF00);
  writer.Boolean("SwapColor", true);
  writer.Integer("Size", 90);
  writer.Integer("Shade", 30);
  if (with_link) writer.String("Link", "http://old.example/");
  writer.Integer("LinkColor", 0xFF);
  writer.EndRecord();
  return stream.bytes();
}

TEST_F(CardTest, FirstFormatCardsOpenAndSaveInTheCurrentFormat) {
  LegacyReader().Attach(card_.get());
  const std::string old_card = folder_.File("old.exe");
  WriteBytes(old_card, LegacyExecutable(true));
  ASSERT_TRUE(card_->LoadFromFile(old_card)) << card_->LastError();
  EXPECT_EQ(card_->pSize(), 75);
  EXPECT_EQ(card_->pSplit(), 50);
  EXPECT_EQ(card_->pShade(), 30);
  EXPECT_TRUE(card_->pSwapColor());
  EXPECT_EQ(card_->pLink(), "http://old.example/");
  EXPECT_EQ(card_->SoundData(), WaveFile());

  WriteBytes(old_card, LegacyExecutable(false));
  ASSERT_TRUE(card_->LoadFromFile(old_card));
  EXPECT_EQ(card_->pLink(), "");

  const std::string converted = folder_.File("converted.exe");
  ASSERT_TRUE(card_->SaveToExecutable(converted));
  MemoryStream stream(FileBytes(converted));
  EXPECT_EQ(TZarvickV2::DetectCard(stream, true), CardVersion::kCurrent);
  LegacyReader().Attach(nullptr);
}

TEST_F(CardTest, FirstFormatCardsNeedTheLegacyReader) {
  const std::string old_card = folder_.File("old.exe");
  WriteBytes(old_card, LegacyExecutable(true));
  EXPECT_FALSE(card_->LoadFromFile(old_card));
  EXPECT_EQ(card_->LastError(), msg::kUnsupportedFormat);
}

TEST_F(CardTest, BrokenFirstFormatBodyIsDataCorruptOnceSomethingWasApplied) {
  LegacyReader().Attach(card_.get());
  auto bytes = LegacyExecutable(true);
  bytes.resize(bytes.size() - 20);
  const std::string old_card = folder_.File("old.exe");
  WriteBytes(old_card, bytes);
  EXPECT_FALSE(card_->LoadFromFile(old_card));
  EXPECT_EQ(card_->LastError(), msg::kDataCorrupt);
  LegacyReader().Attach(nullptr);
}

}  // namespace
}  // namespace plorvane::test
