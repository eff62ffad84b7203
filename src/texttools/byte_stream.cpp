#include "texttools/byte_stream.h"

#include <algorithm>
#include <limits>
#include <span>

namespace plorvane {

namespace {

// Keeps window arithmetic (start + size, position + 1) clear of overflow.
constexpr std::int64_t kLastPosition = std::numeric_limits<std::int64_t>::max() - TByteStream::kWindowSize;

bool ValidPosition(std::int64_t position) { return position >= 0 && position <= kLastPosition; }

}  // namespace

bool TByteStream::Attach(Stream* stream) {
  if (!Flush()) return false;
  stream_ = stream;
  DropWindow();
  known_size_ = stream_ != nullptr ? stream_->Size() : 0;
  return true;
}

bool TByteStream::Close() {
  const bool flushed = Flush();
  stream_ = nullptr;
  DropWindow();
  known_size_ = 0;
  return flushed;
}

void TByteStream::SetWindowMode(int mode) { window_mode_ = std::clamp(mode, 0, 2); }

void TByteStream::DropWindow() {
  window_start_ = -1;
  valid_count_ = 0;
  dirty_ = false;
}

bool TByteStream::Flush() {
  if (!dirty_ || stream_ == nullptr) return true;
  const auto bytes = std::span<const std::uint8_t>(window_).first(static_cast<std::size_t>(valid_count_));
  if (!stream_->Seek(window_start_) || !stream_->WriteAll(bytes)) {
    DropWindow();
    return false;
  }
  dirty_ = false;
  return true;
}

bool TByteStream::LoadWindow(std::int64_t position) {
  // A dirty window is written back before it is replaced, whatever the caller is doing, so
  // mixing reads and writes never loses a byte.
  if (!Flush()) return false;
  constexpr std::array<std::int64_t, 3> kLeadIn = {0, kWindowSize - 1, kWindowSize / 2 - 1};
  const std::int64_t start = std::max<std::int64_t>(0, position - kLeadIn[static_cast<std::size_t>(window_mode_)]);
  DropWindow();
  if (!stream_->Seek(start)) return false;
  const std::size_t count = stream_->Read(window_);
  // Zeros behind the valid bytes, so a write that leaves a gap writes back zeros, not stale bytes.
  std::fill(window_.begin() + static_cast<std::ptrdiff_t>(count), window_.end(), std::uint8_t{0});
  window_start_ = start;
  valid_count_ = static_cast<std::int64_t>(count);
  return true;
}

bool TByteStream::ReadByte(std::int64_t position, std::uint8_t& value) {
  if (stream_ == nullptr || !ValidPosition(position)) return false;
  if (!WindowHolds(position, valid_count_)) {
    if (!LoadWindow(position) || !WindowHolds(position, valid_count_)) return false;
  }
  value = window_[static_cast<std::size_t>(position - window_start_)];
  return true;
}

bool TByteStream::WriteByte(std::int64_t position, std::uint8_t value) {
  if (stream_ == nullptr || !ValidPosition(position)) return false;
  if (!WindowHolds(position, kWindowSize) && !LoadWindow(position)) return false;
  const std::int64_t offset = position - window_start_;
  window_[static_cast<std::size_t>(offset)] = value;
  valid_count_ = std::max(valid_count_, offset + 1);
  known_size_ = std::max(known_size_, position + 1);
  dirty_ = true;
  return true;
}

}  // namespace plorvane
