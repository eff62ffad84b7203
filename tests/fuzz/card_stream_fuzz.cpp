// Card streams, current and first format, as the editor opens them.
#include "animation/animation.h"
#include "card/card.h"
#include "card/legacy_card.h"
#include "fuzz/fuzz_target.h"
#include "graphics/jpeg_graphic.h"
#include "platform/headless/headless_platform.h"

namespace plorvane::fuzz {
namespace {

// One card for every input: creating a card is far slower than reading one.
TZarvickV2& Card() {
  static HeadlessPlatform platform;
  static TZarvickV2 card(platform, CardMode::kEditor);
  static const bool attached = LegacyReader().Attach(&card);
  (void)attached;
  return card;
}

}  // namespace

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  TZarvickV2& card = Card();
  std::vector<std::vector<std::uint8_t>> seeds;
  const auto save = [&] {
    MemoryStream stream;
    card.SaveToStream(stream);
    seeds.push_back(stream.bytes());
  };
  save();
  Bitmap pixels;
  (void)pixels.Resize(12, 9, MakeColour(200, 10, 10));
  Picture picture;
  picture.SetGraphic(TJPEGImage::FromBitmap(pixels, 70));
  card.SetCardPicture(std::move(picture));
  card.SetLink("http://example.org/");
  card.SetSoundType(2);
  card.SetSoundData({'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'});
  int index = -1;
  Bitmap strip;
  (void)strip.Resize(24, 8, MakeColour(0, 0, 255));
  if (card.Animations().AddFromBitmap(strip, 8, index)) {
    TElementRec element;
    card.Animations().GetElement(index, element);
    element.Shown = true;
    card.Animations().SetElement(index, element);
  }
  save();
  return seeds;
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  MemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  fuzz::Card().LoadFromStream(stream);
  return 0;
}
