#pragma once

#include <stdexcept>
#include <string>

namespace plorvane {

// Raised only by the graphic operations of the text picture; carries one of the texts of
// support/messages.h.
class EGeneralError : public std::runtime_error {
 public:
  explicit EGeneralError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace plorvane
