// Copy All Animations and Paste All Animations of a card with 32 animations through the shared
// clipboard file (clipboard-object-SAG.SAG): the copy alone, and copy and paste into a second
// card (whose animations are cleared again outside the measurement).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <string>

#include "bench_animations.h"
#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

constexpr int kAnimations = 32;

// The clipboard folder in a scratch home, so the measurement never touches the real one.
struct ScratchHome {
  ScratchHome() { ::setenv("XDG_DATA_HOME", folder.path().c_str(), 1); }
  test::ScratchFolder folder;
};

struct TwoCards {
  TwoCards() {
    for (int i = 0; i < kAnimations; ++i) {
      int index = -1;
      if (!source.Animations().AddFromBitmap(bench::Strip(static_cast<std::uint32_t>(i + 1)), bench::kElementSide,
                                             index)) {
        std::abort();
      }
      TElementRec element;
      source.Animations().GetElement(index, element);
      element.Shown = true;
      element.pX = (i % 8) * 40;
      element.pY = (i / 8) * 80;
      source.Animations().SetElement(index, element);
    }
    clipboard.SetPlatform(&platform);
  }
  ScratchHome home;
  HeadlessPlatform platform;
  TZarvickV2 source{platform, CardMode::kEditor};
  TZarvickV2 target{platform, CardMode::kEditor};
  TZarvickClipboard clipboard;
};

void BM_CopyAllAnimations(benchmark::State& state) {
  TwoCards cards;
  cards.clipboard.SetCard(&cards.source);
  for (auto _ : state) {
    if (!cards.clipboard.Run(ClipboardOperation::kCopyAllAnimations)) state.SkipWithError("copy failed");
  }
}
BENCHMARK(BM_CopyAllAnimations)->Unit(benchmark::kMillisecond);

void BM_CopyAndPasteAllAnimations(benchmark::State& state) {
  TwoCards cards;
  for (auto _ : state) {
    cards.clipboard.SetCard(&cards.source);
    if (!cards.clipboard.Run(ClipboardOperation::kCopyAllAnimations)) state.SkipWithError("copy failed");
    cards.clipboard.SetCard(&cards.target);
    if (!cards.clipboard.Run(ClipboardOperation::kPasteAllAnimations)) state.SkipWithError("paste failed");
    state.PauseTiming();
    if (cards.target.Animations().GetCounts().animations != kAnimations) state.SkipWithError("paste incomplete");
    cards.target.Animations().Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CopyAndPasteAllAnimations)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
