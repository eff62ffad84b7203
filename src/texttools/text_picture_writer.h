#pragma once
// Writing of the image-as-text format.

#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/bitmap.h"
#include "texttools/byte_stream.h"
#include "texttools/progress_reporter.h"

namespace plorvane::text_picture {

// The distinct colours in scan order, at most 2^depth of them; the scan stops once it is full.
std::vector<Colour> BuildPalette(const Bitmap& bitmap, int depth);

class Writer {
 public:
  Writer(TByteStream& bytes, std::int64_t start, int line_style, ProgressReporter& progress)
      : bytes_(bytes), position_(start), line_style_(line_style), progress_(progress) {}

  // False as soon as a byte cannot be written. Colours beyond the palette's capacity are
  // written as the first colour found.
  bool Write(const Bitmap& bitmap, int depth);

  // Just after the last byte written.
  [[nodiscard]] std::int64_t Position() const { return position_; }

 private:
  bool Put(char c);
  bool Put(std::string_view text);
  bool PutNumber(std::uint32_t value, int digits);
  bool PutPixelDigit(int value);
  bool PutOpeningBreak();
  bool PutLineBreak();

  TByteStream& bytes_;
  std::int64_t position_;
  int line_style_;
  ProgressReporter& progress_;
  int digits_in_line_ = 0;
  int breaks_since_newline_ = 1;  // the opening break counts
};

}  // namespace plorvane::text_picture
