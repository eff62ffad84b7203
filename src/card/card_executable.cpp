// Card executables: the player image, zero filler up to 418,000 bytes, then the card stream.
#include <unistd.h>

#include "card/card.h"
#include "support/file_io.h"
#include "support/limits.h"
#include "support/messages.h"

namespace plorvane {
namespace {

// Less the user's umask, as for any new program: 0755 with the usual umask of 022.
constexpr unsigned kExecutableMode = 0777;
// Enough of a file to hold either signature record at its executable offset.
constexpr std::size_t kSignatureReach = kCardStreamOffset + 256;

bool Exists(const std::string& file_name) { return ::access(file_name.c_str(), F_OK) == 0; }

}  // namespace

bool TZarvickV2::CheckTarget(const std::string& file_name, CardVersion& kind) {
  kind = CardVersion::kNone;
  if (!Exists(file_name)) return true;
  last_error_ = msg::kFileInUse;
  std::vector<std::uint8_t> head;
  if (ReadWholeFile(file_name, head, kSignatureReach) != FileResult::kOk) return false;
  MemoryStream stream(std::move(head));
  kind = DetectCard(stream, true);
  return kind != CardVersion::kNone;
}

bool TZarvickV2::SaveToExecutable(const std::string& file_name) {
  last_error_ = msg::kUnexpectedError;
  if (player_stub_.empty() || static_cast<std::int64_t>(player_stub_.size()) > kCardStreamOffset) return false;
  CardVersion kind = CardVersion::kNone;
  if (!CheckTarget(file_name, kind)) {
    last_error_ = msg::kProgramExists;
    return false;
  }
  last_error_ = msg::kOutOfMemory;
  MemoryStream image(player_stub_);
  image.SetSize(static_cast<std::size_t>(kCardStreamOffset));
  image.Seek(kCardStreamOffset);
  if (!SaveToStream(image)) {
    last_error_ = msg::kOutOfMemory;
    return false;
  }
  // The new file replaces the old one only once it is completely written.
  const FileResult result = WriteFileReplacing(file_name, image.bytes(), kExecutableMode);
  if (result != FileResult::kOk) {
    last_error_ = FileResultText(result);
    return false;
  }
  file_name_ = file_name;
  SetSaved(true);
  return true;
}

std::int64_t TZarvickV2::EstimatedSize() {
  MemoryStream stream;
  if (!SaveToStream(stream)) return 0;
  return stream.Size() + kCardStreamOffset;
}

bool TZarvickV2::LoadFromFile(const std::string& file_name) {
  last_error_ = msg::kFileNotFound;
  if (!Exists(file_name)) return false;
  last_error_ = msg::kOutOfMemory;
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(file_name, bytes, limits::kMaxDocumentBytes + 1) != FileResult::kOk ||
      bytes.size() > limits::kMaxDocumentBytes) {
    return false;
  }
  MemoryStream stream(std::move(bytes));
  if (!LoadFromStream(stream)) return false;
  file_name_ = file_name;
  SetSaved(true);
  return true;
}

}  // namespace plorvane
