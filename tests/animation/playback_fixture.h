#pragma once
// A group over a small picture layer with a clock that only moves when told to, for the
// playback, drawing and input tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>

#include "animation/animation_group.h"
#include "graphics/bitmap.h"
#include "graphics/colour.h"
#include "platform/clock.h"

namespace plorvane::test {

inline constexpr Colour kBackground = MakeColour(1, 2, 3);

// A strip of `frames` frames whose pixels all differ, except that every frame's top-left
// colour also appears at its (1, 1), so transparency shows inside the frame too.
inline Bitmap PatternStrip(int frame_width, int height, int frames) {
  Bitmap strip;
  if (!strip.Resize(frame_width * frames, height)) std::abort();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < strip.width(); ++x) {
      strip.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(40 + x), static_cast<std::uint8_t>(80 + y),
                                      static_cast<std::uint8_t>(200 + x / frame_width)));
    }
  }
  for (int frame = 0; frame < frames; ++frame) {
    strip.SetPixel(frame * frame_width + 1, 1, strip.GetPixel(frame * frame_width, 0));
  }
  return strip;
}

class PlaybackFixture : public ::testing::Test {
 protected:
  static constexpr int kCanvasSide = 40;

  PlaybackFixture() {
    if (!canvas_.Resize(kCanvasSide, kCanvasSide, kBackground)) std::abort();
    group_.SetCanvas(&canvas_);
    group_.OnPaint = [this] { ++paints_; };
  }

  // Adds the strip as a new animation and commits its element with `settings` applied.
  int Place(const Bitmap& strip, int frame_width, const std::function<void(TElementRec&)>& settings = {}) {
    int index = -1;
    EXPECT_TRUE(group_.AddFromBitmap(strip, frame_width, index));
    Update(index, [&](TElementRec& element) {
      element.Shown = true;
      if (settings) settings(element);
    });
    return index;
  }
  TElementRec Element(int index) const {
    TElementRec record;
    group_.GetElement(index, record);
    return record;
  }
  void Update(int index, const std::function<void(TElementRec&)>& change) {
    TElementRec record = Element(index);
    change(record);
    group_.SetElement(index, record);
  }
  // Moves the clock on and runs one timer tick.
  void TickAfter(std::uint32_t milliseconds) {
    clock_.Advance(milliseconds);
    group_.Tick();
  }
  // Starts the picture layer afresh and draws the elements over it, as the card does.
  void Redraw() {
    canvas_.Fill(kBackground);
    group_.DrawAll();
  }

  ManualClock clock_;
  Bitmap canvas_;
  TSAG group_{clock_};
  int paints_ = 0;
};

}  // namespace plorvane::test
