#include "graphics/metafile_reader.h"

#include "graphics/emf_reader.h"
#include "graphics/wmf_reader.h"

namespace plorvane::metafile {

std::optional<Drawing> ReadMetafile(Bytes file) {
  if (auto enhanced = ReadEnhancedMetafile(file)) return enhanced;
  return ReadWindowsMetafile(file);
}

}  // namespace plorvane::metafile
