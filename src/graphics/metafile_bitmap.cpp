#include "graphics/metafile_bitmap.h"

#include <algorithm>
#include <limits>
#include <new>

#include "graphics/dib_layout.h"
#include "graphics/dib_runs.h"
#include "graphics/little_endian.h"

namespace plorvane::metafile {
namespace {

bool Decode(const DibLayout& layout, Bytes pixels, Bitmap& out) {
  if (layout.run_length) return DecodeDibRuns(layout, pixels, out);
  // The pixel cap keeps this product far below the range of std::size_t.
  if (!le::Fits(pixels.size(), 0, layout.stride * static_cast<std::size_t>(layout.height))) return false;
  Bitmap decoded;
  if (!decoded.Resize(layout.width, layout.height)) return false;
  for (int row = 0; layout.width > 0 && row < layout.height; ++row) {
    const int y = layout.top_down ? row : layout.height - 1 - row;
    DecodeDibRow(layout, pixels.data() + static_cast<std::size_t>(row) * layout.stride, decoded.scanline(y));
  }
  out = std::move(decoded);
  return true;
}

bool AddDecoded(DrawingBuilder& builder, const Blit& blit, const DibLayout& layout, Bytes pixels) {
  if (layout.width == 0 || layout.height == 0) return true;  // nothing to draw
  if (!builder.TakeBitmapPixels(std::int64_t{layout.width} * layout.height)) return false;
  DrawBitmap command{blit.dest, blit.source, {}};
  try {
    if (!Decode(layout, pixels, command.pixels)) return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
  // Turn a bottom-up DIB's source rows into the bitmap's top-down ones.
  if (blit.rows == SourceRows::kFromBottom && !layout.top_down)
    command.source.y = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{layout.height} - command.source.y - command.source.height,
                                 std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
  return builder.Add(std::move(command));
}

}  // namespace

bool AddBlit(DrawingBuilder& builder, const Blit& blit, Bytes header, Bytes pixels, std::uint32_t colour_usage) {
  DibLayout layout;
  if (blit.raster_operation != kSourceCopy || colour_usage != kRgbColours || !ReadDibLayout(header, layout))
    return true;
  return AddDecoded(builder, blit, layout, pixels);
}

bool AddPackedBlit(DrawingBuilder& builder, const Blit& blit, Bytes dib, std::uint32_t colour_usage) {
  DibLayout layout;
  if (blit.raster_operation != kSourceCopy || colour_usage != kRgbColours || !ReadDibLayout(dib, layout) ||
      layout.pixel_offset > dib.size())
    return true;
  return AddDecoded(builder, blit, layout, dib.subspan(layout.pixel_offset));
}

bool AddPatternBlit(DrawingBuilder& builder, const Blit& blit) {
  switch (blit.raster_operation) {
    case kPatternCopy: return builder.Add(FillBox{blit.dest, FillWith::kBrush});
    case kBlackness: return builder.Add(FillBox{blit.dest, FillWith::kBlack});
    case kWhiteness: return builder.Add(FillBox{blit.dest, FillWith::kWhite});
    default: return true;
  }
}

}  // namespace plorvane::metafile
