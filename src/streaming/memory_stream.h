#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "streaming/stream.h"

namespace plorvane {

// A growable stream in memory. Writing past the end extends it; seeking past the end is allowed
// and the gap is filled with zeros by the next write.
class MemoryStream final : public Stream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  explicit MemoryStream(std::string_view bytes) : bytes_(bytes.begin(), bytes.end()) {}

  std::size_t Read(std::span<std::uint8_t> into) override;
  std::size_t Write(std::span<const std::uint8_t> from) override;
  [[nodiscard]] std::int64_t Position() const override { return position_; }
  bool Seek(std::int64_t position) override;
  [[nodiscard]] std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }

  void Clear();
  // Takes over the bytes as the whole content, position 0.
  void Assign(std::vector<std::uint8_t> bytes);
  // Cuts or zero-extends the content; the position is kept within it.
  void SetSize(std::size_t size);

  [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  [[nodiscard]] std::vector<std::uint8_t> TakeBytes();
  [[nodiscard]] std::string AsString() const { return {bytes_.begin(), bytes_.end()}; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::int64_t position_ = 0;
};

}  // namespace plorvane
