#include "support/box_item.h"

namespace plorvane {

const PublishedProperties<TBoxItem>& TBoxItem::Published() {
  static const auto properties =
      PublishedProperties<TBoxItem>()
          .String("pName", &TBoxItem::pName)
          .String("pPath", &TBoxItem::pPath)
          .Integer("pSize", &TBoxItem::pSize)
          .Integer("pSizeB", &TBoxItem::pSizeB)
          .Integer(
              "pM", [](const TBoxItem& item) { return std::int32_t{item.pM}; },
              [](TBoxItem& item, std::int32_t value) { item.pM = static_cast<std::uint8_t>(value); })
          .String("pD", &TBoxItem::pD);
  return properties;
}

}  // namespace plorvane
