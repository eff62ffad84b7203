// Measures the peak resident memory of the built player on cards with very large pictures, on a
// virtual display: a new card for comparison, a card at the card's pixel allowance, and cards
// holding an 8192 x 8192 picture (alone, and as the about picture too), which are refused.
#include <chrono>
#include <cstdio>
#include <string>

#include "e2e/card_maker.h"
#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "graphics/bitmap_graphic.h"
#include "support/general.h"
#include "support/limits.h"
// Last: its Xlib macros would rewrite the headers above.
#include "measure_support.h"

namespace plorvane {
namespace {

using bench::SteadyClock;
using namespace std::chrono_literals;

// A picture with some texture, so that it compresses as a drawn picture would, not to nothing.
Picture TexturedPicture(int side) {
  Bitmap pixels;
  if (!pixels.Resize(side, side, kWhite)) std::exit(1);
  for (int y = 0; y < side; y += 64) {
    for (int x = 0; x < side; x += 64) FillRect(pixels, Rect{x, y, x + 32, y + 32}, MakeColour(x % 256, y % 256, 90));
  }
  Picture picture;
  picture.SetGraphic(std::make_unique<TBitmap>(std::move(pixels)));
  return picture;
}

std::string Card(const test::ScratchFolder& folder, const std::string& name, int side, bool also_about) {
  const std::string path = folder.File(name);
  std::string error;
  const bool made = e2e::MakeCard(
      path,
      [&](TZarvickV2& card) {
        if (side == 0) return true;
        const Picture picture = TexturedPicture(side);
        card.SetCardPicture(picture);
        if (also_about) card.SetAboutPicture(picture);
        return true;
      },
      error);
  if (!made) {
    std::fprintf(stderr, "cannot make %s: %s\n", name.c_str(), error.c_str());
    std::exit(1);
  }
  return path;
}

// `card_width`: the card window's width (the picture and the new card's frame of 50 on each side);
// any other window is the error box of a refused card.
void Measure(const test::ScratchFolder& folder, const std::string& title, const std::string& card, int card_width) {
  const auto start = SteadyClock::now();
  e2e::ChildProcess player(card, {}, bench::ProgramEnvironment(folder));
  const auto windows = e2e::WaitForWindows(player.pid(), std::chrono::milliseconds(60s));
  const double shown_ms = bench::Milliseconds(SteadyClock::now() - start);
  // The peak is reached once the first paint is done; it is taken when it has stopped rising.
  const long peak = bench::SettledKilobytes(player.pid(), "VmHWM", SteadyClock::now() + 60s).value_or(-1);
  std::string shown = "no window";
  if (!windows.empty()) {
    const auto area = e2e::Geometry(windows.front());
    shown = area && area->width() == card_width ? "the card" : "a message box";
  }
  std::printf("%-46s card %8lld bytes  shows %-13s after %6.0f ms  peak resident %7.1f MB\n", title.c_str(),
              static_cast<long long>(TGeneral::FileSize(card)), shown.c_str(), shown_ms, peak / 1024.0);
}

}  // namespace
}  // namespace plorvane

int main() {
  using namespace plorvane;
  const e2e::VirtualDisplay screen;
  bench::RequireReady(screen);
  const test::ScratchFolder folder;
  int at_cap = 1;
  while (std::int64_t{at_cap + 1} * (at_cap + 1) <= limits::kMaxCardPixels) ++at_cap;
  Measure(folder, "new card (330 x 330 picture)", Card(folder, "new.exe", 0, false), 430);
  Measure(folder, std::to_string(at_cap) + " x " + std::to_string(at_cap) + " picture (at the card's cap)",
          Card(folder, "cap.exe", at_cap, false), at_cap + 100);
  Measure(folder, "8192 x 8192 picture", Card(folder, "big.exe", 8192, false), 8292);
  Measure(folder, "8192 x 8192 picture, also as the about picture", Card(folder, "big-about.exe", 8192, true), 8292);
  return 0;
}
