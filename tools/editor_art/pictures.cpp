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

Bitmap DrawBalloonsCard() {
  Bitmap b = Canvas(330, 330);
  VerticalGradient(b, Rect{0, 0, 330, 330}, Rgb(120, 200, 255), Rgb(230, 245, 255));
  const struct {
    int x, y;
    Colour colour;
  } balloons[] = {{90, 110, Rgb(235, 60, 80)}, {165, 80, Rgb(255, 200, 40)}, {240, 120, Rgb(80, 120, 230)},
                  {130, 170, Rgb(60, 190, 110)}, {205, 180, Rgb(230, 100, 200)}};
  for (const auto& balloon : balloons) {
    Line(b, {balloon.x, balloon.y + 38}, {165, 300}, Rgb(90, 90, 90));
    Disc(b, balloon.x, balloon.y, 36, balloon.colour);
    Disc(b, balloon.x - 12, balloon.y - 14, 8, Mix(balloon.colour, kWhite, 0.6));
  }
  Confetti(b, 20, 9, 3);
  return b;
}

Bitmap DrawWinterNightCard() {
  Bitmap b = Canvas(330, 330);
  VerticalGradient(b, Rect{0, 0, 330, 330}, Rgb(10, 20, 60), Rgb(50, 80, 140));
  Disc(b, 250, 70, 30, Rgb(250, 250, 220));
  Disc(b, 262, 62, 26, Rgb(25, 40, 85));
  const Point hills[] = {{0, 260}, {90, 220}, {190, 250}, {330, 210}, {330, 330}, {0, 330}};
  Polygon(b, hills, Rgb(235, 240, 250));
  for (int tree = 0; tree < 4; ++tree) {
    const int x = 40 + tree * 75;
    const int base = 270 - tree % 2 * 15;
    const Point fir[] = {{x, base - 70}, {x + 25, base}, {x - 25, base}};
    Polygon(b, fir, Rgb(30, 110, 70));
  }
  for (int i = 0; i < 40; ++i) Disc(b, (i * 73) % 330, (i * 41) % 200, 1.5 + i % 3, kWhite);
  return b;
}

}  // namespace plorvane::art
