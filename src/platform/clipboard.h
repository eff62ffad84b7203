#pragma once
// The system clipboard, for bitmaps and text only; card parts travel through files instead.

#include <optional>
#include <string>

#include "graphics/bitmap.h"

namespace plorvane {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // False also when the clipboard cannot be asked.
  [[nodiscard]] virtual bool HasBitmap() const = 0;
  [[nodiscard]] virtual bool HasText() const = 0;
  // Nothing when the clipboard holds no bitmap (or text) or cannot be read.
  [[nodiscard]] virtual std::optional<Bitmap> GetBitmap() const = 0;
  [[nodiscard]] virtual std::optional<std::string> GetText() const = 0;
  // Each replaces the whole clipboard content; false when the clipboard refused it.
  virtual bool SetBitmap(const Bitmap& bitmap) = 0;
  virtual bool SetText(const std::string& text) = 0;
};

}  // namespace plorvane
