#pragma once
// The archive box: named files kept as TBoxItem records back to back. An archive has no count
// and no end marker; it ends where the bytes stop forming a record.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "streaming/stream.h"
#include "support/box_item.h"

namespace plorvane {

class TZipBox {
 public:
  // Room for 10,002 items, not 10,000: archives made for the system rely on the exact figure.
  static constexpr int kCapacity = 10002;
  // Progress operation code of reading an archive.
  static constexpr int kReading = 4;

  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  // The index is clamped into the item range; nullptr for an empty box.
  [[nodiscard]] TBoxItem* Items(int index) const;
  [[nodiscard]] int IndexOf(const TBoxItem* item) const;
  // The first item of that name and path, both without regard to case; a path of "*" matches
  // any path. -1 when none does.
  [[nodiscard]] int Find(std::string_view name, std::string_view path) const;

  // Unless duplicates are allowed, an item of the same name and path is deleted first.
  bool Add(std::unique_ptr<TBoxItem> item);
  // Takes the item out without freeing it; nullptr when it is not in the box.
  std::unique_ptr<TBoxItem> Remove(const TBoxItem* item);
  void Delete(const TBoxItem* item) { Remove(item); }
  void Clear() { items_.clear(); }

  // The item's uncompressed bytes, written at the destination's position.
  bool GetData(const TBoxItem* item, Stream& destination);
  // Without overwrite, an existing file is left as it is and the call succeeds.
  bool ExtractToFile(const TBoxItem* item, const std::string& file_name, bool overwrite);
  // Reads the archive at the stream's position; when nothing is found there, once more 154
  // bytes further on, past the headers and lead-in of a carrier bitmap.
  bool LoadFromStream(Stream& stream, bool append);

  bool AllowDuplicates = false;
  bool Cancelled = false;
  std::function<void(const TZipBox&)> OnProgress;

  [[nodiscard]] const std::string& LastError() const { return last_error_; }
  [[nodiscard]] int ProgressPercent() const { return progress_percent_; }
  [[nodiscard]] int ProgressCurrent() const { return progress_current_; }
  [[nodiscard]] int ProgressOperation() const { return progress_operation_; }

 private:
  enum class Attempt { kNothingRead, kRead, kFailed };
  Attempt ReadRecords(Stream& stream, std::int64_t start);
  void SetProgress(int percent, int current, int operation);

  std::vector<std::unique_ptr<TBoxItem>> items_;
  std::string last_error_;
  int progress_percent_ = 0;
  int progress_current_ = 0;
  int progress_operation_ = 0;
};

}  // namespace plorvane
