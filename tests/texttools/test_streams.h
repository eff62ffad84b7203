#pragma once
// Streams for tests: one that counts how often it is read, one that runs out of room.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "streaming/memory_stream.h"
#include "streaming/stream.h"

namespace plorvane::testing {

class ProbeStream final : public Stream {
 public:
  explicit ProbeStream(std::string_view content = {}, std::size_t write_capacity = SIZE_MAX)
      : memory_(content), write_capacity_(write_capacity) {}

  std::size_t Read(std::span<std::uint8_t> into) override {
    ++read_calls;
    return memory_.Read(into);
  }
  std::size_t Write(std::span<const std::uint8_t> from) override {
    const std::size_t allowed = from.size() < write_capacity_ ? from.size() : write_capacity_;
    write_capacity_ -= allowed;
    return memory_.Write(from.first(allowed));
  }
  [[nodiscard]] std::int64_t Position() const override { return memory_.Position(); }
  bool Seek(std::int64_t position) override { return memory_.Seek(position); }
  [[nodiscard]] std::int64_t Size() const override { return memory_.Size(); }

  [[nodiscard]] std::string Content() const { return memory_.AsString(); }

  int read_calls = 0;

 private:
  MemoryStream memory_;
  std::size_t write_capacity_;
};

}  // namespace plorvane::testing
