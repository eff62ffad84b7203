#pragma once
// The keyed byte scrambler and the text form built on it, which keeps short texts (titles,
// version numbers) unreadable in memory and in the program file.

#include <string>
#include <string_view>

namespace plorvane {

// Combines each byte of `data` with the key byte in rotation:
//   0: d + k wrapping at 256        1: undoes 0
//   2: d + k, minus 242 above 255   3: undoes 2 for bytes 14..255 (plus 242 below 14)
// Any other mode, an empty `data` or an empty `key` answers `data` unchanged. Modes 2 and 3 keep
// text without control characters free of bytes below 14.
std::string Scramble(std::string_view data, std::string_view key, int mode);

// Encode: a random key, scrambled itself with a fixed key, is stored in front of the scrambled
// text, and every "'" is doubled. Decode reverses it; malformed input decodes to an empty text.
// Bytes below 14 in the plain text do not survive the round trip.
std::string ScrambleText(std::string_view text, bool encode);

}  // namespace plorvane
