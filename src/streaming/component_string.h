#pragma once

#include <string>
#include <string_view>

#include "streaming/published_properties.h"

namespace plorvane {

// Carries one string through a property stream, as the entry X. The card's signature record is
// one of these.
class TComponentString {
 public:
  static constexpr std::string_view kClassName = "TComponentString";
  static const PublishedProperties<TComponentString>& Published();

  std::string X;
};

}  // namespace plorvane
