#include <gtest/gtest.h>

#include "card/frame_presets.h"
#include "card_fixture.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

TEST_F(CardTest, NewCardIsTheDefaultPresetOnABlankPicture) {
  EXPECT_EQ(card_->pSplit(), 100);
  EXPECT_EQ(card_->pShade(), 60);
  EXPECT_FALSE(card_->pSwapColor());
  EXPECT_EQ(card_->pColor(), MakeColour(98, 164, 253));
  EXPECT_EQ(card_->pSize(), 50);
  EXPECT_EQ(card_->pLinkColor(), kBlack);
  EXPECT_EQ(card_->pSoundType(), kNoSound);
  EXPECT_EQ(card_->FileName(), "Untitled.exe");
  EXPECT_TRUE(card_->Saved());
  EXPECT_EQ(card_->CollectionName(), "Modern");  // the first preset with split 100, shade 60, no swap
  EXPECT_EQ(card_->Window().ClientSize(), (PixelSize{430, 430}));
}

TEST_F(CardTest, SettersClampAndRaiseRedrawFlagsOnlyOnChange) {
  card_->Redraw(true);
  card_->SetSize(200);
  EXPECT_EQ(card_->pSize(), 75);
  card_->SetShade(250);
  EXPECT_EQ(card_->pShade(), 100);
  card_->SetSplit(230);
  EXPECT_EQ(card_->pSplit(), 230);
  card_->SetSoundType(3);
  EXPECT_EQ(card_->pSoundType(), 3);
  card_->RedrawIfChanged();
  EXPECT_FALSE(card_->AnyRedrawFlag());

  card_->SetColor(card_->pColor());
  card_->SetLinkColor(card_->pLinkColor());
  card_->SetLink(card_->pLink());
  EXPECT_FALSE(card_->AnyRedrawFlag());
  card_->SetLinkColor(MakeColour(1, 1, 1));
  EXPECT_TRUE(card_->AnyRedrawFlag());
}

TEST_F(CardTest, PresetsApplyByNameWithoutRegardToCase) {
  ASSERT_TRUE(card_->ApplyCollection("love"));
  EXPECT_EQ(card_->pColor(), MakeColour(255, 0, 0));
  EXPECT_EQ(card_->pSize(), 45);
  EXPECT_EQ(card_->CollectionIndex(), 1);  // presets 1, 7, 11 and 13 share split, shade and swap
  EXPECT_FALSE(card_->Saved());

  ASSERT_TRUE(card_->ApplyCollection("Traditional2"));
  EXPECT_EQ(card_->pSplit(), 70);
  EXPECT_EQ(card_->pColor(), MakeColour(255, 0, 0));  // a style keeps colour and size
  EXPECT_EQ(card_->pSize(), 45);

  card_->SetSaved(true);
  card_->ApplyCollection("No Such Preset");
  EXPECT_TRUE(card_->Saved());  // no undo snapshot was taken
  EXPECT_EQ(card_->pSplit(), 70);
}

TEST_F(CardTest, SoundsAreTypedByContentAndPlayThroughTheDevice) {
  WriteBytes(folder_.File("song.mid"), MidiFile());
  WriteBytes(folder_.File("empty.wav"), {});
  WriteBytes(folder_.File("notes.txt"), {'h', 'i'});

  EXPECT_FALSE(card_->LoadSound(folder_.File("empty.wav")));
  EXPECT_EQ(card_->LastError(), msg::kDataCorrupt);
  EXPECT_FALSE(card_->LoadSound(folder_.File("notes.txt")));
  EXPECT_EQ(card_->LastError(), msg::kUnknownFormat);
  EXPECT_FALSE(card_->HasSound());
  EXPECT_TRUE(card_->CanPlaySound() == false && card_->CanStopSound() == false);

  ASSERT_TRUE(card_->LoadSound(folder_.File("song.mid")));
  EXPECT_EQ(card_->pSoundType(), kMidiSound);
  EXPECT_EQ(card_->SoundExtension(), "MID");
  ASSERT_TRUE(card_->PlaySound()) << card_->LastError();
  EXPECT_TRUE(card_->IsPlaying());
  EXPECT_TRUE(card_->CanStopSound());
  card_->StopSound();
  EXPECT_FALSE(card_->IsPlaying());
  EXPECT_TRUE(card_->CanPlaySound());

  card_->SetSoundType(3);
  EXPECT_FALSE(card_->SoundExtension());
  EXPECT_TRUE(card_->PlaySound());  // nothing playable: nothing to do
  EXPECT_FALSE(card_->IsPlaying());
}

TEST_F(CardTest, SavedSoundIsTheLoadedFile) {
  EXPECT_FALSE(card_->SaveSound(folder_.File("out.wav")));
  EXPECT_EQ(card_->LastError(), msg::kTaskFailed);
  WriteBytes(folder_.File("in.wav"), WaveFile());
  ASSERT_TRUE(card_->LoadSound(folder_.File("in.wav")));
  ASSERT_TRUE(card_->SaveSound(folder_.File("out.wav")));
  EXPECT_EQ(FileBytes(folder_.File("out.wav")), WaveFile());
}

TEST_F(CardTest, DefaultCursorNeedsNoFileAndTakesAnUndoSnapshot) {
  card_->SetSaved(true);
  ASSERT_TRUE(card_->LoadCursor(""));
  EXPECT_FALSE(card_->Saved());
  EXPECT_FALSE(card_->HasCursor());
  EXPECT_FALSE(card_->SaveCursor(folder_.File("c.cur")));
  EXPECT_EQ(card_->LastError(), msg::kUnexpectedError);

  WriteBytes(folder_.File("bad.cur"), {1, 2, 3});
  EXPECT_FALSE(card_->LoadCursor(folder_.File("bad.cur")));
  EXPECT_EQ(card_->LastError(), msg::kUnknownFormat);
  EXPECT_FALSE(card_->LoadCursor(folder_.File("missing.cur")));
  EXPECT_EQ(card_->LastError(), msg::kFileNotFound);
}

}  // namespace
}  // namespace plorvane::test
