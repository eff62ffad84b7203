#pragma once
// TLinkIO: the card's link and its colour as a clipboard object (the LK file).

#include <string>
#include <string_view>

#include "graphics/colour.h"
#include "streaming/published_properties.h"

namespace plorvane {

class TLinkIO {
 public:
  static constexpr std::string_view kClassName = "TLinkIO";
  // Link, LinkColor. An empty link is not written.
  static const PublishedProperties<TLinkIO>& Published();

  std::string Link;
  Colour LinkColor = 0;

  bool SaveToFile(const std::string& path);
  // The file's link and colour replace both: a file without a Link entry stands for no link,
  // whatever this object held before. On failure nothing changes.
  bool LoadFromFile(const std::string& path);
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

 private:
  std::string last_error_;
};

}  // namespace plorvane
