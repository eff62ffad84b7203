#pragma once
// Metafile pictures on Qt: enhanced metafiles are played onto a QPainter. Windows metafiles are
// not drawn (the picture then shows white).

#include "platform/metafile_renderer.h"

namespace plorvane {

class QtMetafiles final : public MetafileRenderer {
 public:
  bool Render(std::span<const std::uint8_t> file, int width, int height, Bitmap& out) const override;
};

}  // namespace plorvane
