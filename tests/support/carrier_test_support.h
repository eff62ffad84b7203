#pragma once
// Carrier bitmaps made from named contents, for the tests of everything that reads carriers.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/carrier_bitmap.h"

namespace plorvane::test {

using NamedContent = std::pair<std::string, std::string>;

inline std::vector<TBoxItem> BoxItemsOf(const std::vector<NamedContent>& files) {
  std::vector<TBoxItem> items;
  for (const auto& [name, content] : files) {
    TBoxItem& item = items.emplace_back();
    EXPECT_TRUE(PackBoxItem(name, {reinterpret_cast<const std::uint8_t*>(content.data()), content.size()}, item));
  }
  return items;
}

inline std::vector<std::uint8_t> CarrierOf(const std::vector<NamedContent>& files) {
  return WriteCarrierBitmap(WriteArchive(BoxItemsOf(files)));
}

}  // namespace plorvane::test
