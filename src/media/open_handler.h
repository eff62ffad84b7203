#pragma once
// TOpenHandler: the one place the editor runs its file dialogs. Each dialog starts in a folder
// that exists and proposes a sensible name; a picture dialog that cannot be shown falls back to
// the plain dialog of the same kind.
//
// The editor's main window owns the one instance (it holds the platform the dialogs run on), so
// tests make their own over a headless platform.

#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace plorvane {

// One kind of file as the editor's commands describe it.
struct TDialogSpec {
  std::string DefaultExt;
  FileDialogOptions Options;
  std::string Filter;
  int FilterIndex = 1;
  // The last file chosen; the next dialog starts beside it.
  std::string FileName;
};

enum class OpenDialogKind { kOpen, kSave, kOpenPicture, kSavePicture };

class TOpenHandler {
 public:
  explicit TOpenHandler(Dialogs& dialogs) : dialogs_(dialogs) {}

  // True when the user chose a file: `file_name` is then its full path and spec.FilterIndex the
  // filter the user had selected. The caller keeps the path in spec.FileName.
  bool Execute(TDialogSpec& spec, OpenDialogKind kind, std::string& file_name,
               const std::optional<std::string>& start_folder = std::nullopt);

 private:
  Dialogs& dialogs_;
};

}  // namespace plorvane
