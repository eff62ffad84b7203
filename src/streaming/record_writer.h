#pragma once
// Writes one property-stream record: "TPF0", class name, object name, named typed values, and
// the two end markers. Integers take the smallest of the 8-, 16- and 32-bit forms, strings up
// to 255 bytes the short form; which properties are written is the caller's business.

#include <cstdint>
#include <span>
#include <string_view>

#include "streaming/stream.h"

namespace plorvane {

class RecordWriter {
 public:
  explicit RecordWriter(Stream& stream) : stream_(stream) {}

  void BeginRecord(std::string_view class_name, std::string_view object_name = {});
  void Integer(std::string_view name, std::int32_t value);
  void Boolean(std::string_view name, bool value);
  void String(std::string_view name, std::string_view value);
  void Binary(std::string_view name, std::span<const std::uint8_t> value);
  // End of properties, end of children.
  void EndRecord();

  // False once any byte could not be written.
  [[nodiscard]] bool ok() const { return ok_; }

 private:
  void Bytes(std::span<const std::uint8_t> bytes);
  void Byte(std::uint8_t value);
  void ShortString(std::string_view text);
  void Int32(std::int32_t value);

  Stream& stream_;
  bool ok_ = true;
};

}  // namespace plorvane
