#include "print_request.h"

#include <string_view>

namespace plorvane {
namespace {

constexpr std::string_view kSeparator = "\" \"";

bool IsQuoted(std::string_view text) { return text.size() >= 2 && text.front() == '"' && text.back() == '"'; }

// `"TITLE" "PATH"` or `"PATH"`, given a text that begins and ends with a double quote; nothing
// for any other shape.
std::optional<PrintRequest> ReadParameterString(std::string_view text) {
  const std::string_view inner = text.substr(1, text.size() - 2);
  const auto separator = inner.rfind(kSeparator);
  PrintRequest request;
  if (separator == std::string_view::npos) {
    if (inner.find('"') != std::string_view::npos) return std::nullopt;
    request.bitmap_path = inner;
  } else {
    request.title = inner.substr(0, separator);
    request.bitmap_path = inner.substr(separator + kSeparator.size());
  }
  if (request.bitmap_path.empty()) return std::nullopt;
  return request;
}

}  // namespace

std::optional<PrintRequest> ReadPrintRequest(std::span<const std::string> arguments) {
  std::string joined;
  for (std::size_t at = 0; at < arguments.size(); ++at) joined += (at == 0 ? "" : " ") + arguments[at];
  if (IsQuoted(joined)) return ReadParameterString(joined);
  if (arguments.size() == 1 && !arguments[0].empty()) return PrintRequest{{}, arguments[0]};
  if (arguments.size() == 2 && !arguments[1].empty()) return PrintRequest{arguments[0], arguments[1]};
  return std::nullopt;
}

}  // namespace plorvane
