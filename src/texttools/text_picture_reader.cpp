#include "texttools/text_picture_reader.h"

#include <algorithm>

namespace plorvane::text_picture {

void Reader::CountCharacter() {
  ++position_;
  if (++characters_since_report_ < kProgressEvery) return;
  characters_since_report_ = 0;
  const std::int64_t size = bytes_.Size();
  if (size > 0) progress_.Running(static_cast<int>(std::min<std::int64_t>(position_ * 100 / size, 100)));
}

Reader::Token Reader::Next() {
  std::uint8_t c = 0;
  while (bytes_.ReadByte(position_, c)) {
    CountCharacter();
    if (c == kCommentOpenChar) {
      ++comment_depth_;
    } else if (comment_depth_ > 0) {
      if (c == kCommentCloseChar) --comment_depth_;
    } else if (c == kHeaderEndChar) {
      return {Kind::kHeaderEnd, 0};
    } else if (c == kTerminatorChar) {
      return {Kind::kTerminator, 0};
    } else if (const int value = DigitValue(c); value >= 0) {
      return {Kind::kDigit, value};
    }
  }
  return {Kind::kEnd, 0};
}

bool Reader::ReadHeader(Header& header) {
  constexpr int kSignatureValue = DigitValue(kSignatureChar);
  for (Token token = Next(); !(token.kind == Kind::kDigit && token.value == kSignatureValue); token = Next()) {
    if (token.kind == Kind::kEnd) return false;
  }

  int width_digits = 0;
  int height_digits = 0;
  int palette_entries = 0;
  int colour_digits = 0;
  Colour colour = 0;
  for (;;) {
    const Token token = Next();
    if (token.kind == Kind::kEnd || token.kind == Kind::kTerminator) return false;
    if (token.kind == Kind::kHeaderEnd) {
      return header.depth != 0 && width_digits == kDigitsPerDimension && height_digits == kDigitsPerDimension &&
             header.width > 0 && header.height > 0;
    }
    const int value = token.value;
    if (header.depth == 0) {
      if (value < kMinDepth || value > kMaxDepth) return false;
      header.depth = value;
    } else if (width_digits < kDigitsPerDimension) {
      header.width |= value << (kBitsPerDigit * width_digits++);
    } else if (height_digits < kDigitsPerDimension) {
      header.height |= value << (kBitsPerDigit * height_digits++);
    } else if (palette_entries < PaletteSize(header.depth)) {
      colour |= static_cast<Colour>(value) << (kBitsPerDigit * colour_digits);
      if (++colour_digits == kDigitsPerColour) {
        header.palette[static_cast<std::size_t>(palette_entries++)] = colour;
        colour = 0;
        colour_digits = 0;
      }
    }
  }
}

void Reader::ReadPixels(const Header& header, TByteImage& image) {
  const int bits = BitsPerIndex(header.depth);
  const int per_digit = IndicesPerDigit(header.depth);
  const int index_mask = (1 << bits) - 1;
  const int last_entry = PaletteSize(header.depth) - 1;
  for (;;) {
    const Token token = Next();
    if (token.kind == Kind::kEnd || token.kind == Kind::kTerminator) return;
    if (token.kind == Kind::kHeaderEnd) continue;
    for (int i = 0; i < per_digit; ++i) {
      const int index = std::min((token.value >> (bits * i)) & index_mask, last_entry);
      if (!image.PutNext(header.palette[static_cast<std::size_t>(index)])) return;
    }
  }
}

}  // namespace plorvane::text_picture
