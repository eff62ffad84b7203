#include "platform/file_filter.h"

namespace plorvane {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilter> filters;
  if (filter.empty()) return filters;
  const std::vector<std::string_view> parts = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter entry{std::string(parts[i]), {}};
    for (std::string_view pattern : Split(parts[i + 1], ';')) {
      pattern = Trimmed(pattern);
      if (!pattern.empty()) entry.patterns.emplace_back(pattern);
    }
    if (!entry.patterns.empty()) filters.push_back(std::move(entry));
  }
  return filters;
}

}  // namespace plorvane
