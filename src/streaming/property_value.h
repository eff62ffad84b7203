#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace plorvane {

// The four kinds of published property the system persists. Strings are byte strings: several
// hold compressed binary data.
enum class PropertyKind { kInteger, kBoolean, kString, kBinary };

using Binary = std::vector<std::uint8_t>;
using PropertyValue = std::variant<std::int32_t, bool, std::string, Binary>;

}  // namespace plorvane
