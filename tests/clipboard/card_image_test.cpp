// The card images: the framed card handed to the print companion, the system clipboard and a
// bitmap file, with the card put back as it was.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "clipboard_fixture.h"
#include "graphics/bmp_codec.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

class CardImageTest : public ClipboardTest {
 protected:
  CardImageTest() {
    card_->SetSize(12);
    PlaceAnimation(*card_, 20, 20, 2);
    card_->Redraw(true);
  }
  int ImageWidth() const { return card_->PictureLayer().width() + 2 * 12; }
};

TEST_F(CardImageTest, PrintToClipboardPutsTheFramedCardThereAndRestoresTheCard) {
  for (const bool locked : {false, true}) {
    SCOPED_TRACE(locked);
    ASSERT_TRUE(clipboard_.SetLocked(locked));
    ASSERT_TRUE(clipboard_.PrintToClipboard()) << clipboard_.LastError();
    const auto bitmap = platform_.clipboard().GetBitmap();
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), ImageWidth());
    EXPECT_EQ(bitmap->height(), card_->PictureLayer().height() + 2 * 12);
    EXPECT_EQ(clipboard_.Locked(), locked);
    EXPECT_FALSE(card_->AnimationsSuspended());
  }
  ASSERT_TRUE(clipboard_.SetLocked(false));
  platform_.clipboard().SetAvailable(false);
  EXPECT_FALSE(clipboard_.PrintToClipboard());
  EXPECT_EQ(clipboard_.LastError(), msg::kTaskFailed);
  EXPECT_FALSE(clipboard_.Locked());
}

// The image is the card as the player would show it: no selection outline, no menu label.
TEST_F(CardImageTest, ImageShowsNeitherOutlineNorMenuLabel) {
  ASSERT_TRUE(clipboard_.SetLocked(true));
  card_->SetMenuLabelVisible(false);
  card_->Redraw(true);
  const Bitmap expected = card_->FrameBitmap();
  ASSERT_TRUE(clipboard_.SetLocked(false));
  card_->SetMenuLabelVisible(true);
  card_->Animations().Select(0);
  card_->Redraw(true);
  const Bitmap editing = card_->FrameBitmap();
  ASSERT_NE(editing, expected);

  ASSERT_TRUE(clipboard_.PrintToClipboard());
  EXPECT_EQ(platform_.clipboard().GetBitmap(), expected);
  EXPECT_EQ(card_->FrameBitmap(), editing);
}

TEST_F(CardImageTest, PrintToFileWritesABitmapAndReplacesAReadOnlyFile) {
  TDialogSpec spec;
  platform_.dialogs().ScriptFileCancel();
  EXPECT_TRUE(clipboard_.PrintToFile(spec));
  EXPECT_TRUE(spec.FileName.empty());

  const std::string path = folder_.Write("card.bmp", "old");
  ::chmod(path.c_str(), 0444);
  platform_.dialogs().ScriptFileChoice(path);
  ASSERT_TRUE(clipboard_.PrintToFile(spec)) << clipboard_.LastError();
  EXPECT_EQ(spec.FileName, path);
  Bitmap written;
  ASSERT_TRUE(ReadBmp(FileBytes(path), written));
  ASSERT_TRUE(clipboard_.PrintToClipboard());
  EXPECT_EQ(written, platform_.clipboard().GetBitmap());
  ASSERT_FALSE(platform_.dialogs().file_dialogs().empty());
  EXPECT_TRUE(platform_.dialogs().file_dialogs().back().picture_preview);

  platform_.dialogs().ScriptFileChoice(folder_.File("missing/card.bmp"));
  EXPECT_FALSE(clipboard_.PrintToFile(spec));
  EXPECT_EQ(clipboard_.LastError(), msg::kFileInUse);
}

TEST_F(CardImageTest, PrintHandsTheBitmapToTheCompanion) {
  EXPECT_FALSE(clipboard_.Print("Untitled.exe (Zarvick)", folder_.File("no-printer")));
  EXPECT_EQ(clipboard_.LastError(), msg::kFileNotFound);

  const std::string printer = folder_.Write("printer", "#!/bin/sh\n");
  const std::string hand_over = TZarvickClipboard::PrintHandOverFile();
  {
    TZarvickClipboard printing;
    printing.SetPlatform(&platform_);
    printing.SetCard(card_.get());
    ASSERT_TRUE(printing.Print("Untitled.exe (Zarvick)", printer)) << printing.LastError();
    ASSERT_EQ(platform_.shell().started_programs().size(), 1U);
    EXPECT_EQ(platform_.shell().started_programs()[0],
              (ProgramStart{printer, {"Untitled.exe (Zarvick)", hand_over}, folder_.path()}));
    Bitmap written;
    ASSERT_TRUE(ReadBmp(FileBytes(hand_over), written));
    EXPECT_EQ(written.width(), ImageWidth());

    platform_.shell().SetSucceeds(false);
    EXPECT_FALSE(printing.Print("t", printer));
    EXPECT_EQ(printing.LastError(), msg::kTaskFailed);
  }
  // The editor ends: the hand-over file goes with it.
  EXPECT_FALSE(std::filesystem::exists(hand_over));
}

}  // namespace
}  // namespace plorvane::test
