#pragma once
// Turning and mirroring a bitmap into the orientation a camera recorded.

#include "graphics/bitmap.h"
#include "graphics/exif_orientation.h"

namespace plorvane {

// Turns the stored picture upright for its recorded orientation; sides swap for the quarter turns
// and the diagonal mirrors. False, with the bitmap unchanged, only when memory runs out.
bool OrientUpright(ExifOrientation orientation, Bitmap& bitmap);

}  // namespace plorvane
