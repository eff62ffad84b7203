#pragma once
// Metafile pictures on Qt: enhanced and Windows metafiles are read by the core into drawing
// commands and painted onto a QPainter (metafile_painter.h).

#include "platform/metafile_renderer.h"

namespace plorvane {

class QtMetafiles final : public MetafileRenderer {
 public:
  bool Render(std::span<const std::uint8_t> file, int width, int height, Bitmap& out) const override;
};

}  // namespace plorvane
