#pragma once

#include <cstdint>

namespace plorvane {

// The tag byte in front of every value of a property stream.
enum class ValueTag : std::uint8_t {
  kNull = 0,  // end of a list, of the properties and of the children
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kExtended = 5,
  kString = 6,  // 1-byte length
  kIdent = 7,
  kFalse = 8,
  kTrue = 9,
  kBinary = 10,  // 4-byte length
  kSet = 11,
  kLString = 12,  // 4-byte length
  kNil = 13,
  kCollection = 14,
};

}  // namespace plorvane
