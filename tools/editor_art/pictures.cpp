#include "pictures.h"

#include "drawing.h"

namespace plorvane::art {

namespace {

Bitmap Canvas(int width, int height) {
  Bitmap bitmap;
  (void)bitmap.Resize(width, height, kWhite);
  return bitmap;
}

// Hearts and stars scattered in a fixed pattern, so every build draws the same picture.
void Confetti(Bitmap& b, int count, double size, unsigned seed) {
  const Colour colours[] = {Rgb(255, 214, 90), Rgb(255, 120, 170), Rgb(130, 210, 255), Rgb(255, 255, 255)};
  for (int i = 0; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    const double x = (seed >> 8) % static_cast<unsigned>(b.width());
    seed = seed * 1103515245u + 12345u;
    const double y = (seed >> 8) % static_cast<unsigned>(b.height());
    const Colour colour = colours[i % 4];
    if (i % 3 == 0) {
      Heart(b, x, y, size, colour);
    } else {
      Star(b, x, y, size / 2, colour);
    }
  }
}

// A darker band along the bottom keeps the white text rows of the splash and about box readable.
void DarkenBottom(Bitmap& b, int from_row, Colour shade, double amount) {
  for (int y = from_row; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) b.SetPixel(x, y, Mix(b.GetPixel(x, y), shade, amount));
  }
}

}  // namespace

Bitmap DrawSplash() {
  Bitmap b = Canvas(400, 260);
  VerticalGradient(b, Rect{0, 0, 400, 260}, Rgb(60, 30, 110), Rgb(200, 60, 120));
  Ring(b, 300, 120, 70, 78, Rgb(255, 200, 230));
  Heart(b, 300, 118, 90, Rgb(240, 60, 110));
  Heart(b, 296, 112, 60, Rgb(255, 120, 160));
  Confetti(b, 28, 12, 7);
  DarkenBottom(b, 190, Rgb(20, 10, 40), 0.55);
  return b;
}

Bitmap DrawAboutPicture() {
  Bitmap b = Canvas(330, 200);
  VerticalGradient(b, Rect{0, 0, 330, 200}, Rgb(20, 60, 120), Rgb(40, 140, 170));
  Star(b, 250, 70, 45, Rgb(255, 220, 100));
  Star(b, 250, 70, 28, Rgb(255, 245, 190));
  Confetti(b, 18, 10, 11);
  DarkenBottom(b, 140, Rgb(5, 20, 40), 0.5);
  return b;
}

}  // namespace plorvane::art
