#pragma once
// TZarvickV1 reads cards of the first card format into the current card, which from then on is
// an ordinary card: saving it writes the current format. The first format keeps its picture and
// sound uncompressed and has no animations, cursor or about picture.

#include <cstdint>
#include <string>
#include <string_view>

#include "streaming/published_properties.h"
#include "streaming/stream.h"

namespace plorvane {

class TZarvickV2;

class TZarvickV1 {
 public:
  static constexpr std::string_view kClassName = "TZarvickV1";
  // Picture, SoundType, Sound, Split, Color, SwapColor, Size, Shade, Link, LinkColor: each
  // reads from and writes into the attached card.
  static const PublishedProperties<TZarvickV1>& Published();

  // Becomes the card's reader of first-format cards; false for no card.
  bool Attach(TZarvickV2* card);
  // The card's legacy reader: reads the first-format record behind the signature.
  void ReadLegacy(TZarvickV2& card, Stream& stream, std::uint8_t& result, std::string& error);

 private:
  TZarvickV2* card_ = nullptr;
  // True until the first property of a read has been applied.
  bool untouched_ = true;
};

// The one shared instance.
TZarvickV1& LegacyReader();

}  // namespace plorvane
