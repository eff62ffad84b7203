// The card stream: signature record, card record, animation group data.
#include "card/card.h"
#include "streaming/component_string.h"
#include "streaming/object_stream.h"
#include "support/limits.h"
#include "support/messages.h"

namespace plorvane {
namespace {

// Reads a signature record at `offset` bytes past the start; on a match the stream stays
// behind it, otherwise it goes back to the start.
bool SignatureAt(Stream& stream, std::int64_t start, std::int64_t offset, std::string_view signature) {
  TComponentString record;
  if (stream.Seek(start + offset)) ReadObject(stream, record);  // a read error leaves X empty
  if (record.X == signature) return true;
  stream.Seek(start);
  return false;
}

}  // namespace

CardVersion TZarvickV2::DetectCard(Stream& stream, bool in_executable) {
  const std::int64_t start = stream.Position();
  if (SignatureAt(stream, start, in_executable ? kCardStreamOffset : 0, kCardSignature)) return CardVersion::kCurrent;
  if (SignatureAt(stream, start, in_executable ? kLegacyCardStreamOffset : 0, kLegacySignature)) {
    return CardVersion::kLegacy;
  }
  return CardVersion::kNone;
}

bool TZarvickV2::SaveToStream(Stream& stream) {
  last_error_ = msg::kOutOfMemory;
  TComponentString signature;
  signature.X = kCardSignature;
  SyncAboutPicture();
  return WriteObject(stream, signature) && WriteObject(stream, *this) && animations_->SaveToStream(stream);
}

bool TZarvickV2::LoadFromStream(Stream& stream) {
  last_error_ = msg::kUnknownFormat;
  CardVersion version = DetectCard(stream, false);
  if (version == CardVersion::kNone) version = DetectCard(stream, true);
  if (version == CardVersion::kNone) return false;

  ResetCursor();
  SetLink("");
  animations_->Clear();

  last_error_ = msg::kDataCorrupt;
  bool read = false;
  bool read_record = version == CardVersion::kCurrent;
  if (version == CardVersion::kLegacy) {
    if (OnLegacyRead) {
      std::uint8_t result = 0;
      OnLegacyRead(*this, stream, result, last_error_);
      read = result == 1;
      read_record = result > 1;
    } else {
      last_error_ = msg::kUnsupportedFormat;
    }
  }
  over_pixel_budget_ = false;
  if (read_record) {
    read = ReadObject(stream, *this) && !over_pixel_budget_ && animations_->LoadFromStream(stream, false);
  }
  // A card beyond its pixel allowance would cost far more memory than its file suggests.
  if (over_pixel_budget_ || (read && DecodedPixels() > limits::kMaxCardPixels)) {
    last_error_ = msg::kOutOfMemory;
    read = false;
  }
  if (read) {
    Redraw(true);
    RestartSound();
  }
  SyncAboutPicture();
  return read;
}

}  // namespace plorvane
