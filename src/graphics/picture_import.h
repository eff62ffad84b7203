#pragma once
// Taking a picture from a file a user has, whatever its name says: the kind is told by the
// file's signature. The card stores four kinds; other kinds become its bitmap, so a card written
// with an imported picture reads in any player.

#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/picture.h"

namespace plorvane {

// BMP, JPEG, icon and metafile files become the card's graphic of that kind, JPEG, icon and
// metafile byte for byte; PNG, GIF (its first frame) and WebP are decoded, laid over white where
// transparent, and become a bitmap. The picture must draw: a JPEG or icon whose pixels do not
// decode is refused too. On failure `picture` is unchanged and `error` is "Unknown format" (no
// kind recognised), "Unsupported format" (a cursor, an animated WebP), "Data corrupt" (a known
// kind whose content does not decode or passes the size caps) or "Out of memory".
bool ImportPicture(std::vector<std::uint8_t> bytes, Picture& picture, std::string_view& error);

}  // namespace plorvane
