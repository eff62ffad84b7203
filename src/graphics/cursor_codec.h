#pragma once
// Cursor files as the card carries them: CUR, ICO or ANI, told apart by their content.

#include <cstdint>
#include <span>

#include "graphics/cursor_error.h"
#include "graphics/cursor_image.h"

namespace plorvane {

// An ICO or CUR file gives one frame (the image nearest 32x32), an ANI file one frame per step.
// The result always passes CursorImage::IsValid. On failure `image` is unchanged.
CursorError DecodeCursor(std::span<const std::uint8_t> file, CursorImage& image);

// The same for callers that report their own message.
bool DecodeCursorFile(std::span<const std::uint8_t> file, CursorImage& image);

}  // namespace plorvane
