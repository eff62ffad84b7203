#pragma once
// The pixels of any picture a card can hold: bitmaps, JPEG images and icons are decoded by the
// core, metafiles drawn by the platform. What neither can draw shows as white of its size.

#include "graphics/bitmap.h"
#include "graphics/picture.h"
#include "platform/metafile_renderer.h"

namespace plorvane {

Bitmap PicturePixels(const Picture& picture, const MetafileRenderer& metafiles);

}  // namespace plorvane
