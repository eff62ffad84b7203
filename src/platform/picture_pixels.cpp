#include "platform/picture_pixels.h"

#include <algorithm>

#include "graphics/metafile_graphic.h"

namespace plorvane {

Bitmap PicturePixels(const Picture& picture, const MetafileRenderer& metafiles) {
  Bitmap pixels;
  const Graphic* graphic = picture.graphic();
  if (graphic == nullptr) return pixels;
  if (graphic->Render(pixels)) return pixels;
  const int width = std::max(graphic->Width(), 0);
  const int height = std::max(graphic->Height(), 0);
  if (const auto* metafile = dynamic_cast<const TMetafile*>(graphic);
      metafile != nullptr && metafiles.Render(metafile->bytes(), width, height, pixels)) {
    return pixels;
  }
  if (!pixels.Resize(width, height, kWhite)) return {};
  return pixels;
}

}  // namespace plorvane
