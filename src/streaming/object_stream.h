#pragma once
// Writing and reading whole objects through their published properties.

#include <string_view>
#include <type_traits>
#include <variant>

#include "streaming/published_properties.h"
#include "streaming/record_reader.h"
#include "streaming/record_writer.h"
#include "streaming/stream.h"

namespace plorvane {

// The entries of a stored property; nothing for a property the getter says is not stored.
template <class T>
void WriteProperties(RecordWriter& writer, const T& object) {
  for (const auto& property : T::Published().all()) {
    auto value = property.get(object);
    if (!value) continue;
    std::visit(
        [&](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, std::int32_t>) {
            writer.Integer(property.name, v);
          } else if constexpr (std::is_same_v<V, bool>) {
            writer.Boolean(property.name, v);
          } else if constexpr (std::is_same_v<V, std::string>) {
            writer.String(property.name, v);
          } else {
            writer.Binary(property.name, v);
          }
        },
        *value);
  }
}

// One record of the object at the stream's position. False when a byte could not be written.
template <class T>
bool WriteObject(Stream& stream, const T& object, std::string_view object_name = {}) {
  RecordWriter writer(stream);
  writer.BeginRecord(T::kClassName, object_name);
  WriteProperties(writer, object);
  writer.EndRecord();
  return writer.ok();
}

// Applies the entries of a record to an existing object. The class name is not checked; entries
// absent from the record leave their properties unchanged. False on an unknown name, a tag that
// does not fit the property, or an early end; the object then keeps the entries read so far.
template <class T>
bool ReadObject(Stream& stream, T& object, RecordHead* head = nullptr) {
  RecordReader reader(stream);
  auto record_head = reader.ReadHead();
  if (!record_head) return false;
  std::string name;
  for (;;) {
    const auto next = reader.NextProperty(name);
    if (next == RecordReader::Next::kError) return false;
    if (next == RecordReader::Next::kEndOfProperties) break;
    if (const auto* property = T::Published().Find(name)) {
      auto value = reader.ReadValue(property->kind);
      if (!value || !property->set(object, std::move(*value))) return false;
    } else if (name != "Tag" || !reader.ReadValue(PropertyKind::kInteger)) {
      // Tag is inherited by every component; it is 0 and never written here, but a record
      // that carries it is still well formed.
      return false;
    }
  }
  if (!reader.ReadEndOfChildren()) return false;
  if (head) *head = std::move(*record_head);
  return true;
}

}  // namespace plorvane
