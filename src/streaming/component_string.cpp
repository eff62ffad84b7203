#include "streaming/component_string.h"

namespace plorvane {

const PublishedProperties<TComponentString>& TComponentString::Published() {
  static const auto properties = PublishedProperties<TComponentString>().String("X", &TComponentString::X);
  return properties;
}

}  // namespace plorvane
