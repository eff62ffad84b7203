#include "texttools/font_view_geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "graphics/ansi_text.h"
#include "support/general.h"

namespace plorvane {
namespace {

constexpr int kPointsPerInch = 72;
constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kGrey = 0x808080;

void AppendUtf8(std::string& out, char16_t unit) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

}  // namespace

int ClampSymbolCode(int code) { return std::clamp(code, kFirstSymbolCode, kLastSymbolCode); }

int CellSize(int view_width, int scroll_bar_width) {
  return std::max(view_width - scroll_bar_width - kCodeColumnWidth, 1);
}

int ViewWidthForCell(int font_height, int scroll_bar_width) {
  return std::abs(font_height) + scroll_bar_width + kCodeColumnWidth;
}

RowRange VisibleRows(int top_index, int client_height, int cell_size) {
  const int first = ClampSymbolCode(top_index);
  return RowRange{first, ClampSymbolCode(first + std::max(client_height, 0) / std::max(cell_size, 1))};
}

int ItemAt(int y, int top_index, int cell_size) { return ClampSymbolCode(y / std::max(cell_size, 1) + top_index); }

Colour BackgroundColour(Colour font_colour) { return TGeneral::Brightest(font_colour) > 192 ? kBlack : kWhite; }

Colour HighlightColour(Colour font_colour) {
  return TGeneral::Darkest(font_colour) < 160 || TGeneral::Brightest(font_colour) > 220 ? kSilver : kGrey;
}

int FontPixelHeight(const Font& font, int pixels_per_inch) {
  if (font.pixel_height > 0) return font.pixel_height;
  const std::int64_t scaled = std::int64_t{std::abs(font.size)} * std::max(pixels_per_inch, 0);
  return static_cast<int>((scaled + kPointsPerInch / 2) / kPointsPerInch);
}

int PointsForPixels(int pixels, int pixels_per_inch) {
  if (pixels_per_inch <= 0) return 0;
  const std::int64_t scaled = std::abs(std::int64_t{pixels}) * kPointsPerInch;
  std::int64_t points = scaled / pixels_per_inch;
  const std::int64_t twice_rest = 2 * (scaled % pixels_per_inch);
  if (twice_rest > pixels_per_inch || (twice_rest == pixels_per_inch && points % 2 != 0)) ++points;
  return static_cast<int>(points);
}

std::string GlyphSizeStatus(PixelSize glyph_image, int points) {
  return std::to_string(glyph_image.width) + "x" + std::to_string(glyph_image.height) + " [" +
         std::to_string(points) + "]";
}

std::string SymbolCharacter(int code) {
  const std::uint8_t byte = static_cast<std::uint8_t>(ClampSymbolCode(code));
  std::string text;
  for (const char16_t unit : WidenAnsi(std::span<const std::uint8_t>(&byte, 1))) AppendUtf8(text, unit);
  return text;
}

}  // namespace plorvane
