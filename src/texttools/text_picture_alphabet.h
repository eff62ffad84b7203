#pragma once
// The image-as-text format's building blocks, shared by its reader and writer: the 64-character
// alphabet, the default palette and how palette indices are packed into one character.

#include <array>
#include <cstddef>
#include <cstdint>

#include "graphics/colour.h"

namespace plorvane::text_picture {

inline constexpr int kMinDepth = 1;
inline constexpr int kMaxDepth = 6;
inline constexpr int kMaxPaletteEntries = 1 << kMaxDepth;
inline constexpr int kDigitsPerDimension = 3;
inline constexpr int kDigitsPerColour = 4;
inline constexpr int kBitsPerDigit = 6;
inline constexpr int kMaxDimension = (1 << (kBitsPerDigit * kDigitsPerDimension)) - 1;  // 262,143

inline constexpr char kSignatureChar = 'T';
inline constexpr char kHeaderEndChar = '~';
inline constexpr char kTerminatorChar = '#';
inline constexpr char kCommentOpenChar = '{';
inline constexpr char kCommentCloseChar = '}';

inline constexpr std::array<char, 64> kAlphabet = {
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F',
    'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V',
    'W', 'X', 'Y', 'Z', 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l',
    'm', 'n', 'o', 'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z', '(', ')'};

constexpr char DigitChar(int value) { return kAlphabet[static_cast<std::size_t>(value & 63)]; }

// The digit's value, or -1 for every character outside the alphabet.
constexpr int DigitValue(std::uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  if (c == '(') return 62;
  if (c == ')') return 63;
  return -1;
}

constexpr int PaletteSize(int depth) { return 1 << depth; }
// Depths 1..3 pack several indices into one digit; deeper palettes use the whole digit.
constexpr int BitsPerIndex(int depth) { return depth <= 3 ? depth : kBitsPerDigit; }
constexpr int IndicesPerDigit(int depth) { return kBitsPerDigit / BitsPerIndex(depth); }

using Palette = std::array<Colour, kMaxPaletteEntries>;

// Entries missing from a text keep these colours; entries 8 and above are black.
constexpr Palette DefaultPalette() {
  Palette palette{};
  const std::array<Colour, 8> first = {0x000000, 0x0000FF, 0x00FFFF, 0x00FF00,
                                       0xFF0000, 0xC0C0C0, 0x808080, 0xFFFFFF};
  for (std::size_t i = 0; i < first.size(); ++i) palette[i] = first[i];
  return palette;
}

}  // namespace plorvane::text_picture
