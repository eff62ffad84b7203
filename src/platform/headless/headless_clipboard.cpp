#include "platform/headless/headless_clipboard.h"

#include <string>

namespace plorvane {

std::optional<Bitmap> HeadlessClipboard::GetBitmap() const {
  if (!available_) return std::nullopt;
  return bitmap_;
}

std::optional<std::string> HeadlessClipboard::GetText() const {
  if (!available_) return std::nullopt;
  return text_;
}

bool HeadlessClipboard::SetBitmap(const Bitmap& bitmap) {
  log_.Add("clipboard bitmap " + std::to_string(bitmap.width()) + "x" + std::to_string(bitmap.height()));
  if (!available_) return false;
  bitmap_ = bitmap;
  text_.reset();
  return true;
}

bool HeadlessClipboard::SetText(const std::string& text) {
  log_.Add("clipboard text " + text);
  if (!available_) return false;
  text_ = text;
  bitmap_.reset();
  return true;
}

}  // namespace plorvane
