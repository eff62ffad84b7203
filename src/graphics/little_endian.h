#pragma once
// Little-endian field access for the graphics file formats. Readers check the offset against the
// buffer before touching it, so a short buffer is an answer (false), never an overread.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace plorvane::le {

// True when `count` bytes starting at `offset` lie inside a buffer of `size` bytes.
constexpr bool Fits(std::size_t size, std::size_t offset, std::size_t count) {
  return offset <= size && count <= size - offset;
}

inline bool ReadU16(std::span<const std::uint8_t> data, std::size_t offset, std::uint16_t& value) {
  if (!Fits(data.size(), offset, 2)) return false;
  value = static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
  return true;
}

inline bool ReadU32(std::span<const std::uint8_t> data, std::size_t offset, std::uint32_t& value) {
  if (!Fits(data.size(), offset, 4)) return false;
  value = std::uint32_t{data[offset]} | (std::uint32_t{data[offset + 1]} << 8) |
          (std::uint32_t{data[offset + 2]} << 16) | (std::uint32_t{data[offset + 3]} << 24);
  return true;
}

inline bool ReadI32(std::span<const std::uint8_t> data, std::size_t offset, std::int32_t& value) {
  std::uint32_t raw = 0;
  if (!ReadU32(data, offset, raw)) return false;
  value = static_cast<std::int32_t>(raw);
  return true;
}

inline void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void AppendI32(std::vector<std::uint8_t>& out, std::int32_t value) {
  AppendU32(out, static_cast<std::uint32_t>(value));
}

}  // namespace plorvane::le
