#include "platform/headless/headless_metafiles.h"

#include <string>

namespace plorvane {

bool HeadlessMetafiles::Render(std::span<const std::uint8_t> file, int width, int height, Bitmap& /*out*/) const {
  log_.Add("metafile " + std::to_string(file.size()) + " bytes at " + std::to_string(width) + "x" +
           std::to_string(height));
  return false;
}

}  // namespace plorvane
