#pragma once
// A clipboard in memory. SetAvailable(false) plays a clipboard that another program holds open:
// nothing can be read or written.

#include "platform/clipboard.h"
#include "platform/headless/call_log.h"

namespace plorvane {

class HeadlessClipboard final : public Clipboard {
 public:
  explicit HeadlessClipboard(CallLog& log) : log_(log) {}

  [[nodiscard]] bool HasBitmap() const override { return available_ && bitmap_.has_value(); }
  [[nodiscard]] bool HasText() const override { return available_ && text_.has_value(); }
  [[nodiscard]] std::optional<Bitmap> GetBitmap() const override;
  [[nodiscard]] std::optional<std::string> GetText() const override;
  bool SetBitmap(const Bitmap& bitmap) override;
  bool SetText(const std::string& text) override;

  void SetAvailable(bool available) { available_ = available; }

 private:
  CallLog& log_;
  bool available_ = true;
  std::optional<Bitmap> bitmap_;
  std::optional<std::string> text_;
};

}  // namespace plorvane
