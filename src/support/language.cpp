#include "support/language.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/scramble.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

// Keys of the language file format. Files written with other key-keys cannot be read.
constexpr std::string_view kDefaultKeyA = "p7Wq2LxR9vTz4Kc8Mn3Hb6Jd1Gf5Sa0Ye-Ui+Ow=Pl;Ek,Dj.Ch!Rw";
constexpr std::string_view kDefaultKeyB = "Zy9Xw8Vu7Ts6Rq5Po4Nm3Lk2Ji1Hg0Fe-Dc+Ba=Qz;Mx,Nv.Bc!";
constexpr std::string_view kKeyKeyA = "Kj7Hq2Wv9Lp4Xr8Tz3Mc6Nb1Gf5Ds0Ay-Ue+Io=Pk;Z";
constexpr std::string_view kKeyKeyB =
    "Qm4Vx8Lr2Tz6Hk1Wp9Jc3Nb7Gd5Fs0Ay-Ue+Io=Pk;Oj,Ih.Ug!Tf?Sd:Ra/Qe*Wr(Ty)Ui[Op]As{Df}Gh#@";

constexpr int kAttempts = 10;
constexpr auto kRetryWait = std::chrono::milliseconds(20);

constexpr std::string_view kLanguageFileName = "language.llf";

// Keys are printable text; a key that is not was not written with these key-keys.
bool IsKey(std::string_view key) {
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

}  // namespace

const PublishedProperties<TLI>& TLI::Published() {
  static const auto properties = PublishedProperties<TLI>().String("X", &TLI::X).String("Y", &TLI::Y);
  return properties;
}

const PublishedProperties<TLanguage>& TLanguage::Published() {
  using L = TLanguage;
  static const auto properties =
      PublishedProperties<L>()
          .String("pC", &L::pC)
          .String("pP", &L::pP)
          .String(
              "pA", [](const L& l) { return Scramble(l.key_a_, kKeyKeyA, 1); },
              [](L& l, std::string&& v) { l.key_a_ = Scramble(v, kKeyKeyA, 0); })
          .String(
              "pB", [](const L& l) { return Scramble(l.key_b_, kKeyKeyB, 1); },
              [](L& l, std::string&& v) { l.key_b_ = Scramble(v, kKeyKeyB, 0); })
          // The keys come first in the file, so the note and the items are read with them.
          .String(
              "pD", [](const L& l) { return Scramble(l.note, l.key_a_, 1); },
              [](L& l, std::string&& v) { l.note = Scramble(v, l.key_a_, 0); })
          .String(
              "pI", [](const L& l) { return l.ItemBlock(); }, [](L& l, std::string&& v) { l.ReadItemBlock(v); });
  return properties;
}

void TLanguage::Reset() {
  pC = "English";
  pP.clear();
  note.clear();
  key_a_ = kDefaultKeyA;
  key_b_ = kDefaultKeyB;
  items_.clear();
}

std::string TLanguage::ItemBlock() const {
  MemoryStream block;
  for (const Item& item : items_) {
    TLI record;
    record.X = Scramble(item.source, key_a_, 0);
    record.Y = Scramble(item.translation, key_b_, 0);
    WriteObject(block, record);
  }
  return block.AsString();
}

void TLanguage::ReadItemBlock(const std::string& block) {
  items_.clear();
  MemoryStream stream(block);
  while (Count() < kCapacity) {
    TLI record;  // each record by itself: an absent entry is an empty text
    if (!ReadObject(stream, record)) break;
    AddItem(Scramble(record.X, key_a_, 1), Scramble(record.Y, key_b_, 1));
  }
}

bool TLanguage::AddItem(std::string source, std::string translation) {
  if (Count() >= kCapacity) return false;
  std::string upper = ToUpperAscii(source);
  items_.push_back({std::move(source), std::move(translation), std::move(upper)});
  return true;
}

bool TLanguage::SaveToStream(Stream& stream) const { return WriteObject(stream, *this); }

bool TLanguage::LoadFromFile(const std::string& path, std::int64_t position) {
  std::vector<std::uint8_t> bytes;
  const FileResult result = ReadWholeFile(path, bytes);
  last_error_ = FileResultText(result);
  if (result != FileResult::kOk) return false;

  last_error_ = msg::kUnsupportedFormat;
  Reset();
  MemoryStream stream(std::move(bytes));
  // Keys read with other key-keys come out as bytes no key has: the items would be noise.
  if (!stream.Seek(std::max<std::int64_t>(position, 0)) || !ReadObject(stream, *this) || !IsKey(key_a_) ||
      !IsKey(key_b_)) {
    Reset();
    return false;
  }
  return true;
}

std::string LanguageFilePath() { return Paths().SettingsFolder("Settings") + std::string(kLanguageFileName); }

bool TLanguage::LoadLanguageFile() {
  const std::string path = LanguageFilePath();
  if (::access(path.c_str(), F_OK) != 0) {
    Reset();
    return true;
  }
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (LoadFromFile(path, 0)) return true;
    if (last_error_ != msg::kFileInUse) return false;
    std::this_thread::sleep_for(kRetryWait);
  }
  return false;
}

int TLanguage::IndexOf(std::string_view text) const {
  if (text.empty()) return -1;
  const std::string upper = ToUpperAscii(text);
  for (int i = 0; i < Count(); ++i) {
    const std::string& candidate = items_[static_cast<std::size_t>(i)].upper_source;
    if (!candidate.empty() && candidate[0] == upper[0] && candidate == upper) return i;
  }
  return -1;
}

bool TLanguage::Lookup(std::string& text) const {
  const int index = IndexOf(text);
  if (index < 0) return false;
  text = items_[static_cast<std::size_t>(index)].translation;
  return true;
}

}  // namespace plorvane
