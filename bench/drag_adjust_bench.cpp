// One step of a drag on the tool bar's adjust buttons, the card redrawn each time, on the
// headless platform: the size button between the widest frame (75) and one step narrower, and
// the frame colour button taking the colour under the pointer, red and blue by turns.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "card/card.h"
#include "headless_editor.h"

namespace plorvane {
namespace {

constexpr int kSizeButton = 16;
constexpr int kFrameColourButton = 17;
constexpr Point kPressed{12, 10};
constexpr int kSizeStep = 5;  // pixels of pointer travel per frame size step
constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);

// Red on the left half of the screen, blue on the right.
Bitmap HalfRedHalfBlue(PixelSize size) {
  Bitmap screen;
  if (!screen.Resize(size.width, size.height, kRed)) std::abort();
  for (int y = 0; y < size.height; ++y) {
    for (int x = size.width / 2; x < size.width; ++x) screen.SetPixel(x, y, kBlue);
  }
  return screen;
}

// The editor with the widest frame on its new card.
class AdjustingEditor {
 public:
  AdjustingEditor() {
    card().SetSize(TZarvickV2::kMaxFrameSize);
    card().Redraw(true);
    platform().screen().SetPixels(HalfRedHalfBlue(platform().screen().Size()));
  }
  [[nodiscard]] TForm1& form() { return editor_.form(); }
  [[nodiscard]] TZarvickV2& card() { return editor_.form().Card(); }
  [[nodiscard]] HeadlessPlatform& platform() { return editor_.platform(); }

  // An empty text while the drag did what it should and showed no error.
  [[nodiscard]] std::string Fault(Colour colour, int size) {
    if (!platform().dialogs().error_boxes().empty()) return platform().dialogs().error_boxes().front().text;
    if (card().pSize() != size) return "the frame has size " + std::to_string(card().pSize());
    if (card().pColor() != colour) return "the frame did not take the screen's colour";
    return {};
  }

 private:
  bench::HeadlessEditor editor_;
};

AdjustingEditor& Editor() {
  static AdjustingEditor editor;
  return editor;
}

void BM_DragFrameSizeStepAtTheWidestFrame(benchmark::State& state) {
  AdjustingEditor& editor = Editor();
  const Colour colour = editor.card().pColor();
  editor.form().AdjustButtonDown(kSizeButton, kPressed);
  editor.form().AdjustButtonMove(kSizeButton, kPressed);  // the first move of a press only counts
  int step = 0;
  for (auto _ : state) {
    // 5 pixels up narrows the frame to 70, back down widens it to 75 again.
    const int up = ++step % 2 == 1 ? kSizeStep : 0;
    editor.form().AdjustButtonMove(kSizeButton, {kPressed.x, kPressed.y - up});
  }
  // Ends at 75 after an even number of steps.
  if (step % 2 == 1) editor.form().AdjustButtonMove(kSizeButton, kPressed);
  editor.form().AdjustButtonUp(kSizeButton, {kPressed.x, kPressed.y + 40});
  if (const std::string fault = editor.Fault(colour, TZarvickV2::kMaxFrameSize); !fault.empty()) {
    state.SkipWithError(fault.c_str());
  }
}
BENCHMARK(BM_DragFrameSizeStepAtTheWidestFrame)->Unit(benchmark::kMicrosecond);

void BM_DragFrameColourStepFromTheScreen(benchmark::State& state) {
  AdjustingEditor& editor = Editor();
  HeadlessScreen& screen = editor.platform().screen();
  const Point red{10, 10};
  const Point blue{screen.Size().width - 10, 10};
  editor.form().AdjustButtonDown(kFrameColourButton, kPressed);
  bool on_red = false;
  for (auto _ : state) {
    on_red = !on_red;
    screen.SetMousePosition(on_red ? red : blue);
    editor.form().AdjustButtonMove(kFrameColourButton, {-100, 40});  // away from the button
  }
  editor.form().AdjustButtonUp(kFrameColourButton, {-100, 40});
  if (const std::string fault = editor.Fault(on_red ? kRed : kBlue, TZarvickV2::kMaxFrameSize); !fault.empty()) {
    state.SkipWithError(fault.c_str());
  }
}
BENCHMARK(BM_DragFrameColourStepFromTheScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plorvane
