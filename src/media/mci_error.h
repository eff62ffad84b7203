#pragma once
// The failure the sound player raises from Open, Play and Stop.

#include <string>
#include <string_view>

#include "support/general_error.h"

namespace plorvane {

namespace msg {
inline constexpr std::string_view kNoMciDeviceOpen = "No MCI device open";
inline constexpr std::string_view kUnknownErrorCode = "Unknown error code";
}  // namespace msg

// Carries the sound device's own error text, or one of the two texts above.
class EMCIDeviceError : public EGeneralError {
 public:
  explicit EMCIDeviceError(const std::string& message) : EGeneralError(message) {}
};

}  // namespace plorvane
