#include "sample_card.h"

#include <cmath>
#include <numbers>

#include "graphics/bitmap_graphic.h"
#include "support/file_io.h"
#include "wave_tune.h"

namespace plorvane::tools {
namespace {

constexpr int kSide = 330;
constexpr int kBallSide = 48;
constexpr int kBallFrames = 8;

// A sky that fades from blue to white towards a green hill.
Picture Landscape() {
  Bitmap pixels;
  (void)pixels.Resize(kSide, kSide);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double hill = 250 + 30 * std::sin(x / 40.0);
      const auto fade = static_cast<std::uint8_t>(120 + 135 * y / kSide);
      pixels.SetPixel(x, y, y > hill ? MakeColour(40, static_cast<std::uint8_t>(140 + (y % 7) * 5), 60)
                                     : MakeColour(fade, fade, 255));
    }
  }
  Picture picture;
  picture.SetGraphic(std::make_unique<TBitmap>(std::move(pixels)));
  return picture;
}

// A ball that pulses through its frames on a white key colour, so it shows transparent.
Bitmap BallStrip(Colour colour) {
  Bitmap strip;
  (void)strip.Resize(kBallSide * kBallFrames, kBallSide, kWhite);
  for (int frame = 0; frame < kBallFrames; ++frame) {
    const double radius = 12 + 8 * std::sin(frame * 2 * std::numbers::pi / kBallFrames);
    for (int y = 0; y < kBallSide; ++y) {
      for (int x = 0; x < kBallSide; ++x) {
        const double dx = x - kBallSide / 2.0;
        const double dy = y - kBallSide / 2.0;
        if (dx * dx + dy * dy < radius * radius) strip.SetPixel(frame * kBallSide + x, y, colour);
      }
    }
  }
  return strip;
}

struct Placement {
  Colour colour;
  int x, y, interval, scroll_h, scroll_v;
  bool flash;
};

}  // namespace

bool MakeSampleCard(TZarvickV2& card, const std::string& folder) {
  card.SetCardPicture(Landscape());
  card.ApplyCollection("Joy");
  card.SetLink("https://www.example.org/");
  card.SetLinkColor(MakeColour(255, 255, 255));

  const Placement placements[] = {
      {MakeColour(230, 40, 40), 30, 40, 80, 0, 0, false},    {MakeColour(250, 200, 20), 140, 60, 60, 5, 0, false},
      {MakeColour(40, 90, 230), 240, 30, 100, 0, 0, true},   {MakeColour(200, 60, 200), 80, 170, 70, 0, -4, false},
      {MakeColour(20, 160, 120), 220, 160, 90, -6, 0, false},
  };
  for (const Placement& placement : placements) {
    int index = -1;
    if (!card.Animations().AddFromBitmap(BallStrip(placement.colour), kBallSide, index)) return false;
    TElementRec element;
    card.Animations().GetElement(index, element);
    element.Shown = true;
    element.pT = true;
    element.pX = placement.x;
    element.pY = placement.y;
    element.pD = placement.interval;
    element.pSH = placement.scroll_h;
    element.pSV = placement.scroll_v;
    element.pF = placement.flash ? 1 : 0;
    card.Animations().SetElement(index, element);
  }

  const std::string tune = folder + "/sample-tune.wav";
  if (WriteFileReplacing(tune, WaveTune()) != FileResult::kOk) return false;
  return card.LoadSound(tune);
}

}  // namespace plorvane::tools
