#include "tune_notation.h"

#include <cctype>
#include <functional>
#include <optional>
#include <utility>

#include "midi_file.h"

namespace plorvane::library {
namespace {

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    const std::size_t start = at;
    while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at > start) tokens.push_back(text.substr(start, at - start));
  }
  return tokens;
}

// "q", "e." ... in ticks; nothing for anything else.
std::optional<std::uint32_t> Length(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint32_t base = 0;
  switch (text[0]) {
    case 'w': base = 4 * kTicksPerQuarter; break;
    case 'h': base = 2 * kTicksPerQuarter; break;
    case 'q': base = kTicksPerQuarter; break;
    case 'e': base = kTicksPerQuarter / 2; break;
    case 's': base = kTicksPerQuarter / 4; break;
    default: return std::nullopt;
  }
  std::uint32_t length = base;
  for (const char dot : text.substr(1)) {
    if (dot != '.' || base % 2 != 0) return std::nullopt;
    base /= 2;
    length += base;
  }
  return length;
}

// A letter with an optional sharp or flat as a pitch class; `used` tells how many characters.
std::optional<int> PitchClass(std::string_view text, std::size_t& used) {
  constexpr int kClasses[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (text.empty() || text[0] < 'A' || text[0] > 'G') return std::nullopt;
  int pitch = kClasses[text[0] - 'A'];
  used = 1;
  if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
    pitch += text[1] == '#' ? 1 : -1;
    used = 2;
  }
  return pitch;
}

// Walks the tokens, checks the bars and hands each token with its start to `take`, which
// answers its length or nothing when it cannot read it.
std::string WalkBars(std::string_view text, std::uint32_t bar_length, std::uint32_t& total,
                     const std::function<std::optional<std::uint32_t>(std::string_view, std::uint32_t)>& take) {
  std::uint32_t now = 0;
  std::uint32_t bar_start = 0;
  int bar = 0;
  for (const std::string_view token : Tokens(text)) {
    if (token == "|") {
      const std::uint32_t held = now - bar_start;
      if (bar == 0 ? held > bar_length : held != bar_length) {
        return "bar " + std::to_string(bar) + " holds " + std::to_string(held) + " ticks instead of " +
               std::to_string(bar_length);
      }
      bar_start = now;
      ++bar;
      continue;
    }
    const auto length = take(token, now);
    if (!length) return "cannot read \"" + std::string(token) + "\" in bar " + std::to_string(bar);
    now += *length;
  }
  if (now - bar_start > bar_length) return "the last bar is too long";
  total = now;
  return {};
}

std::optional<std::vector<int>> ChordIntervals(std::string_view kind) {
  if (kind.empty()) return std::vector<int>{0, 4, 7};
  if (kind == "m") return std::vector<int>{0, 3, 7};
  if (kind == "7") return std::vector<int>{0, 4, 7, 10};
  if (kind == "m7") return std::vector<int>{0, 3, 7, 10};
  if (kind == "dim") return std::vector<int>{0, 3, 6};
  return std::nullopt;
}

}  // namespace

NoteParse ParseNotes(std::string_view text, std::uint32_t bar_length) {
  NoteParse parse;
  bool tied = false;  // the last note goes on into the next one of its key
  parse.error = WalkBars(text, bar_length, parse.length,
                         [&](std::string_view token, std::uint32_t now) -> std::optional<std::uint32_t> {
                           const bool was_tied = std::exchange(tied, false);
                           if (token[0] == 'r') return was_tied ? std::nullopt : Length(token.substr(1));
                           if (token.back() == '~') {
                             tied = true;
                             token.remove_suffix(1);
                           }
                           std::size_t used = 0;
                           const auto pitch = PitchClass(token, used);
                           if (!pitch || used >= token.size() || token[used] < '0' || token[used] > '8') {
                             return std::nullopt;
                           }
                           const int octave = token[used] - '0';
                           const auto length = Length(token.substr(used + 1));
                           if (!length) return std::nullopt;
                           const int key = 12 * (octave + 1) + *pitch;
                           if (was_tied) {
                             WrittenNote& last = parse.notes.back();
                             if (last.key != key || last.start + last.length != now) return std::nullopt;
                             last.length += *length;
                           } else {
                             parse.notes.push_back({now, *length, key});
                           }
                           return length;
                         });
  if (parse.error.empty() && tied) parse.error = "the last note is tied to nothing";
  return parse;
}

ChordParse ParseChords(std::string_view text, std::uint32_t bar_length) {
  ChordParse parse;
  parse.error = WalkBars(text, bar_length, parse.length,
                         [&](std::string_view token, std::uint32_t now) -> std::optional<std::uint32_t> {
                           const auto colon = token.find(':');
                           if (colon == std::string_view::npos) return std::nullopt;
                           const auto length = Length(token.substr(colon + 1));
                           const std::string_view name = token.substr(0, colon);
                           if (!length) return std::nullopt;
                           if (name == "r") return length;
                           std::size_t used = 0;
                           const auto root = PitchClass(name, used);
                           const auto intervals = ChordIntervals(name.substr(used));
                           if (!root || !intervals) return std::nullopt;
                           parse.chords.push_back({now, *length, (*root + 12) % 12, *intervals});
                           return length;
                         });
  return parse;
}

}  // namespace plorvane::library
