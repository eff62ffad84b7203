#pragma once
// A small palette image kept as printable text, so pictures such as button glyphs can live in
// the program as string constants and become bitmaps at run time.

#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/bitmap.h"
#include "streaming/stream.h"
#include "texttools/progress_reporter.h"

namespace plorvane {

class TTextPicture {
 public:
  TTextPicture() = default;

  // How written text is broken into lines: 0 never, 1 as quoted pieces joined by "+",
  // 2 plain lines. Clamped to 0..2.
  [[nodiscard]] int LineStyle() const { return line_style_; }
  void SetLineStyle(int style);
  // The written palette holds 2^Depth colours. Clamped to 1..6.
  [[nodiscard]] int Depth() const { return depth_; }
  void SetDepth(int depth);

  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  // Takes the picture and the writing settings, not the listeners.
  void Assign(const TTextPicture& source);
  void Assign(const Bitmap& source);

  [[nodiscard]] int width() const { return bitmap_.width(); }
  [[nodiscard]] int height() const { return bitmap_.height(); }
  [[nodiscard]] bool empty() const { return bitmap_.empty(); }
  // Keep the overlapping part of the picture; new area is white. False past the pixel cap.
  bool SetWidth(int width);
  bool SetHeight(int height);

  [[nodiscard]] const Bitmap& bitmap() const { return bitmap_; }
  [[nodiscard]] Bitmap& bitmap() { return bitmap_; }

  // Both work from and to the stream's current position and leave it after the text. They
  // raise EGeneralError with the LastError text on failure, as graphic loaders do.
  void LoadFromStream(Stream& stream);
  void SaveToStream(Stream& stream);
  // The same as LoadFromStream, answering false instead of raising.
  bool LoadFromText(std::string_view text);

  ProgressHandler OnProgress;
  MillisecondClock Clock = SteadyMilliseconds;

 private:
  bool ResizeKeeping(int width, int height);

  Bitmap bitmap_;
  int line_style_ = 0;
  int depth_ = 6;
  std::string last_error_;
  std::uint64_t last_progress_report_ = 0;
};

// The picture the text describes, or an empty 0 by 0 bitmap when it does not load.
Bitmap TextToBitmap(std::string_view text);

}  // namespace plorvane
