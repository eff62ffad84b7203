#include "block_letters.h"

#include <array>

namespace plorvane::library {
namespace {

constexpr int kColumns = 5;
constexpr int kRows = 7;
constexpr int kAdvance = kColumns + 1;  // a column of space between letters

using Glyph = std::array<std::string_view, kRows>;

// A..Z, then '!'.
constexpr Glyph kGlyphs[] = {
    {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"},  // A
    {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "},  // B
    {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "},  // C
    {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "},  // D
    {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"},  // E
    {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "},  // F
    {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"},  // G
    {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"},  // H
    {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "},  // I
    {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "},  // J
    {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"},  // K
    {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"},  // L
    {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"},  // M
    {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"},  // N
    {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "},  // O
    {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "},  // P
    {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"},  // Q
    {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"},  // R
    {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "},  // S
    {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "},  // T
    {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "},  // U
    {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "},  // V
    {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "},  // W
    {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"},  // X
    {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "},  // Y
    {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"},  // Z
    {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "},  // !
};

const Glyph* GlyphOf(char letter) {
  if (letter >= 'A' && letter <= 'Z') return &kGlyphs[letter - 'A'];
  if (letter == '!') return &kGlyphs[26];
  return nullptr;
}

}  // namespace

int BlockTextWidth(std::string_view text, int cell) {
  if (text.empty()) return 0;
  return (static_cast<int>(text.size()) * kAdvance - 1) * cell;
}

int BlockTextHeight(int cell) { return kRows * cell; }

void DrawBlockText(Bitmap& bitmap, std::string_view text, int x, int y, int cell, Colour colour) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Glyph* glyph = GlyphOf(text[i]);
    if (glyph == nullptr) continue;
    const int left = x + static_cast<int>(i) * kAdvance * cell;
    for (int row = 0; row < kRows; ++row) {
      for (int column = 0; column < kColumns; ++column) {
        if ((*glyph)[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != '#') continue;
        art::Disc(bitmap, left + (column + 0.5) * cell, y + (row + 0.5) * cell, cell * 0.72, colour);
      }
    }
  }
}

}  // namespace plorvane::library
