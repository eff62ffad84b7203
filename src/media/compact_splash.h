#pragma once
// TCompactSplash: a picture window with a few rows of text over its lower left corner. The
// editor shows it as its start-up splash (borderless, until CloseAfter) and every card as its
// about box (a dialog with a caption that Escape closes). The window shows the picture and the
// rows as pixels drawn here; the rows are clickable labels, and the last one opens a web page.
//
// An about box blocks input to the program's other windows while it is up, but ShowAbout
// returns at once: the desktop's dialog window keeps it modal.

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "graphics/bitmap.h"
#include "graphics/picture.h"
#include "media/simple_labels.h"
#include "platform/platform.h"

namespace plorvane {

class TCompactSplash final : private WindowEventReceiver {
 public:
  static constexpr int kRows = 6;
  static constexpr int kMaxCloseSeconds = 10;

  explicit TCompactSplash(Platform& platform);
  ~TCompactSplash() override;
  TCompactSplash(const TCompactSplash&) = delete;
  TCompactSplash& operator=(const TCompactSplash&) = delete;

  // The font of every row: Arial, 7 points, bold, white at creation.
  Font TextFont;
  int LeftMargin = 7;
  int BottomMargin = 7;
  // Both held in the scrambled form of ScrambleText, as the owner hands them over.
  std::string Title;
  std::string VersionText;
  // 1 shows the title as the top row.
  std::uint8_t ShowTitle = 0;
  std::function<void()> OnBeforeShow;
  // The notice's year; the system's unless a test sets another source.
  std::function<int()> CurrentYear;
  // How CloseAfter waits between looks at the clock.
  std::function<void(std::chrono::milliseconds)> Sleep;

  void SetPicture(const Picture& picture);
  void ShowSplash();
  void ShowAbout();
  // Waits up to 10 seconds (0 closes at once) while the program goes on, then closes.
  void CloseAfter(int seconds);
  // Drops the owner's hook; used before the owner goes.
  void Detach();

  [[nodiscard]] bool IsShown() const { return window_ && window_->IsVisible(); }
  // The window of the last show; nullptr before the first.
  [[nodiscard]] CardWindow* Window() const { return window_.get(); }
  // A row's caption and value labels.
  [[nodiscard]] const TSimpleLabel& Caption(int row) const { return *rows_.at(static_cast<std::size_t>(row)).caption; }
  [[nodiscard]] const TSimpleLabel& Value(int row) const { return *rows_.at(static_cast<std::size_t>(row)).value; }

 private:
  enum class Mode { kSplash, kAbout };
  struct Row {
    TSimpleLabel* caption = nullptr;
    TSimpleLabel* value = nullptr;
  };

  void Show(Mode mode);
  void FillRows();
  void LayOut();
  void Draw();
  void OpenLink(TSimpleLabel& link);

  // WindowEventReceiver
  void OnMouseDown(const MouseEvent& event) override;
  void OnMouseMove(const MouseEvent& event) override;
  void OnMouseUp(const MouseEvent&) override {}
  bool OnKeyDown(const KeyEvent& event) override;
  void OnPaint() override;
  // The window hides itself; nothing else goes with it.
  void OnClose() override {}

  Platform& platform_;
  Mode mode_ = Mode::kSplash;
  Bitmap picture_;
  Bitmap shown_;
  TSimpleLabels labels_;
  std::array<Row, kRows> rows_{};
  std::unique_ptr<CardWindow> window_;
};

}  // namespace plorvane
