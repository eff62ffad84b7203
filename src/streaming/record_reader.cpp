#include "streaming/record_reader.h"

#include <array>
#include <cstring>

#include "streaming/value_tag.h"

namespace plorvane {
namespace {

constexpr std::uint8_t Tag(ValueTag tag) { return static_cast<std::uint8_t>(tag); }

// A prefix byte with F in its high nibble carries flags; flag 2 announces a child position.
constexpr std::uint8_t kPrefixMask = 0xF0;
constexpr std::uint8_t kChildPositionFlag = 0x02;

}  // namespace

bool RecordReader::ReadInto(void* data, std::size_t size) {
  return stream_.ReadExact({static_cast<std::uint8_t*>(data), size});
}

std::optional<std::uint8_t> RecordReader::Byte() {
  std::uint8_t value = 0;
  if (!ReadInto(&value, 1)) return std::nullopt;
  return value;
}

std::optional<std::string> RecordReader::ShortString() {
  const auto length = Byte();
  if (!length) return std::nullopt;
  std::string text(*length, '\0');
  if (!ReadInto(text.data(), text.size())) return std::nullopt;
  return text;
}

std::optional<std::int32_t> RecordReader::Int32() {
  std::array<std::uint8_t, 4> b{};
  if (!ReadInto(b.data(), b.size())) return std::nullopt;
  return static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
                                   (std::uint32_t{b[3]} << 24));
}

std::optional<std::int32_t> RecordReader::IntegerAfterTag(std::uint8_t tag) {
  if (tag == Tag(ValueTag::kInt8)) {
    const auto b = Byte();
    if (!b) return std::nullopt;
    return static_cast<std::int8_t>(*b);
  }
  if (tag == Tag(ValueTag::kInt16)) {
    std::array<std::uint8_t, 2> b{};
    if (!ReadInto(b.data(), b.size())) return std::nullopt;
    return static_cast<std::int16_t>(std::uint16_t{b[0]} | static_cast<std::uint16_t>(b[1] << 8));
  }
  if (tag == Tag(ValueTag::kInt32)) return Int32();
  return std::nullopt;
}

std::optional<std::size_t> RecordReader::LongLength() {
  const auto length = Int32();
  if (!length || *length < 0 || *length > stream_.Remaining()) return std::nullopt;
  return static_cast<std::size_t>(*length);
}

std::optional<PropertyValue> RecordReader::StringAfterTag(std::uint8_t tag) {
  if (tag == Tag(ValueTag::kString)) {
    auto text = ShortString();
    if (!text) return std::nullopt;
    return PropertyValue{std::move(*text)};
  }
  if (tag != Tag(ValueTag::kLString)) return std::nullopt;
  const auto length = LongLength();
  if (!length) return std::nullopt;
  std::string text(*length, '\0');
  if (!ReadInto(text.data(), text.size())) return std::nullopt;
  return PropertyValue{std::move(text)};
}

std::optional<PropertyValue> RecordReader::BinaryAfterTag(std::uint8_t tag) {
  if (tag != Tag(ValueTag::kBinary)) return std::nullopt;
  const auto length = LongLength();
  if (!length) return std::nullopt;
  PropertyValue value{std::in_place_type<Binary>, *length};
  auto& bytes = std::get<Binary>(value);
  if (!ReadInto(bytes.data(), bytes.size())) return std::nullopt;
  return value;
}

std::optional<RecordHead> RecordReader::ReadHead() {
  std::array<char, 4> signature{};
  if (!ReadInto(signature.data(), signature.size()) || std::memcmp(signature.data(), "TPF0", 4) != 0) {
    return std::nullopt;
  }
  auto first = Byte();
  if (!first) return std::nullopt;
  if ((*first & kPrefixMask) == kPrefixMask) {
    if ((*first & kChildPositionFlag) != 0) {
      const auto tag = Byte();
      if (!tag || !IntegerAfterTag(*tag)) return std::nullopt;
    }
  } else if (!stream_.Seek(stream_.Position() - 1)) {
    return std::nullopt;
  }
  RecordHead head;
  auto class_name = ShortString();
  auto object_name = class_name ? ShortString() : std::nullopt;
  if (!object_name) return std::nullopt;
  head.class_name = std::move(*class_name);
  head.object_name = std::move(*object_name);
  return head;
}

RecordReader::Next RecordReader::NextProperty(std::string& name) {
  auto text = ShortString();
  if (!text) return Next::kError;
  if (text->empty()) return Next::kEndOfProperties;
  name = std::move(*text);
  return Next::kProperty;
}

std::optional<PropertyValue> RecordReader::ReadValue(PropertyKind kind) {
  const auto tag = Byte();
  if (!tag) return std::nullopt;
  switch (kind) {
    case PropertyKind::kInteger:
      if (auto value = IntegerAfterTag(*tag)) return PropertyValue{*value};
      return std::nullopt;
    case PropertyKind::kBoolean:
      if (*tag == Tag(ValueTag::kTrue)) return PropertyValue{true};
      if (*tag == Tag(ValueTag::kFalse)) return PropertyValue{false};
      return std::nullopt;
    case PropertyKind::kString:
      return StringAfterTag(*tag);
    case PropertyKind::kBinary:
      return BinaryAfterTag(*tag);
  }
  return std::nullopt;
}

bool RecordReader::ReadEndOfChildren() {
  const auto marker = Byte();
  return marker && *marker == Tag(ValueTag::kNull);
}

}  // namespace plorvane
