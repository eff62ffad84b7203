#include "pictures.h"

#include <cmath>
#include <numbers>

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

std::vector<std::uint8_t> SynthesizeChime() {
  constexpr int kRate = 22050;
  constexpr int kSamples = kRate * 3 / 2;
  std::vector<std::uint8_t> wave;
  const auto put32 = [&](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) wave.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  const auto put16 = [&](std::uint16_t value) {
    wave.push_back(static_cast<std::uint8_t>(value));
    wave.push_back(static_cast<std::uint8_t>(value >> 8));
  };
  const auto tag = [&](const char* text) {
    for (int i = 0; i < 4; ++i) wave.push_back(static_cast<std::uint8_t>(text[i]));
  };
  tag("RIFF");
  put32(36 + kSamples * 2);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  tag("data");
  put32(kSamples * 2);
  // Three bell partials struck one after another, each fading away.
  const double notes[] = {1046.5, 1318.5, 1568.0};
  for (int n = 0; n < kSamples; ++n) {
    const double t = static_cast<double>(n) / kRate;
    double sample = 0;
    for (int i = 0; i < 3; ++i) {
      const double start = i * 0.18;
      if (t < start) continue;
      const double local = t - start;
      const double envelope = std::exp(-3.5 * local);
      sample += envelope * (std::sin(2 * std::numbers::pi * notes[i] * local) +
                            0.3 * std::sin(2 * std::numbers::pi * notes[i] * 2.76 * local));
    }
    put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * 7000))));
  }
  return wave;
}

}  // namespace plorvane::art
