#pragma once
// 8-bit text of Windows files (metafile strings, font names) as UTF-16, read as Windows-1252,
// the code page Western Windows writes them in.

#include <cstdint>
#include <span>
#include <string>

namespace plorvane {

std::u16string WidenAnsi(std::span<const std::uint8_t> text);

}  // namespace plorvane
