#pragma once
// Reading of the image-as-text format: header, then pixel digits into a bitmap.

#include <cstdint>

#include "texttools/byte_image.h"
#include "texttools/byte_stream.h"
#include "texttools/progress_reporter.h"
#include "texttools/text_picture_alphabet.h"

namespace plorvane::text_picture {

struct Header {
  int depth = 0;
  int width = 0;
  int height = 0;
  Palette palette = DefaultPalette();
};

class Reader {
 public:
  // Reads from start on; comments may run from the header into the pixel section, so one
  // reader parses both.
  Reader(TByteStream& bytes, std::int64_t start, ProgressReporter& progress)
      : bytes_(bytes), position_(start), progress_(progress) {}

  // False when there is no valid header: no signature, a depth outside 1..6, a terminator or
  // the end before the header end, or a missing or zero width or height.
  bool ReadHeader(Header& header);
  // Pixels without data keep the image's colour; digits beyond the full image are not read.
  void ReadPixels(const Header& header, TByteImage& image);

  // Just after the last character consumed.
  [[nodiscard]] std::int64_t Position() const { return position_; }

 private:
  enum class Kind { kDigit, kHeaderEnd, kTerminator, kEnd };
  struct Token {
    Kind kind;
    int value;
  };
  static constexpr std::int64_t kProgressEvery = 10000;

  // The next digit or marker, skipping filler and comments.
  Token Next();
  void CountCharacter();

  TByteStream& bytes_;
  std::int64_t position_;
  ProgressReporter& progress_;
  std::int64_t comment_depth_ = 0;
  std::int64_t characters_since_report_ = 0;
};

}  // namespace plorvane::text_picture
