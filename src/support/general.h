#pragma once
// String, colour and file helpers every part of the program shares. Nothing here throws.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/colour.h"

namespace plorvane {

class TGeneral {
 public:
  // Scans left to right and continues behind each inserted replacement, so the replacement is
  // never scanned again. An empty `find` changes nothing.
  static void ReplaceAll(std::string& text, std::string_view find, std::string_view replacement);

  // The settings file's booleans: true exactly for "1".
  static bool IsOne(std::string_view text) { return text == "1"; }
  static std::string OneOrZero(bool flag) { return flag ? "1" : "0"; }

  static std::string Scramble(std::string_view data, std::string_view key, int mode);

  // The text read as a real number and rounded half away from zero; 0 when it is not a number
  // or lies outside the range of int.
  static int ToRoundedInteger(std::string_view text);

  static int Red(Colour c) { return static_cast<int>(c & 0xFF); }
  static int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
  static int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
  static int HighByte(Colour c) { return static_cast<int>((c >> 24) & 0xFF); }

  // Size in bytes of a regular file; -1 when it cannot be opened.
  static std::int64_t FileSize(const std::string& file_name);

  // Each channel times percent / 100, truncated and kept within 0..255.
  static Colour Shade(Colour c, int percent);
  // Mixes percent of c1 with the rest of c2; above 100 it goes on from c1 towards white.
  static Colour Blend(int percent, Colour c1, Colour c2);
  static int Brightest(Colour c);
  static int Darkest(Colour c);
  // The background that text of colour c stands out on: white when no component passes 192,
  // black otherwise.
  static Colour ContrastColour(Colour c) { return Brightest(c) <= kContrastLimit ? kWhite : kBlack; }
  static constexpr int kContrastLimit = 192;

  // Names of the regular files in the mask's folder that match the mask's last part, sorted;
  // each prefixed with the mask's folder when `with_folder` is set. A mask without a folder
  // lists the current folder.
  static std::vector<std::string> ListFiles(const std::string& mask, bool with_folder);
};

// The one shared instance, made on first use.
TGeneral& General();

}  // namespace plorvane
