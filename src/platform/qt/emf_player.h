#pragma once
// Plays an enhanced metafile onto a QPainter, record by record: the drawing records pictures are
// usually made of (lines, rectangles, ellipses, polygons, text) with their pens, brushes, fonts
// and coordinate mapping. Records it does not know are skipped; a damaged record ends the play.

#include <QPainter>
#include <cstdint>
#include <span>

namespace plorvane {

// Draws the metafile's picture frame into `target`. False when the bytes are not an enhanced
// metafile; damage after the header only cuts the picture short.
bool PlayEnhancedMetafile(std::span<const std::uint8_t> file, QPainter& painter, const QRectF& target);

}  // namespace plorvane
