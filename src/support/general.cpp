#include "support/general.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

#include "support/paths.h"
#include "support/scramble.h"
#include "support/wildcard.h"

namespace plorvane {
namespace {

int ClampedChannel(int value) { return TPaths::Clamp(value, 0, 255); }

Colour ColourOfChannels(int red, int green, int blue) {
  return MakeColour(static_cast<std::uint8_t>(ClampedChannel(red)), static_cast<std::uint8_t>(ClampedChannel(green)),
                    static_cast<std::uint8_t>(ClampedChannel(blue)));
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

struct DirectoryCloser {
  void operator()(DIR* directory) const { ::closedir(directory); }
};

}  // namespace

void TGeneral::ReplaceAll(std::string& text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return;
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (auto at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
    result.append(text, from, at - from);
    result += replacement;
    from = at + find.size();
  }
  result.append(text, from);
  text = std::move(result);
}

std::string TGeneral::Scramble(std::string_view data, std::string_view key, int mode) {
  return plorvane::Scramble(data, key, mode);
}

int TGeneral::ToRoundedInteger(std::string_view text) {
  std::string_view number = Trimmed(text);
  if (number.starts_with('+')) number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (number.empty() || error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value)) {
    return 0;
  }
  const double rounded = std::round(value);
  if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) return 0;
  return static_cast<int>(rounded);
}

std::int64_t TGeneral::FileSize(const std::string& file_name) {
  const int fd = ::open(file_name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  ::close(fd);
  return regular ? static_cast<std::int64_t>(info.st_size) : -1;
}

Colour TGeneral::Shade(Colour c, int percent) {
  const auto scaled = [percent](int channel) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{channel} * percent / 100, 0, 255));
  };
  return ColourOfChannels(scaled(Red(c)), scaled(Green(c)), scaled(Blue(c)));
}

Colour TGeneral::Blend(int percent, Colour c1, Colour c2) {
  if (percent > 100) return Blend(TPaths::Clamp(percent - 100, 0, 100), kWhite, c1);
  // Below 0 the mix would leave the colour range; it means "all of c2".
  const int weight = std::max(percent, 0);
  const auto mix = [weight](int a, int b) { return (a * weight + b * (100 - weight)) / 100; };
  return ColourOfChannels(mix(Red(c1), Red(c2)), mix(Green(c1), Green(c2)), mix(Blue(c1), Blue(c2)));
}

int TGeneral::Brightest(Colour c) { return std::max({Red(c), Green(c), Blue(c)}); }
int TGeneral::Darkest(Colour c) { return std::min({Red(c), Green(c), Blue(c)}); }

std::vector<std::string> TGeneral::ListFiles(const std::string& mask, bool with_folder) {
  const auto slash = mask.rfind('/');
  const std::string prefix = slash == std::string::npos ? std::string{} : mask.substr(0, slash + 1);
  const std::string pattern = mask.substr(prefix.size());
  std::vector<std::string> names;
  const std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(prefix.empty() ? "." : prefix.c_str()));
  if (!directory) return names;
  while (const dirent* entry = ::readdir(directory.get())) {
    const std::string name = entry->d_name;
    if (!MatchesMask(name, pattern)) continue;
    struct stat info {};
    if (::stat((prefix + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    names.push_back(with_folder ? prefix + name : name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TGeneral& General() {
  static TGeneral instance;
  return instance;
}

}  // namespace plorvane
