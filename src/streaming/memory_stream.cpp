#include "streaming/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace plorvane {

std::size_t MemoryStream::Read(std::span<std::uint8_t> into) {
  if (position_ >= Size() || into.empty()) return 0;
  const auto count = std::min(into.size(), static_cast<std::size_t>(Size() - position_));
  std::memcpy(into.data(), bytes_.data() + position_, count);
  position_ += static_cast<std::int64_t>(count);
  return count;
}

std::size_t MemoryStream::Write(std::span<const std::uint8_t> from) {
  if (from.empty()) return 0;
  const auto end = static_cast<std::size_t>(position_) + from.size();
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, from.data(), from.size());
  position_ = static_cast<std::int64_t>(end);
  return from.size();
}

bool MemoryStream::Seek(std::int64_t position) {
  if (position < 0) return false;
  position_ = position;
  return true;
}

void MemoryStream::Clear() {
  bytes_.clear();
  position_ = 0;
}

void MemoryStream::Assign(std::vector<std::uint8_t> bytes) {
  bytes_ = std::move(bytes);
  position_ = 0;
}

void MemoryStream::SetSize(std::size_t size) {
  bytes_.resize(size);
  position_ = std::min(position_, static_cast<std::int64_t>(size));
}

std::vector<std::uint8_t> MemoryStream::TakeBytes() {
  position_ = 0;
  return std::exchange(bytes_, {});
}

}  // namespace plorvane
