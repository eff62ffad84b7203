#pragma once
// Why a cursor or icon file did not decode. Each reason maps to one of the program's messages,
// and the precise reason lets tests check that a file fails for the fault it carries.

#include <string_view>

namespace plorvane {

enum class CursorError {
  kNone,
  kNotACursor,       // neither an icon, a cursor nor an animated cursor
  kUnsupportedData,  // a pixel depth, compression or frame kind not read here
  kTruncated,        // a field, offset or size reaches past the end of its container
  kBadHeader,        // a field holds a value the format does not allow
  kTooLarge,         // a side, frame count or total size beyond the caps
  kBadSequence,      // a step names a frame that does not exist
  kBadHotSpot,       // the hot spot lies outside its image
};

// "Unknown format", "Unsupported format" or "Data corrupt"; empty for kNone.
std::string_view CursorErrorMessage(CursorError error);

}  // namespace plorvane
