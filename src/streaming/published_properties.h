#pragma once
// The published-property registry. A persistent class declares, once, the properties it writes:
//
//   class TComponentString {
//    public:
//     static constexpr std::string_view kClassName = "TComponentString";
//     static const PublishedProperties<TComponentString>& Published();
//     std::string X;
//   };
//
// and WriteObject / ReadObject (object_stream.h) turn it into and out of a record. The list is
// in declaration order, base class first (Inherit), which is the order entries are written in.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "streaming/property_value.h"

namespace plorvane {

template <class T>
class PublishedProperties {
 public:
  // nullopt: the property is not stored (an empty string, a picture without a graphic).
  using Getter = std::function<std::optional<PropertyValue>(const T&)>;
  // False when the value cannot be taken: the read then fails as for damaged data.
  using Setter = std::function<bool(T&, PropertyValue&&)>;

  struct Property {
    std::string name;
    PropertyKind kind;
    Getter get;
    Setter set;
  };

  // Integers and booleans are always written.
  PublishedProperties& Integer(std::string name, std::function<std::int32_t(const T&)> get,
                               std::function<void(T&, std::int32_t)> set) {
    return Add(std::move(name), PropertyKind::kInteger,
               [get = std::move(get)](const T& o) -> std::optional<PropertyValue> { return get(o); },
               [set = std::move(set)](T& o, PropertyValue&& v) {
                 set(o, std::get<std::int32_t>(v));
                 return true;
               });
  }
  PublishedProperties& Integer(std::string name, std::int32_t T::*member) {
    return Integer(
        std::move(name), [member](const T& o) { return o.*member; },
        [member](T& o, std::int32_t v) { o.*member = v; });
  }

  PublishedProperties& Boolean(std::string name, std::function<bool(const T&)> get, std::function<void(T&, bool)> set) {
    return Add(std::move(name), PropertyKind::kBoolean,
               [get = std::move(get)](const T& o) -> std::optional<PropertyValue> { return get(o); },
               [set = std::move(set)](T& o, PropertyValue&& v) {
                 set(o, std::get<bool>(v));
                 return true;
               });
  }

  // Strings are written only when not empty.
  PublishedProperties& String(std::string name, std::function<std::string(const T&)> get,
                              std::function<void(T&, std::string&&)> set) {
    return Add(
        std::move(name), PropertyKind::kString,
        [get = std::move(get)](const T& o) -> std::optional<PropertyValue> {
          std::string text = get(o);
          if (text.empty()) return std::nullopt;
          return PropertyValue{std::move(text)};
        },
        [set = std::move(set)](T& o, PropertyValue&& v) {
          set(o, std::move(std::get<std::string>(v)));
          return true;
        });
  }
  PublishedProperties& String(std::string name, std::string T::*member) {
    return String(
        std::move(name), [member](const T& o) { return o.*member; },
        [member](T& o, std::string&& v) { o.*member = std::move(v); });
  }

  // Binary data, written only when the getter answers a value; the setter may refuse it.
  PublishedProperties& Binary(std::string name, std::function<std::optional<plorvane::Binary>(const T&)> get,
                              std::function<bool(T&, plorvane::Binary&&)> set) {
    return Add(
        std::move(name), PropertyKind::kBinary,
        [get = std::move(get)](const T& o) -> std::optional<PropertyValue> {
          auto bytes = get(o);
          if (!bytes) return std::nullopt;
          return PropertyValue{std::move(*bytes)};
        },
        [set = std::move(set)](T& o, PropertyValue&& v) {
          return set(o, std::move(std::get<plorvane::Binary>(v)));
        });
  }

  // The base class's properties, which come first.
  template <class Base>
  PublishedProperties& Inherit(const PublishedProperties<Base>& base) {
    static_assert(std::is_base_of_v<Base, T>);
    for (const auto& p : base.all()) {
      Add(p.name, p.kind, [get = p.get](const T& o) { return get(static_cast<const Base&>(o)); },
          [set = p.set](T& o, PropertyValue&& v) { return set(static_cast<Base&>(o), std::move(v)); });
    }
    return *this;
  }

  [[nodiscard]] const Property* Find(std::string_view name) const {
    for (const auto& p : properties_) {
      if (p.name == name) return &p;
    }
    return nullptr;
  }
  [[nodiscard]] std::span<const Property> all() const { return properties_; }

 private:
  PublishedProperties& Add(std::string name, PropertyKind kind, Getter get, Setter set) {
    properties_.push_back({std::move(name), kind, std::move(get), std::move(set)});
    return *this;
  }

  std::vector<Property> properties_;
};

}  // namespace plorvane
