#pragma once
// The bitmaps inside metafile records: a DIB info header with its colour table, and its pixels,
// either packed right behind the header (Windows metafiles) or at an offset of their own
// (enhanced metafiles). Decoded through the shared DIB layout reader.

#include <cstdint>
#include <optional>
#include <span>

#include "graphics/metafile_builder.h"

namespace plorvane::metafile {

// Colour usage of a DIB in a record: only colour tables of RGB values are drawn, not tables of
// palette indices.
inline constexpr std::uint32_t kRgbColours = 0;

// Raster operations the readers draw; others (masks, inversions) are skipped.
inline constexpr std::uint32_t kSourceCopy = 0x00CC0020;
inline constexpr std::uint32_t kPatternCopy = 0x00F00021;
inline constexpr std::uint32_t kBlackness = 0x00000042;
inline constexpr std::uint32_t kWhiteness = 0x00FF0062;

// Where a blit's source rectangle counts its y from: the top row (a bitmap in a device
// context) or the bottom row of a bottom-up DIB (StretchDIBits).
enum class SourceRows : std::uint8_t { kFromTop, kFromBottom };

struct Blit {
  std::uint32_t raster_operation = 0;
  Box dest;
  Box source;
  SourceRows rows = SourceRows::kFromTop;
};

// False only at a cap (the reading must stop). A bitmap that does not decode, a table of palette
// indices and an operation not drawn add nothing.
bool AddBlit(DrawingBuilder& builder, const Blit& blit, Bytes header, Bytes pixels, std::uint32_t colour_usage);
bool AddPackedBlit(DrawingBuilder& builder, const Blit& blit, Bytes dib, std::uint32_t colour_usage);
// A blit without a bitmap: fills with the brush, black or white; other operations add nothing.
bool AddPatternBlit(DrawingBuilder& builder, const Blit& blit);

}  // namespace plorvane::metafile
