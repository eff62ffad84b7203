#pragma once
// Byte-at-a-time access at absolute positions over any stream, through one 2048-byte window so
// that the stream itself is read and written in blocks.

#include <array>
#include <cstdint>

#include "streaming/stream.h"

namespace plorvane {

class TByteStream {
 public:
  static constexpr std::int64_t kWindowSize = 2048;

  TByteStream() = default;
  explicit TByteStream(Stream* stream) { Attach(stream); }
  ~TByteStream() { Close(); }
  TByteStream(const TByteStream&) = delete;
  TByteStream& operator=(const TByteStream&) = delete;

  // Writes back the current window first; when that fails the new stream is not taken.
  // Attaching nullptr detaches. The stream is not owned.
  bool Attach(Stream* stream);
  bool ReadByte(std::int64_t position, std::uint8_t& value);
  bool WriteByte(std::int64_t position, std::uint8_t value);
  bool Flush();
  // Flushes and detaches; the object is reset even when the flush fails.
  bool Close();

  // Where a reloaded window starts relative to the requested position: 0 at it, 1 ending at it,
  // 2 centred on it. Values outside 0..2 are clamped.
  [[nodiscard]] int WindowMode() const { return window_mode_; }
  void SetWindowMode(int mode);

  // The stream's size as far as this object knows, including bytes still in the window.
  [[nodiscard]] std::int64_t Size() const { return known_size_; }

 private:
  [[nodiscard]] bool WindowHolds(std::int64_t position, std::int64_t span) const {
    return window_start_ >= 0 && position >= window_start_ && position < window_start_ + span;
  }
  bool LoadWindow(std::int64_t position);
  void DropWindow();

  Stream* stream_ = nullptr;
  std::array<std::uint8_t, kWindowSize> window_{};
  std::int64_t window_start_ = -1;
  std::int64_t valid_count_ = 0;
  bool dirty_ = false;
  std::int64_t known_size_ = 0;
  int window_mode_ = 0;
};

}  // namespace plorvane
