#pragma once

#include <string_view>

#include "graphics/picture.h"
#include "streaming/published_properties.h"

namespace plorvane {

// Carries one picture through a property stream: the entry "pPic.Data" holds the graphic's
// class name and data block. A record of a TPic is a picture record.
class TPic {
 public:
  static constexpr std::string_view kClassName = "TPic";
  static const PublishedProperties<TPic>& Published();

  Picture pPic;
};

}  // namespace plorvane
