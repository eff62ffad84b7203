// Banners: a ribbon with forked ends and its text, waving like a flag.
#include <cmath>
#include <numbers>

#include "animation_arts.h"
#include "block_letters.h"
#include "shapes.h"

namespace plorvane::library {

using art::Mix;

namespace {

constexpr int kCell = 3;       // pixels per grid cell of the letters
constexpr int kMargin = 22;    // from the ribbon's end to the text
constexpr int kWave = 5;       // the highest a column moves up or down
constexpr int kRibbonPad = 9;  // above and below the text

// The banner lying flat, on the key colour.
Bitmap FlatBanner(std::string_view text, Colour ribbon, Colour letters, int width, int height) {
  Bitmap flat;
  (void)flat.Resize(width, height, kKey);
  const int top = kWave + 1;
  const int bottom = height - kWave - 1;
  const int fork = (bottom - top) / 2;
  const Colour fold = Mix(ribbon, kBlack, 0.35);
  // The forked tails sit a little lower, behind the ribbon's ends.
  const Point left_tail[] = {{1, top + 6}, {16, top + 6}, {16, bottom + 0}, {1, bottom}, {9, top + 6 + fork}};
  const Point right_tail[] = {{width - 2, top + 6}, {width - 17, top + 6}, {width - 17, bottom}, {width - 2, bottom},
                              {width - 10, top + 6 + fork}};
  art::Polygon(flat, left_tail, fold);
  art::Polygon(flat, right_tail, fold);
  FillRect(flat, Rect{12, top, width - 12, bottom - 6}, ribbon);
  FillRect(flat, Rect{12, top, width - 12, top + 2}, Mix(ribbon, kWhite, 0.35));
  FillRect(flat, Rect{12, bottom - 8, width - 12, bottom - 6}, fold);
  const int text_width = BlockTextWidth(text, kCell);
  const int x = (width - text_width) / 2;
  const int y = top + (bottom - 6 - top - BlockTextHeight(kCell)) / 2;
  DrawBlockText(flat, text, x + 1, y + 1, kCell, Mix(ribbon, kBlack, 0.5));
  DrawBlockText(flat, text, x, y, kCell, letters);
  return flat;
}

}  // namespace

AnimationArt Banner(std::string name, std::string_view text, Colour ribbon, Colour letters) {
  const int width = BlockTextWidth(text, kCell) + 2 * kMargin;
  const int height = BlockTextHeight(kCell) + 2 * kRibbonPad + 2 * kWave + 8;
  auto flat = std::make_shared<Bitmap>(FlatBanner(text, ribbon, letters, width, height));
  return {std::move(name), width, height, 8, 110, [flat](Bitmap& frame, double phase) {
            // Each column moves up or down with a wave running along the ribbon.
            for (int x = 0; x < frame.width(); ++x) {
              const double along = static_cast<double>(x) / frame.width();
              const int shift = static_cast<int>(std::lround(kWave * std::sin(2 * std::numbers::pi * (along * 1.2 - phase))));
              CopyRectTransparent(*flat, Rect{x, 0, x + 1, flat->height()}, frame, Point{x, shift}, kKey);
            }
          }};
}

}  // namespace plorvane::library
