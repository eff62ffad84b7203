#include "support/scramble.h"

#include <random>

namespace plorvane {
namespace {

// 97 and 53 printable characters; changing either makes every stored scrambled text unreadable.
constexpr std::string_view kFixedKey =
    "q7M#pZ2x!Lr9$Wd4&Fk8(Yt1)Hn6*Bv3+Gc5,Js0-Nu7.Ea2:Po9;Ri4<Tm6=Xe1>Cy8?Ul3@Zh5[Ko0]Sw7^Dj2_Vf9{Ab4|";
constexpr std::string_view kKeyAlphabet = "kR4tW9pXb2mQ7zLc8vN3hJ6sF5gD1yT0aEwUoYiPuHnGxKrBeSfMV";

constexpr std::size_t kShortestKey = 10;
constexpr std::size_t kLongestKey = 50;
constexpr std::size_t kKeyLengthBias = 14;
constexpr std::size_t kUsableAlphabet = 50;

static_assert(kFixedKey.size() == 97);
static_assert(kKeyAlphabet.size() == 53);

int ScrambledByte(int d, int k, int mode) {
  switch (mode) {
    case 0:
      return d + k > 255 ? d + k - 256 : d + k;
    case 1:
      return d - k < 0 ? d - k + 256 : d - k;
    case 2:
      return d + k > 255 ? d + k - 242 : d + k;
    case 3:
      return d - k < 14 ? d - k + 242 : d - k;
    default:
      return d;
  }
}

std::string RandomKey() {
  std::random_device device;
  std::mt19937 generator(device());
  const auto length = std::uniform_int_distribution<std::size_t>(kShortestKey, kLongestKey)(generator);
  std::uniform_int_distribution<std::size_t> pick(0, kUsableAlphabet - 1);
  std::string key(length, ' ');
  for (char& c : key) c = kKeyAlphabet[pick(generator)];
  return key;
}

std::string DoubledQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    out += c;
    if (c == '\'') out += c;
  }
  return out;
}

std::string UndoubledQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\'' && i + 1 < text.size() && text[i + 1] == '\'') ++i;
  }
  return out;
}

std::string Encode(std::string_view text) {
  const std::string key = RandomKey();
  std::string out(1, static_cast<char>(key.size() + kKeyLengthBias));
  out += Scramble(key, kFixedKey, 3);
  out += Scramble(text, key, 2);
  return DoubledQuotes(out);
}

std::string Decode(std::string_view text) {
  const std::string plain = UndoubledQuotes(text);
  if (plain.empty()) return {};
  const auto lead = static_cast<unsigned char>(plain.front());
  if (lead <= kKeyLengthBias) return {};
  const std::size_t key_length = lead - kKeyLengthBias;
  if (key_length >= plain.size()) return {};
  const std::string key = Scramble(std::string_view(plain).substr(1, key_length), kFixedKey, 2);
  return Scramble(std::string_view(plain).substr(1 + key_length), key, 3);
}

}  // namespace

std::string Scramble(std::string_view data, std::string_view key, int mode) {
  std::string out(data);
  if (key.empty()) return out;
  for (std::size_t j = 0; j < out.size(); ++j) {
    const int d = static_cast<unsigned char>(out[j]);
    const int k = static_cast<unsigned char>(key[j % key.size()]);
    out[j] = static_cast<char>(ScrambledByte(d, k, mode));
  }
  return out;
}

std::string ScrambleText(std::string_view text, bool encode) {
  if (text.empty()) return {};
  return encode ? Encode(text) : Decode(text);
}

}  // namespace plorvane
