// The shared clipboard files: what each copy leaves, what another editor and a later run paste
// from it, and what damaged, foreign or unreplaceable files do.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clipboard_fixture.h"
#include "support/file_io.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

using Op = ClipboardOperation;

bool Contains(const std::vector<std::uint8_t>& bytes, std::string_view part) {
  return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

// Makes a folder refuse new entries and renames for as long as it lives: immutable for root
// (whom permissions do not stop), read-only for everyone else.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(std::string folder) : folder_(std::move(folder)) { ok_ = Hold(true); }
  ~UnwritableFolder() { Hold(false); }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;
  [[nodiscard]] bool ok() const { return ok_; }

 private:
  bool Hold(bool held) const {
    if (::geteuid() != 0) return ::chmod(folder_.c_str(), held ? 0555 : 0755) == 0;
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
      flags = held ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
  }

  std::string folder_;
  bool ok_ = false;
};

struct FrameSettings {
  int split, shade, size;
  Colour colour;
  bool swap;
  friend bool operator==(const FrameSettings&, const FrameSettings&) = default;
};

FrameSettings FrameOf(const TZarvickV2& card) {
  return {card.pSplit(), card.pShade(), card.pSize(), card.pColor(), card.pSwapColor()};
}

TEST_F(ClipboardTest, AnimationCopiedIsPastedByAnotherEditorAndByALaterRun) {
  PlaceAnimation(*card_, 16, 12, 3, 7);
  const TSAN* placed = nullptr;
  ASSERT_TRUE(card_->Animations().GetAnimation(0, placed));
  const Bitmap original = placed->Strip();  // the first card is gone before the later run pastes
  ASSERT_TRUE(clipboard_.Run(Op::kCopyAnimation)) << clipboard_.LastError();
  ASSERT_TRUE(clipboard_.Run(Op::kCopyAllAnimations)) << clipboard_.LastError();

  auto check_paste = [&](TZarvickClipboard& other_clipboard) {
    auto other = NewEditorCard();
    other_clipboard.SetPlatform(&platform_);
    other_clipboard.SetCard(other.get());
    ASSERT_TRUE(other_clipboard.Allowed(Op::kPasteAnimation));
    ASSERT_TRUE(other_clipboard.Run(Op::kPasteAnimation)) << other_clipboard.LastError();
    ASSERT_TRUE(other_clipboard.Run(Op::kPasteAllAnimations)) << other_clipboard.LastError();
    ASSERT_EQ(other->Animations().GetCounts().elements, 2);
    for (int i = 0; i < 2; ++i) {
      const TSAN* pasted = nullptr;
      ASSERT_TRUE(other->Animations().GetAnimation(i, pasted));
      EXPECT_EQ(pasted->Strip(), original);
      EXPECT_EQ(pasted->pW(), 16);
      TElementRec element;
      other->Animations().GetElement(i, element);
      EXPECT_TRUE(element.Shown);
    }
    other_clipboard.SetCard(nullptr);
  };

  TZarvickClipboard second_editor;
  check_paste(second_editor);
  // The first editor ends; its files stay for the next run.
  clipboard_.SetCard(nullptr);
  card_.reset();
  TZarvickClipboard later_run;
  check_paste(later_run);
}

TEST_F(ClipboardTest, CutAnimationRemovesOnlyAfterTheCopy) {
  PlaceAnimation(*card_, 16, 12, 3);
  ASSERT_TRUE(clipboard_.Run(Op::kCutAnimation)) << clipboard_.LastError();
  EXPECT_EQ(card_->Animations().GetCounts().elements, 0);
  EXPECT_TRUE(Exists("SAN"));
  ASSERT_TRUE(card_->Undo());
  EXPECT_EQ(card_->Animations().GetCounts().elements, 1);
}

TEST_F(ClipboardTest, SoundIsCopiedAsSndAndAsItsOwnKind) {
  struct SoundCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* kind;
    const char* other_kind;
  };
  for (const SoundCase& c :
       {SoundCase{"wave.wav", WaveFile(), "WAV", "MID"}, SoundCase{"tune.mid", MidiFile(), "MID", "WAV"}}) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(std::filesystem::path(File("SND")).parent_path());
    GiveSound(*card_, c.bytes, c.name);
    ASSERT_TRUE(clipboard_.Run(Op::kCopySound)) << clipboard_.LastError();
    EXPECT_EQ(FileBytes(File("SND")), c.bytes);
    EXPECT_EQ(FileBytes(File(c.kind)), c.bytes);
    EXPECT_FALSE(Exists(c.other_kind));

    const int type = card_->pSoundType();
    ASSERT_TRUE(clipboard_.Run(Op::kCutSound));
    EXPECT_FALSE(card_->HasSound());
    ASSERT_TRUE(clipboard_.Run(Op::kPasteSound)) << clipboard_.LastError();
    EXPECT_EQ(card_->SoundData(), c.bytes);
    EXPECT_EQ(card_->pSoundType(), type);
  }
}

TEST_F(ClipboardTest, CursorAndIconFilesBecomeTheCardsCursor) {
  GiveCursor(*card_);
  const std::vector<std::uint8_t> cursor = card_->CursorData();
  ASSERT_TRUE(clipboard_.Run(Op::kCutCursor)) << clipboard_.LastError();
  EXPECT_EQ(FileBytes(File("CUR")), cursor);
  EXPECT_FALSE(card_->HasCursor());
  ASSERT_TRUE(clipboard_.Run(Op::kPasteCursor)) << clipboard_.LastError();
  EXPECT_EQ(card_->CursorData(), cursor);

  const auto icon = IconFile(kIcoType, {SolidImage(32, 8, {1, 2, 3, 255})});
  WriteBytes(File("ICO"), icon);
  ASSERT_TRUE(clipboard_.Run(Op::kPasteFromIcon)) << clipboard_.LastError();
  EXPECT_EQ(card_->CursorData(), icon);
  ASSERT_TRUE(clipboard_.Run(Op::kDefaultCursor));
  EXPECT_FALSE(card_->HasCursor());
  EXPECT_TRUE(platform_.cursors().SlotHoldsHandPoint());
}

TEST_F(ClipboardTest, CutFrameAndPasteItBackInOneUndoStep) {
  card_->SetSplit(30);
  card_->SetColor(MakeColour(10, 200, 30));
  card_->SetSwapColor(true);
  card_->SetSize(22);
  card_->SetShade(70);
  card_->Redraw(true);
  const FrameSettings copied = FrameOf(*card_);

  ASSERT_TRUE(clipboard_.Run(Op::kCutFrame)) << clipboard_.LastError();
  EXPECT_EQ(card_->pSize(), 0);
  EXPECT_EQ(card_->FrameBitmap().width(), card_->PictureLayer().width());
  ASSERT_TRUE(card_->ApplyCollection("Stern"));
  card_->SetSize(5);
  const FrameSettings before_paste = FrameOf(*card_);

  ASSERT_TRUE(clipboard_.Run(Op::kPasteFrame)) << clipboard_.LastError();
  EXPECT_EQ(FrameOf(*card_), copied);
  EXPECT_EQ(card_->FrameBitmap().width(), card_->PictureLayer().width() + 2 * 22);
  ASSERT_TRUE(card_->Undo());
  EXPECT_EQ(FrameOf(*card_), before_paste);
}

TEST_F(ClipboardTest, CopiedEmptyLinkClearsTheLinkWherePasted) {
  card_->SetLinkColor(MakeColour(1, 2, 3));
  ASSERT_TRUE(clipboard_.Run(Op::kCopyLink)) << clipboard_.LastError();
  const auto file = FileBytes(File("LK"));
  EXPECT_TRUE(Contains(file, "\x07TLinkIO"));
  EXPECT_FALSE(Contains(file, "\x04Link"));

  // Another editor that copied a link of its own earlier still pastes what the file says.
  auto other = NewEditorCard();
  other->SetLink("http://other.example/");
  TZarvickClipboard other_clipboard;
  other_clipboard.SetPlatform(&platform_);
  other_clipboard.SetCard(other.get());
  other_clipboard.LinkIO().Link = "http://stale.example/";
  ASSERT_TRUE(other_clipboard.Run(Op::kPasteLink)) << other_clipboard.LastError();
  EXPECT_EQ(other->pLink(), "");
  EXPECT_EQ(other->pLinkColor(), MakeColour(1, 2, 3));

  card_->SetLink("mailto:someone@example.org");
  ASSERT_TRUE(clipboard_.Run(Op::kCutLink));
  EXPECT_EQ(card_->pLink(), "");
  ASSERT_TRUE(other_clipboard.Run(Op::kPasteLink));
  EXPECT_EQ(other->pLink(), "mailto:someone@example.org");
}

// A clipboard file of the wrong kind, cut short or not a record at all: the paste fails with
// the reader's text and the card keeps everything, its saved state included.
TEST_F(ClipboardTest, DamagedOrForeignFilesLeaveTheCardAlone) {
  card_->SetLink("http://example.org/");
  ASSERT_TRUE(clipboard_.Run(Op::kCopyLink));
  ASSERT_TRUE(clipboard_.Run(Op::kCopyFrame));
  const auto link_file = FileBytes(File("LK"));
  const auto frame_file = FileBytes(File("FRA"));
  card_->SetSaved(true);
  const auto before = CardStream(*card_);

  struct DamageCase {
    const char* what;
    const char* kind;
    std::vector<std::uint8_t> bytes;
    Op paste;
  };
  const std::vector<DamageCase> cases{
      {"link file as frame", "FRA", link_file, Op::kPasteFrame},
      {"frame file as link", "LK", frame_file, Op::kPasteLink},
      {"frame cut short", "FRA", {frame_file.begin(), frame_file.end() - 5}, Op::kPasteFrame},
      {"link cut short", "LK", {link_file.begin(), link_file.begin() + 12}, Op::kPasteLink},
      {"not a record", "FRA", {'h', 'e', 'l', 'l', 'o'}, Op::kPasteFrame},
      {"empty", "LK", {}, Op::kPasteLink},
  };
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(File(c.kind), c.bytes);
    EXPECT_FALSE(clipboard_.Run(c.paste));
    EXPECT_EQ(clipboard_.LastError(), msg::kUnknownFormat);
    EXPECT_TRUE(card_->Saved());
    EXPECT_EQ(CardStream(*card_), before);
  }
}

// Another program holds the folder so the file cannot be replaced: every copy fails with
// "File in use" and the file there stays as it was.
TEST_F(ClipboardTest, UnreplaceableFileFailsAndStays) {
  PlaceAnimation(*card_, 16, 12, 2);
  GiveCursor(*card_);
  GiveSound(*card_, WaveFile(), "s.wav");
  const std::vector<std::pair<Op, const char*>> copies{{Op::kCopyAnimation, "SAN"}, {Op::kCopyAllAnimations, "SAG"},
                                                       {Op::kCopyCursor, "CUR"},    {Op::kCopySound, "SND"},
                                                       {Op::kCopyFrame, "FRA"},     {Op::kCopyLink, "LK"}};
  const std::vector<std::uint8_t> old_bytes{'o', 'l', 'd'};
  for (const auto& [copy, kind] : copies) WriteBytes(File(kind), old_bytes);
  const auto folder = std::filesystem::path(File("LK")).parent_path().string();
  const UnwritableFolder held(folder);
  if (!held.ok()) GTEST_SKIP() << "this file system cannot make a folder unwritable";

  for (const auto& [copy, kind] : copies) {
    SCOPED_TRACE(kind);
    EXPECT_FALSE(clipboard_.Run(copy));
    EXPECT_EQ(clipboard_.LastError(), msg::kFileInUse);
    EXPECT_EQ(FileBytes(File(kind)), old_bytes);
  }
  // A failed copy is no cut: the card keeps its parts.
  EXPECT_FALSE(clipboard_.Run(Op::kCutFrame));
  EXPECT_NE(card_->pSize(), 0);
  EXPECT_FALSE(clipboard_.Run(Op::kCutSound));
  EXPECT_TRUE(card_->HasSound());
}

}  // namespace
}  // namespace plorvane::test
