#include "streaming/record_writer.h"

#include <array>
#include <cassert>
#include <limits>

#include "streaming/value_tag.h"

namespace plorvane {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

void RecordWriter::Bytes(std::span<const std::uint8_t> bytes) {
  if (ok_ && !bytes.empty()) ok_ = stream_.WriteAll(bytes);
}

void RecordWriter::Byte(std::uint8_t value) { Bytes(std::span(&value, 1)); }

void RecordWriter::ShortString(std::string_view text) {
  assert(text.size() <= 255 && "short strings hold at most 255 bytes");
  Byte(static_cast<std::uint8_t>(text.size()));
  Bytes(AsBytes(text));
}

void RecordWriter::Int32(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const std::array<std::uint8_t, 4> le{static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                       static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  Bytes(le);
}

void RecordWriter::BeginRecord(std::string_view class_name, std::string_view object_name) {
  Bytes(AsBytes("TPF0"));
  ShortString(class_name);
  ShortString(object_name);
}

void RecordWriter::Integer(std::string_view name, std::int32_t value) {
  ShortString(name);
  if (value >= -128 && value <= 127) {
    Byte(static_cast<std::uint8_t>(ValueTag::kInt8));
    Byte(static_cast<std::uint8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    Byte(static_cast<std::uint8_t>(ValueTag::kInt16));
    Byte(static_cast<std::uint8_t>(value));
    Byte(static_cast<std::uint8_t>(value >> 8));
  } else {
    Byte(static_cast<std::uint8_t>(ValueTag::kInt32));
    Int32(value);
  }
}

void RecordWriter::Boolean(std::string_view name, bool value) {
  ShortString(name);
  Byte(static_cast<std::uint8_t>(value ? ValueTag::kTrue : ValueTag::kFalse));
}

void RecordWriter::String(std::string_view name, std::string_view value) {
  ShortString(name);
  if (value.size() <= 255) {
    Byte(static_cast<std::uint8_t>(ValueTag::kString));
    ShortString(value);
    return;
  }
  if (value.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    ok_ = false;
    return;
  }
  Byte(static_cast<std::uint8_t>(ValueTag::kLString));
  Int32(static_cast<std::int32_t>(value.size()));
  Bytes(AsBytes(value));
}

void RecordWriter::Binary(std::string_view name, std::span<const std::uint8_t> value) {
  ShortString(name);
  if (value.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    ok_ = false;
    return;
  }
  Byte(static_cast<std::uint8_t>(ValueTag::kBinary));
  Int32(static_cast<std::int32_t>(value.size()));
  Bytes(value);
}

void RecordWriter::EndRecord() {
  Byte(static_cast<std::uint8_t>(ValueTag::kNull));
  Byte(static_cast<std::uint8_t>(ValueTag::kNull));
}

}  // namespace plorvane
