#include "support/zip_box.h"

#include <unistd.h>

#include <algorithm>
#include <span>

#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "support/text_case.h"
#include "support/zip_handler.h"

namespace plorvane {
namespace {

constexpr std::int64_t kCarrierLeadIn = 154;  // 54 bytes of bitmap headers, 100 lead-in bytes

// Item names become file names: anything that could leave the target folder is refused.
bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name.find_first_of("/\\") == std::string_view::npos && name.find("..") == std::string_view::npos;
}

}  // namespace

TBoxItem* TZipBox::Items(int index) const {
  if (items_.empty()) return nullptr;
  return items_[static_cast<std::size_t>(std::clamp(index, 0, Count() - 1))].get();
}

int TZipBox::IndexOf(const TBoxItem* item) const {
  const auto found = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int TZipBox::Find(std::string_view name, std::string_view path) const {
  const bool any_path = path == "*";
  for (int i = 0; i < Count(); ++i) {
    const TBoxItem& item = *items_[static_cast<std::size_t>(i)];
    if (!name.empty() && (item.pName.empty() || ToUpperAscii(item.pName[0]) != ToUpperAscii(name[0]))) continue;
    if (EqualsIgnoringCase(item.pName, name) && (any_path || EqualsIgnoringCase(item.pPath, path))) return i;
  }
  return -1;
}

bool TZipBox::Add(std::unique_ptr<TBoxItem> item) {
  last_error_ = msg::kUnexpectedError;
  if (!item) return false;
  if (!AllowDuplicates) {
    if (const int existing = Find(item->pName, item->pPath); existing >= 0) {
      items_.erase(items_.begin() + existing);
    }
  }
  last_error_ = msg::kCapacityReached;
  if (Count() >= kCapacity) return false;
  items_.push_back(std::move(item));
  return true;
}

std::unique_ptr<TBoxItem> TZipBox::Remove(const TBoxItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  auto taken = std::move(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  return taken;
}

bool TZipBox::GetData(const TBoxItem* item, Stream& destination) {
  last_error_ = msg::kUnexpectedError;
  if (!item) return false;
  std::string data;
  if (item->pM == TBoxItem::kStored) {
    data = item->pD;
  } else if (item->pM == TBoxItem::kZlib) {
    data = item->pD;
    last_error_ = msg::kOutOfMemory;
    if (!ZipHandler().DecompressString(data)) return false;
  } else {
    last_error_ = msg::kUnsupportedEncoding;
    return false;
  }
  last_error_ = msg::kOutOfDiskSpace;
  return destination.WriteAll({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
}

bool TZipBox::ExtractToFile(const TBoxItem* item, const std::string& file_name, bool overwrite) {
  last_error_ = msg::kUnexpectedError;
  if (!item) return false;
  // A hostile name is refused whatever lies on the disk, so it never passes as "already there".
  last_error_ = msg::kUnknownFormat;
  if (!IsPlainFileName(item->pName)) return false;
  if (!overwrite && ::access(file_name.c_str(), F_OK) == 0) return true;
  MemoryStream data;
  if (!GetData(item, data)) return false;
  const FileResult result = WriteFileReplacing(file_name, data.bytes());
  last_error_ = FileResultText(result);
  return result == FileResult::kOk;
}

void TZipBox::SetProgress(int percent, int current, int operation) {
  progress_percent_ = std::clamp(percent, 0, 100);
  progress_current_ = items_.empty() ? 0 : std::clamp(current, 0, Count() - 1);
  progress_operation_ = operation;
  if (OnProgress) OnProgress(*this);
}

TZipBox::Attempt TZipBox::ReadRecords(Stream& stream, std::int64_t start) {
  int read = 0;
  for (;;) {
    last_error_ = msg::kUnknownFormat;
    auto item = std::make_unique<TBoxItem>();
    if (!ReadObject(stream, *item)) break;
    if (!Add(std::move(item))) return Attempt::kFailed;
    ++read;
    const std::int64_t size = std::max<std::int64_t>(stream.Size(), 1);
    SetProgress(static_cast<int>((stream.Position() - start) * 100 / size), Count() - 1, kReading);
    if (Cancelled) {
      last_error_ = msg::kTaskCancelled;
      return Attempt::kFailed;
    }
  }
  return read > 0 ? Attempt::kRead : Attempt::kNothingRead;
}

bool TZipBox::LoadFromStream(Stream& stream, bool append) {
  last_error_ = msg::kOutOfMemory;
  Cancelled = false;
  const std::int64_t start = stream.Position();
  if (!append) Clear();
  Attempt attempt = ReadRecords(stream, start);
  if (attempt == Attempt::kNothingRead && stream.Seek(start + kCarrierLeadIn)) {
    attempt = ReadRecords(stream, start);
  }
  return attempt == Attempt::kRead;
}

}  // namespace plorvane
