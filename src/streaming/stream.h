#pragma once
// A positioned byte stream, the common ground of everything that reads or writes the system's
// formats: records are read from and written to "the stream's current position".

#include <cstddef>
#include <cstdint>
#include <span>

namespace plorvane {

class Stream {
 public:
  virtual ~Stream() = default;
  Stream() = default;
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // Both answer how many bytes were moved; fewer than asked means the end or a failure.
  virtual std::size_t Read(std::span<std::uint8_t> into) = 0;
  virtual std::size_t Write(std::span<const std::uint8_t> from) = 0;

  [[nodiscard]] virtual std::int64_t Position() const = 0;
  // False when the position is negative or the stream cannot move there.
  virtual bool Seek(std::int64_t position) = 0;
  [[nodiscard]] virtual std::int64_t Size() const = 0;

  [[nodiscard]] std::int64_t Remaining() const {
    const std::int64_t left = Size() - Position();
    return left > 0 ? left : 0;
  }
  // Reads exactly into.size() bytes or fails; on failure the position is unspecified.
  bool ReadExact(std::span<std::uint8_t> into) { return Read(into) == into.size(); }
  bool WriteAll(std::span<const std::uint8_t> from) { return Write(from) == from.size(); }
};

}  // namespace plorvane
