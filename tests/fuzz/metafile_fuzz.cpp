// Enhanced and Windows metafiles: whatever reads must keep within the caps, and playing its
// commands through a device context must hold, whatever the records said.
#include <cstdlib>

#include "fuzz/fuzz_target.h"
#include "graphics/metafile_context.h"
#include "graphics/metafile_reader.h"
#include "graphics/metafile_samples.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  return {test::EveryEnhancedRecord(), test::EveryWindowsRecord(true), test::EveryWindowsRecord(false)};
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane::metafile;
  const std::optional<Drawing> drawing = ReadMetafile(std::span(data, size));
  if (!drawing) return 0;
  if (drawing->commands.size() > kMaxCommands) std::abort();
  DrawingContext context(*drawing, {0, 0, 640, 480});
  for (const Command& command : drawing->commands) {
    if (const auto* blit = std::get_if<DrawBitmap>(&command); blit != nullptr && blit->pixels.empty()) std::abort();
    context.Apply(command);
    static_cast<void>(context.ToTarget());
  }
  return 0;
}
