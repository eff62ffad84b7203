#pragma once
// A card in a temporary home on the headless platform, with the files the card tests make.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "animation/animation_test_support.h"
#include "card/card.h"
#include "platform/headless/headless_platform.h"
#include "sound_files.h"
#include "support/temp_home.h"

namespace plorvane::test {

// A stand-in for the player image: any bytes do, the card only copies them.
inline std::vector<std::uint8_t> FakePlayerImage(std::size_t size = 1000) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 1);
  return image;
}

class CardTest : public ::testing::Test {
 protected:
  CardTest() { card_->SetPlayerStub(FakePlayerImage()); }

  std::vector<std::uint8_t> Saved(TZarvickV2& card) {
    MemoryStream stream;
    EXPECT_TRUE(card.SaveToStream(stream)) << card.LastError();
    return stream.bytes();
  }
  std::unique_ptr<TZarvickV2> NewEditorCard() { return std::make_unique<TZarvickV2>(platform_, CardMode::kEditor); }

  testing::TempHome home_;
  // The scratch folder lives in the temporary home's TMPDIR, which must exist first.
  bool tmp_made_ = std::filesystem::create_directories(std::getenv("TMPDIR"));
  ScratchFolder folder_;
  HeadlessPlatform platform_;
  std::unique_ptr<TZarvickV2> card_ = NewEditorCard();
};

}  // namespace plorvane::test
