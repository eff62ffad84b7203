#pragma once
// The orientation a camera records in a JPEG's Exif block (tag 0x0112 of the first image
// directory): how the stored rows must be turned to show the picture upright.

#include <cstdint>
#include <span>

namespace plorvane {

// The eight Exif values; the name says what the stored picture needs to look upright.
enum class ExifOrientation : std::uint8_t {
  kUpright = 1,
  kMirrorLeftRight = 2,
  kRotate180 = 3,
  kMirrorTopBottom = 4,
  kTranspose = 5,      // mirror across the top-left to bottom-right diagonal
  kRotateRight = 6,    // a quarter turn clockwise
  kTransverse = 7,     // mirror across the top-right to bottom-left diagonal
  kRotateLeft = 8,     // a quarter turn anticlockwise
};

// True for the orientations that swap width and height.
constexpr bool SwapsSides(ExifOrientation orientation) {
  return orientation >= ExifOrientation::kTranspose;
}

// Reads the orientation from the first Exif APP1 segment before the picture's scan, in either
// byte order. Upright when the file has none, or when the segment, the directory or the value
// is damaged or out of range: a picture is never refused for its Exif block.
ExifOrientation ReadExifOrientation(std::span<const std::uint8_t> jpeg);

}  // namespace plorvane
