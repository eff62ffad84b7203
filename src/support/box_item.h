#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "streaming/published_properties.h"

namespace plorvane {

// One named file in an archive box. pD holds the stored bytes, as is (pM 0) or as a zlib
// stream (pM 1).
class TBoxItem {
 public:
  static constexpr std::string_view kClassName = "TBoxItem";
  static const PublishedProperties<TBoxItem>& Published();

  enum Method : std::uint8_t { kStored = 0, kZlib = 1 };

  std::string pName;
  std::string pPath;  // folder with trailing separator; informational, used only by Find
  std::int32_t pSize = 0;
  std::int32_t pSizeB = 0;
  std::uint8_t pM = kStored;
  std::string pD;
};

}  // namespace plorvane
