#pragma once
// Reads one property-stream record field by field. Every length is checked against what the
// stream still holds before anything is allocated, so damaged data ends in a failed read.

#include <cstdint>
#include <optional>
#include <string>

#include "streaming/property_value.h"
#include "streaming/stream.h"

namespace plorvane {

struct RecordHead {
  std::string class_name;
  std::string object_name;
};

class RecordReader {
 public:
  explicit RecordReader(Stream& stream) : stream_(stream) {}

  // "TPF0", an optional flags prefix (skipped), class name and object name.
  [[nodiscard]] std::optional<RecordHead> ReadHead();

  enum class Next { kProperty, kEndOfProperties, kError };
  // The name of the next property, or the end-of-properties marker (consumed).
  Next NextProperty(std::string& name);

  // One tagged value of the given kind; nullopt when the data ends early or the tag does not fit.
  [[nodiscard]] std::optional<PropertyValue> ReadValue(PropertyKind kind);
  // The end-of-children marker: this system writes no child records.
  bool ReadEndOfChildren();

 private:
  std::optional<std::uint8_t> Byte();
  std::optional<std::string> ShortString();
  std::optional<std::int32_t> Int32();
  std::optional<std::int32_t> IntegerAfterTag(std::uint8_t tag);
  std::optional<PropertyValue> StringAfterTag(std::uint8_t tag);
  std::optional<PropertyValue> BinaryAfterTag(std::uint8_t tag);
  // A 4-byte length that must fit in what the stream still holds.
  std::optional<std::size_t> LongLength();
  bool ReadInto(void* data, std::size_t size);

  Stream& stream_;
};

}  // namespace plorvane
