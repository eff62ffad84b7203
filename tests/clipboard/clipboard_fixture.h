#pragma once
// An editor card in a temporary home on the headless platform, with the card clipboard set on
// it, and the parts the clipboard tests put on cards.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "animation/animation_test_support.h"
#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "graphics/cursor_files.h"
#include "platform/headless/headless_platform.h"
#include "sound_files.h"
#include "support/temp_home.h"

namespace plorvane::test {

// A shown element of a new animation: `frames` frames of `frame_width` by `height`.
inline int PlaceAnimation(TZarvickV2& card, int frame_width, int height, int frames, std::uint32_t seed = 1) {
  int index = -1;
  if (!card.Animations().AddFromBitmap(NoisyStrip(frame_width * frames, height, seed), frame_width, index)) return -1;
  TElementRec element;
  card.Animations().GetElement(index, element);
  element.Shown = true;
  card.Animations().SetElement(index, element);
  return index;
}

class ClipboardTest : public ::testing::Test {
 protected:
  ClipboardTest() {
    clipboard_.SetPlatform(&platform_);
    clipboard_.SetCard(card_.get());
  }

  std::unique_ptr<TZarvickV2> NewEditorCard() { return std::make_unique<TZarvickV2>(platform_, CardMode::kEditor); }

  // The card's cursor taken from a file of that kind written in the scratch folder.
  void GiveCursor(TZarvickV2& card) {
    const std::string file = folder_.File("given.cur");
    WriteBytes(file, SolidCursor({10, 20, 30, 255}, 5, 7));
    ASSERT_TRUE(card.LoadCursor(file)) << card.LastError();
  }
  void GiveSound(TZarvickV2& card, const std::vector<std::uint8_t>& bytes, const std::string& name) {
    const std::string file = folder_.File(name);
    WriteBytes(file, bytes);
    ASSERT_TRUE(card.LoadSound(file)) << card.LastError();
  }

  static std::string File(std::string_view kind) { return TZarvickClipboard::ObjectFile(kind); }
  static bool Exists(std::string_view kind) { return std::filesystem::exists(File(kind)); }
  std::vector<std::uint8_t> CardStream(TZarvickV2& card) {
    MemoryStream stream;
    EXPECT_TRUE(card.SaveToStream(stream)) << card.LastError();
    return stream.bytes();
  }

  testing::TempHome home_;
  // The scratch folder lives in the temporary home's TMPDIR, which must exist first.
  bool tmp_made_ = std::filesystem::create_directories(std::getenv("TMPDIR"));
  ScratchFolder folder_;
  HeadlessPlatform platform_;
  std::unique_ptr<TZarvickV2> card_ = NewEditorCard();
  TZarvickClipboard clipboard_;
};

}  // namespace plorvane::test
