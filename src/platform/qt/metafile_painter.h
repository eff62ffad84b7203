#pragma once
// Draws the commands of a decoded metafile, of either kind, onto a QPainter. The core reads the
// file and keeps the device context (graphics/metafile_context.h); this only turns each drawing
// command into the painter's calls. Shapes are drawn in logical units under the context's
// mapping; text is drawn upright in target pixels at its mapped reference point, its font scaled
// with the vertical mapping, as Windows draws text whatever the mapping's signs.

#include <QPainter>

#include "graphics/metafile_records.h"

namespace plorvane {

// The drawing's frame lands on `target`.
void PaintMetafile(const metafile::Drawing& drawing, QPainter& painter, const QRectF& target);

}  // namespace plorvane
