#include "texttools/text_picture_writer.h"

#include <algorithm>
#include <unordered_map>

#include "texttools/text_picture_alphabet.h"

namespace plorvane::text_picture {

namespace {

constexpr std::string_view kNewline = "\r\n";
constexpr int kDigitsPerQuotedLine = 250;
constexpr int kDigitsPerPlainLine = 68;
// A quoted break ends a line only every fourth time, so the text stays a few long string literals.
constexpr int kQuotedBreaksPerNewline = 3;

}  // namespace

std::vector<Colour> BuildPalette(const Bitmap& bitmap, int depth) {
  const auto capacity = static_cast<std::size_t>(PaletteSize(depth));
  std::vector<Colour> palette;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const Colour colour = bitmap.GetPixel(x, y);
      if (std::find(palette.begin(), palette.end(), colour) != palette.end()) continue;
      palette.push_back(colour);
      if (palette.size() == capacity) return palette;
    }
  }
  return palette;
}

bool Writer::Put(char c) {
  if (!bytes_.WriteByte(position_, static_cast<std::uint8_t>(c))) return false;
  ++position_;
  return true;
}

bool Writer::Put(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [this](char c) { return Put(c); });
}

bool Writer::PutNumber(std::uint32_t value, int digits) {
  for (int i = 0; i < digits; ++i, value >>= kBitsPerDigit) {
    if (!Put(DigitChar(static_cast<int>(value & 63)))) return false;
  }
  return true;
}

bool Writer::PutOpeningBreak() {
  switch (line_style_) {
    case 1: return Put("'+'");
    case 2: return Put(kNewline);
    default: return true;
  }
}

bool Writer::PutLineBreak() {
  if (line_style_ == 2) return Put(kNewline);
  if (!Put("'+")) return false;
  if (++breaks_since_newline_ > kQuotedBreaksPerNewline) {
    breaks_since_newline_ = 0;
    if (!Put(kNewline)) return false;
  }
  return Put('\'');
}

bool Writer::PutPixelDigit(int value) {
  if (!Put(DigitChar(value))) return false;
  const int line_length = line_style_ == 1 ? kDigitsPerQuotedLine : line_style_ == 2 ? kDigitsPerPlainLine : 0;
  if (line_length == 0 || ++digits_in_line_ < line_length) return true;
  digits_in_line_ = 0;
  return PutLineBreak();
}

bool Writer::Write(const Bitmap& bitmap, int depth) {
  const std::vector<Colour> palette = BuildPalette(bitmap, depth);
  std::unordered_map<Colour, int> index_of;
  for (std::size_t i = 0; i < palette.size(); ++i) index_of.emplace(palette[i], static_cast<int>(i));

  if (!Put(kSignatureChar) || !Put(DigitChar(depth)) ||
      !PutNumber(static_cast<std::uint32_t>(bitmap.width()), kDigitsPerDimension) ||
      !PutNumber(static_cast<std::uint32_t>(bitmap.height()), kDigitsPerDimension)) {
    return false;
  }
  for (const Colour colour : palette) {
    if (!PutNumber(colour, kDigitsPerColour)) return false;
  }
  if (!Put(kHeaderEndChar) || !PutOpeningBreak()) return false;

  const int bits = BitsPerIndex(depth);
  const int per_digit = IndicesPerDigit(depth);
  int packed = 0;
  int gathered = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const auto found = index_of.find(bitmap.GetPixel(x, y));
      const int index = found != index_of.end() ? found->second : 0;
      packed |= index << (bits * gathered);
      if (++gathered == per_digit) {
        if (!PutPixelDigit(packed)) return false;
        packed = 0;
        gathered = 0;
      }
    }
    progress_.Running(static_cast<int>((static_cast<std::int64_t>(y) + 1) * 100 / bitmap.height()));
  }
  if (gathered > 0 && !PutPixelDigit(packed)) return false;
  return Put(kTerminatorChar);
}

}  // namespace plorvane::text_picture
