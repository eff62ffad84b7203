#pragma once
// Either kind of metafile read into drawing commands: enhanced metafiles, and Windows metafiles
// with or without a placeable header.

#include <optional>

#include "graphics/metafile_builder.h"

namespace plorvane::metafile {

// None when the bytes start with neither kind of header.
std::optional<Drawing> ReadMetafile(Bytes file);

}  // namespace plorvane::metafile
