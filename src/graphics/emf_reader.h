#pragma once
// Enhanced metafiles read into drawing commands (metafile_records.h). The file is a header
// record (type 1, the " EMF" signature at byte 40, at least 88 bytes) and then records of a
// 32-bit type and a 32-bit size that counts the whole record. A size below 8 or the record's own
// minimum, not a multiple of 4, or beyond the end of the file ends the reading there; so does a
// record whose counts or offsets point outside it. Records not drawn are skipped.

#include <optional>

#include "graphics/metafile_builder.h"

namespace plorvane::metafile {

// None when the bytes do not start with an enhanced metafile header.
std::optional<Drawing> ReadEnhancedMetafile(Bytes file);

}  // namespace plorvane::metafile
