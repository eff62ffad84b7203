#include "editor/card_colours.h"

#include <algorithm>
#include <array>

#include "card/card.h"
#include "platform/picture_pixels.h"
#include "support/general.h"

namespace plorvane {
namespace {

// A corner at least this bright frames the picture as it is.
constexpr int kBrightCorner = 70;
constexpr int kLightenPercent = 40;
// How far above the picture's bottom the link colour reads the picture.
constexpr int kLinkRowFromBottom = 10;

Bitmap PictureCopy(FormServices& form) {
  return PicturePixels(form.card().CardPicture(), form.platform().metafiles());
}

}  // namespace

Colour CurrentColour(const TZarvickV2& card, CardColour which) {
  return which == CardColour::kFrame ? card.pColor() : card.pLinkColor();
}

void StoreColour(TZarvickV2& card, CardColour which, Colour colour) {
  if (which == CardColour::kFrame) {
    card.SetColor(colour);
  } else {
    card.SetLinkColor(colour);
  }
}

Colour AutoFrameColor(FormServices& form) {
  const Bitmap picture = PictureCopy(form);
  const int right = picture.width() - 1;
  const int bottom = picture.height() - 1;
  const std::array<Point, 4> corners = {{{0, 0}, {right, 0}, {right, bottom}, {0, bottom}}};
  Colour corner = kBlack;
  for (const Point& at : corners) {
    corner = picture.GetPixel(at.x, at.y);
    if (TGeneral::Brightest(corner) >= kBrightCorner) return corner;
  }
  return TGeneral::Blend(kLightenPercent, kWhite, corner);
}

Colour AutoLinkColor(FormServices& form) {
  const Bitmap picture = PictureCopy(form);
  const int y = std::max(picture.height() - kLinkRowFromBottom, 0);
  // Each pixel halves the weight of all before it, so the row's right end, where the link and
  // the menu label stand, counts most.
  int red = 0;
  int green = 0;
  int blue = 0;
  for (int x = 0; x < picture.width(); ++x) {
    const Colour pixel = picture.GetPixel(x, y);
    red = (red + TGeneral::Red(pixel)) / 2;
    green = (green + TGeneral::Green(pixel)) / 2;
    blue = (blue + TGeneral::Blue(pixel)) / 2;
  }
  return LinkContrastColor(MakeColour(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                                      static_cast<std::uint8_t>(blue)));
}

Colour AutoColour(FormServices& form, CardColour which) {
  return which == CardColour::kFrame ? AutoFrameColor(form) : AutoLinkColor(form);
}

Colour LinkContrastColor(Colour colour) {
  const int brightness = TGeneral::Brightest(colour);
  if (brightness >= 100 && brightness <= 156) return kWhite;
  return ~colour & kWhite;  // each channel 255 minus its value
}

void ChooseColour(FormServices& form, CardColour which) {
  TZarvickV2& card = form.card();
  const Colour current = CurrentColour(card, which);
  const auto chosen = form.platform().dialogs().ChooseColour(current, true);
  if (!chosen || *chosen == current) return;
  BusyScope busy(form);
  if (!card.BeginChange()) {
    card.ShowError();
    return;
  }
  StoreColour(card, which, *chosen);
  card.RedrawIfChanged();
}

void ApplyAutoColour(FormServices& form, CardColour which) {
  TZarvickV2& card = form.card();
  StoreColour(card, which, AutoColour(form, which));
  card.RedrawIfChanged();
}

}  // namespace plorvane
