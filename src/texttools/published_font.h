#pragma once
// A font member published as sub-properties, the way fonts travel in the settings files and the
// font clipboard: <prefix>.Name, .Size, .Height (pixels, 0 when the size decides), .Color, and
// the style as the booleans .Bold, .Italic, .Underline, .StrikeOut (the stream writer has no
// set values).

#include <cstdint>
#include <string>
#include <utility>

#include "platform/font.h"
#include "streaming/published_properties.h"

namespace plorvane {

template <class T>
PublishedProperties<T>& PublishFont(PublishedProperties<T>& properties, const std::string& prefix, Font T::*font) {
  const auto flag = [&properties, &prefix, font](const char* name, bool Font::*member) {
    properties.Boolean(
        prefix + name, [font, member](const T& o) { return (o.*font).*member; },
        [font, member](T& o, bool value) { (o.*font).*member = value; });
  };
  properties
      .String(
          prefix + ".Name", [font](const T& o) { return (o.*font).name; },
          [font](T& o, std::string&& name) { (o.*font).name = std::move(name); })
      .Integer(
          prefix + ".Size", [font](const T& o) { return std::int32_t{(o.*font).size}; },
          [font](T& o, std::int32_t size) { (o.*font).size = size; })
      .Integer(
          prefix + ".Height", [font](const T& o) { return std::int32_t{(o.*font).pixel_height}; },
          [font](T& o, std::int32_t height) { (o.*font).pixel_height = height; })
      .Integer(
          prefix + ".Color", [font](const T& o) { return static_cast<std::int32_t>((o.*font).colour); },
          [font](T& o, std::int32_t colour) { (o.*font).colour = static_cast<Colour>(colour); });
  flag(".Bold", &Font::bold);
  flag(".Italic", &Font::italic);
  flag(".Underline", &Font::underline);
  flag(".StrikeOut", &Font::strikeout);
  return properties;
}

}  // namespace plorvane
