// Open and Save As of a rich card through the editor's own commands (the tool bar's Open... and
// Save As... buttons), on the headless platform with the file dialogs answered by script: a
// 1024 x 768 JPEG picture, 20 animation elements, 1 MiB of wave sound and a cursor, saved as a
// card executable behind the player image the build embeds. And Picture > Paste with Compression
// of a 1024 x 768 photograph from the clipboard, beside encoding the same pixels as JPEG alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench_animations.h"
#include "bench_payload.h"
#include "card/card.h"
#include "graphics/cursor_files.h"
#include "graphics/jpeg_graphic.h"
#include "headless_editor.h"
#include "sound_files.h"
#include "support/general.h"

namespace plorvane {
namespace {

constexpr int kOpenButton = 2;
constexpr int kSaveAsButton = 3;
constexpr std::size_t kWaveHeader = 44;

// A photograph's worth of detail: smooth shading with fine noise, so JPEG has work to do.
Bitmap Photo(int width, int height) {
  Bitmap pixels;
  if (!pixels.Resize(width, height)) std::abort();
  std::uint32_t noise = 7;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525U + 1013904223U;
      const int grain = static_cast<int>(noise >> 28);
      pixels.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x / 4 + grain), static_cast<std::uint8_t>(y / 3 + grain),
                                       static_cast<std::uint8_t>((x + y) / 7 + grain)));
    }
  }
  return pixels;
}

// A wave file of 1 MiB whose samples compress about as well as speech and music do.
std::vector<std::uint8_t> Sound() {
  std::vector<std::uint8_t> wave = test::WaveFile(std::size_t{1} << 20);
  const std::string samples = bench::MixedPayload(wave.size() - kWaveHeader);
  std::copy(samples.begin(), samples.end(), wave.begin() + kWaveHeader);
  return wave;
}

// Holding the rich card, saved once.
class RichEditor {
 public:
  RichEditor() {
    TZarvickV2& card = editor_.form().Card();
    Picture picture;
    picture.SetGraphic(TJPEGImage::FromBitmap(Photo(1024, 768), 80));
    card.SetCardPicture(std::move(picture));
    bench::PlaceElements(card.Animations());
    const std::string sound = editor_.folder().File("sound.wav");
    test::WriteBytes(sound, Sound());
    const std::string cursor = editor_.folder().File("cursor.cur");
    test::WriteBytes(cursor, test::SolidCursor({30, 90, 200, 255}, 4, 4));
    if (!card.LoadSound(sound) || !card.LoadCursor(cursor)) std::abort();
    SaveAs();
  }
  void SaveAs() { Run(kSaveAsButton); }
  void Open() { Run(kOpenButton); }

  // An empty text while the card is what it was made as and no command failed.
  [[nodiscard]] std::string Fault() {
    const TZarvickV2& card = editor_.form().Card();
    if (!editor_.platform().dialogs().error_boxes().empty()) return editor_.platform().dialogs().error_boxes().front().text;
    if (editor_.platform().dialogs().UnusedAnswers() != 0) return "a file dialog was not shown";
    if (!card.Saved()) return "the card counts as changed";
    if (card.CardPicture().PixelCount() != 1024 * 768 || card.Animations().GetCounts().elements != bench::kElements ||
        !card.HasSound() || !card.HasCursor()) {
      return "the card lost some of its parts";
    }
    return {};
  }
  [[nodiscard]] double FileBytes() const { return static_cast<double>(TGeneral::FileSize(File())); }

 private:
  [[nodiscard]] std::string File() const { return editor_.folder().File("rich.exe"); }
  void Run(int button) {
    editor_.platform().dialogs().ScriptFileChoice(File());
    editor_.form().iButtons_OnClick(button);
  }

  bench::HeadlessEditor editor_;
};

// With a photograph on the clipboard.
class PastingEditor {
 public:
  PastingEditor() {
    if (!editor_.platform().clipboard().SetBitmap(Photo(1024, 768))) std::abort();
    PopupMenu& menu_bar = editor_.form().MainMenu1();
    picture_menu_ = menu_bar.Submenu(menu_bar.IndexOf("&Picture"));
    if (picture_menu_ == nullptr) std::abort();
  }
  void PasteWithCompression() {
    picture_menu_->Opening();
    picture_menu_->ActivateByCaption("&Paste with Compression");
  }
  // An empty text while the card holds the photograph as a JPEG and no command failed.
  [[nodiscard]] std::string Fault() {
    const auto& errors = editor_.platform().dialogs().error_boxes();
    if (!errors.empty()) return errors.front().text;
    const Picture& picture = editor_.form().Card().CardPicture();
    if (picture.PixelCount() != 1024 * 768 || dynamic_cast<const TJPEGImage*>(picture.graphic()) == nullptr) {
      return "the picture was not pasted as a JPEG";
    }
    return {};
  }

 private:
  bench::HeadlessEditor editor_;
  PopupMenu* picture_menu_ = nullptr;
};

RichEditor& Editor() {
  static RichEditor editor;
  return editor;
}

void Report(benchmark::State& state) {
  if (const std::string fault = Editor().Fault(); !fault.empty()) state.SkipWithError(fault.c_str());
  state.counters["card_MB"] = Editor().FileBytes() / (1024.0 * 1024.0);
}

void BM_EditorSaveAsRichCard(benchmark::State& state) {
  for (auto _ : state) Editor().SaveAs();
  Report(state);
}
BENCHMARK(BM_EditorSaveAsRichCard)->Unit(benchmark::kMillisecond);

void BM_EditorOpenRichCard(benchmark::State& state) {
  for (auto _ : state) Editor().Open();
  Report(state);
}
BENCHMARK(BM_EditorOpenRichCard)->Unit(benchmark::kMillisecond);

void BM_EditorPasteWithCompression(benchmark::State& state) {
  PastingEditor editor;
  for (auto _ : state) editor.PasteWithCompression();
  if (const std::string fault = editor.Fault(); !fault.empty()) state.SkipWithError(fault.c_str());
}
BENCHMARK(BM_EditorPasteWithCompression)->Unit(benchmark::kMillisecond);

// The reference: the same pixels encoded at the paste's quality, nothing else.
void BM_JpegEncodeOfThePastedPhoto(benchmark::State& state) {
  const Bitmap photo = Photo(1024, 768);
  for (auto _ : state) benchmark::DoNotOptimize(TJPEGImage::FromBitmap(photo, 62));
}
BENCHMARK(BM_JpegEncodeOfThePastedPhoto)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
