#pragma once
// TFrameIO: the card's frame settings as a clipboard object (the FRA file).

#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/colour.h"
#include "streaming/published_properties.h"

namespace plorvane {

class TFrameIO {
 public:
  static constexpr std::string_view kClassName = "TFrameIO";
  // Split, Color, SwapColor, Size, Shade.
  static const PublishedProperties<TFrameIO>& Published();

  std::uint8_t Split = 0;
  Colour Color = 0;
  bool SwapColor = false;
  std::uint8_t Size = 0;
  std::uint8_t Shade = 0;

  bool SaveToFile(const std::string& path);
  // Every setting comes from the file; on failure nothing changes.
  bool LoadFromFile(const std::string& path);
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

 private:
  std::string last_error_;
};

}  // namespace plorvane
