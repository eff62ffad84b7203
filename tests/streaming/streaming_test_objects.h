#pragma once
// Small persistent classes with one property of every kind, for the stream tests and fuzzing.

#include <cstdint>
#include <string>

#include "streaming/published_properties.h"

namespace plorvane::testing {

class SampleBase {
 public:
  static const PublishedProperties<SampleBase>& Published() {
    static const auto properties = PublishedProperties<SampleBase>().Integer("pBase", &SampleBase::pBase);
    return properties;
  }
  friend bool operator==(const SampleBase&, const SampleBase&) = default;

  std::int32_t pBase = 0;
};

class SampleObject : public SampleBase {
 public:
  static constexpr std::string_view kClassName = "TSampleObject";
  static const PublishedProperties<SampleObject>& Published() {
    static const auto properties =
        PublishedProperties<SampleObject>()
            .Inherit(SampleBase::Published())
            .Integer("pCount", &SampleObject::pCount)
            .Boolean(
                "pFlag", [](const SampleObject& o) { return o.pFlag; }, [](SampleObject& o, bool v) { o.pFlag = v; })
            .String("pName", &SampleObject::pName)
            .Binary(
                "pData",
                [](const SampleObject& o) -> std::optional<Binary> {
                  if (o.pData.empty()) return std::nullopt;
                  return o.pData;
                },
                [](SampleObject& o, Binary&& v) {
                  o.pData = std::move(v);
                  return true;
                });
    return properties;
  }
  friend bool operator==(const SampleObject&, const SampleObject&) = default;

  std::int32_t pCount = 0;
  bool pFlag = false;
  std::string pName;
  Binary pData;
};

}  // namespace plorvane::testing
