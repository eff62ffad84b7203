#include "graphics/cursor_codec.h"

#include <new>

#include "graphics/ani_codec.h"
#include "graphics/ico_codec.h"

namespace plorvane {
namespace {

CursorError DecodeByContent(std::span<const std::uint8_t> file, CursorImage& image) {
  if (LooksLikeRiffFile(file)) return DecodeAniFile(file, image);
  if (!LooksLikeIconFile(file)) return CursorError::kNotACursor;
  CursorImage still{std::vector<CursorFrame>(1)};
  const CursorError error = DecodeIconFile(file, IconChoice::kCursorSize, still.frames.front());
  if (error == CursorError::kNone) image = std::move(still);
  return error;
}

}  // namespace

CursorError DecodeCursor(std::span<const std::uint8_t> file, CursorImage& image) {
  try {
    CursorImage decoded;
    const CursorError error = DecodeByContent(file, decoded);
    if (error != CursorError::kNone) return error;
    // The decoders enforce every rule IsValid checks; this keeps a slip from reaching a platform.
    if (!decoded.IsValid()) return CursorError::kBadHeader;
    image = std::move(decoded);
    return CursorError::kNone;
  } catch (const std::bad_alloc&) {
    return CursorError::kTooLarge;
  }
}

bool DecodeCursorFile(std::span<const std::uint8_t> file, CursorImage& image) {
  return DecodeCursor(file, image) == CursorError::kNone;
}

}  // namespace plorvane
