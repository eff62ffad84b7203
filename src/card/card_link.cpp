#include "card/card_link.h"

#include <array>

#include "support/text_case.h"

namespace plorvane {
namespace {

constexpr std::string_view kMailScheme = "MAILTO:";
constexpr std::array<std::string_view, 3> kKeptMailFields = {"subject", "body", "cc"};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char upper = ToUpperAscii(c);
  return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// A field name with its %XX escapes undone, so "%61ttach" cannot pass as something else.
std::string Unescaped(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      plain += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

bool IsKeptMailField(std::string_view field) {
  const std::string name = Unescaped(field.substr(0, field.find('=')));
  for (const std::string_view kept : kKeptMailFields) {
    if (EqualsIgnoringCase(name, kept)) return true;
  }
  return false;
}

std::string SafeMailAddress(std::string_view link) {
  const auto question = link.find('?');
  std::string safe(link.substr(0, question));
  if (question == std::string_view::npos) return safe;
  char separator = '?';
  std::string_view fields = link.substr(question + 1);
  while (!fields.empty()) {
    const auto amp = fields.find('&');
    const std::string_view field = fields.substr(0, amp);
    if (IsKeptMailField(field)) {
      safe += separator;
      safe += field;
      separator = '&';
    }
    if (amp == std::string_view::npos) break;
    fields.remove_prefix(amp + 1);
  }
  return safe;
}

}  // namespace

std::optional<std::string> LinkToOpen(std::string_view link) {
  const std::string upper = ToUpperAscii(link);
  if (upper.starts_with(kMailScheme)) return SafeMailAddress(link);
  for (const std::string_view scheme : {"HTTP://", "HTTPS://"}) {
    if (upper.starts_with(scheme)) return std::string(link);
  }
  return std::nullopt;
}

}  // namespace plorvane
