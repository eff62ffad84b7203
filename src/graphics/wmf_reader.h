#pragma once
// Windows metafiles read into drawing commands (metafile_records.h). The file is an optional
// 22-byte placeable header (key 0x9AC6CDD7, bounding box, units per inch, checksum), the 18-byte
// standard header (type 1 or 2, header size 9 words), then records of a 32-bit size in 16-bit
// words that counts the whole record and a 16-bit function number. A size below 3 words or the
// record's own minimum, or beyond the end of the file, ends the reading there; so does a record
// whose counts point outside it. Records not drawn are skipped.
//
// The placeable header's checksum is not required to match: it guards nothing the other checks
// do not, and pictures whose writers got it wrong are accepted as pictures everywhere else in
// the program (TMetafile measures them), so refusing them here would only show them white.

#include <optional>

#include "graphics/metafile_builder.h"

namespace plorvane::metafile {

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

// None when the bytes do not start with a Windows metafile header, with or without a
// placeable header before it.
std::optional<Drawing> ReadWindowsMetafile(Bytes file);

}  // namespace plorvane::metafile
