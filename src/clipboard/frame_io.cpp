#include "clipboard/frame_io.h"

#include "texttools/component_io.h"

namespace plorvane {
namespace {

using ByteSetting = std::uint8_t TFrameIO::*;

template <ByteSetting setting>
std::int32_t GetByte(const TFrameIO& io) {
  return io.*setting;
}

template <ByteSetting setting>
void SetByte(TFrameIO& io, std::int32_t value) {
  io.*setting = static_cast<std::uint8_t>(value);
}

}  // namespace

const PublishedProperties<TFrameIO>& TFrameIO::Published() {
  static const auto properties =
      PublishedProperties<TFrameIO>()
          .Integer("Split", GetByte<&TFrameIO::Split>, SetByte<&TFrameIO::Split>)
          .Integer(
              "Color", [](const TFrameIO& io) { return static_cast<std::int32_t>(io.Color); },
              [](TFrameIO& io, std::int32_t colour) { io.Color = static_cast<Colour>(colour); })
          .Boolean(
              "SwapColor", [](const TFrameIO& io) { return io.SwapColor; },
              [](TFrameIO& io, bool swap) { io.SwapColor = swap; })
          .Integer("Size", GetByte<&TFrameIO::Size>, SetByte<&TFrameIO::Size>)
          .Integer("Shade", GetByte<&TFrameIO::Shade>, SetByte<&TFrameIO::Shade>);
  return properties;
}

bool TFrameIO::SaveToFile(const std::string& path) { return ComponentIO().SaveComponent(*this, path, last_error_); }

bool TFrameIO::LoadFromFile(const std::string& path) {
  TFrameIO read;
  if (!ComponentIO().LoadComponent(read, path, last_error_)) return false;
  Split = read.Split;
  Color = read.Color;
  SwapColor = read.SwapColor;
  Size = read.Size;
  Shade = read.Shade;
  return true;
}

}  // namespace plorvane
