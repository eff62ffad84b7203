#pragma once
// Metafiles without a display: nothing is drawn (the picture shows white), but every request is
// recorded, so tests see that the core asked.

#include "platform/headless/call_log.h"
#include "platform/metafile_renderer.h"

namespace plorvane {

class HeadlessMetafiles final : public MetafileRenderer {
 public:
  explicit HeadlessMetafiles(CallLog& log) : log_(log) {}

  bool Render(std::span<const std::uint8_t> file, int width, int height, Bitmap& out) const override;

 private:
  CallLog& log_;
};

}  // namespace plorvane
