#pragma once
// A font among an object's published properties. The stream writer has no set values, so the
// font is written as sub-properties: <name>.Name, .Size, .Height (pixels, 0 when the size
// decides), .Color and its style as the booleans .Bold, .Italic, .Underline and .StrikeOut. The
// font clipboard and the tool windows' settings files share these names.

#include <cstdint>
#include <string>
#include <utility>

#include "platform/font.h"
#include "streaming/published_properties.h"

namespace plorvane {

template <class T>
PublishedProperties<T>& PublishFont(PublishedProperties<T>& properties, const std::string& name, Font T::*font) {
  const auto flag = [&](const char* suffix, bool Font::*member) {
    properties.Boolean(
        name + suffix, [font, member](const T& o) { return (o.*font).*member; },
        [font, member](T& o, bool value) { (o.*font).*member = value; });
  };
  properties
      .String(
          name + ".Name", [font](const T& o) { return (o.*font).name; },
          [font](T& o, std::string&& value) { (o.*font).name = std::move(value); })
      .Integer(
          name + ".Size", [font](const T& o) { return std::int32_t{(o.*font).size}; },
          [font](T& o, std::int32_t value) { (o.*font).size = value; })
      .Integer(
          name + ".Height", [font](const T& o) { return std::int32_t{(o.*font).pixel_height}; },
          [font](T& o, std::int32_t value) { (o.*font).pixel_height = value; })
      .Integer(
          name + ".Color", [font](const T& o) { return static_cast<std::int32_t>((o.*font).colour); },
          [font](T& o, std::int32_t value) { (o.*font).colour = static_cast<Colour>(value); });
  flag(".Bold", &Font::bold);
  flag(".Italic", &Font::italic);
  flag(".Underline", &Font::underline);
  flag(".StrikeOut", &Font::strikeout);
  return properties;
}

}  // namespace plorvane
