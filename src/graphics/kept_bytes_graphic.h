#pragma once
// A graphic kept as its original file, byte for byte: measured when the bytes arrive, decoded
// only when drawn. `Derived` supplies `static bool Measure(span, int& width, int& height)`,
// which accepts the file or refuses it.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "graphics/picture.h"

namespace plorvane {

template <class Derived>
class KeptBytesGraphic : public Graphic {
 public:
  // nullptr when the bytes are not a file of this class.
  static std::unique_ptr<Derived> FromBytes(std::vector<std::uint8_t> bytes) {
    auto graphic = std::make_unique<Derived>();
    if (bytes.empty() || !graphic->Assign(bytes)) return nullptr;
    return graphic;
  }

  [[nodiscard]] int Width() const override { return width_; }
  [[nodiscard]] int Height() const override { return height_; }
  [[nodiscard]] bool Empty() const override { return bytes_.empty(); }
  [[nodiscard]] std::unique_ptr<Graphic> Clone() const override {
    auto copy = std::make_unique<Derived>();
    KeptBytesGraphic& kept = *copy;
    kept.bytes_ = bytes_;
    kept.width_ = width_;
    kept.height_ = height_;
    return copy;
  }

  [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 protected:
  // Keeps the bytes when they measure (empty bytes make an empty graphic); otherwise the graphic
  // is left empty and the answer is false.
  bool Assign(std::span<const std::uint8_t> bytes) {
    int width = 0;
    int height = 0;
    const bool ok = bytes.empty() || Derived::Measure(bytes, width, height);
    bytes_ = ok ? std::vector<std::uint8_t>(bytes.begin(), bytes.end()) : std::vector<std::uint8_t>{};
    width_ = ok ? width : 0;
    height_ = ok ? height : 0;
    return ok;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace plorvane
