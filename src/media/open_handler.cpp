#include "media/open_handler.h"

#include <filesystem>

#include "support/paths.h"

namespace plorvane {
namespace {

bool IsSave(OpenDialogKind kind) { return kind == OpenDialogKind::kSave || kind == OpenDialogKind::kSavePicture; }

bool IsPicture(OpenDialogKind kind) {
  return kind == OpenDialogKind::kOpenPicture || kind == OpenDialogKind::kSavePicture;
}

// A folder the dialog can open: the one asked for, else the settings tree's root folder.
std::string ExistingFolder(const std::string& folder) {
  std::error_code error;
  if (!folder.empty() && std::filesystem::is_directory(folder, error)) return folder;
  return Paths().WindowsFolder();
}

}  // namespace

bool TOpenHandler::Execute(TDialogSpec& spec, OpenDialogKind kind, std::string& file_name,
                           const std::optional<std::string>& start_folder) {
  file_name.clear();
  const std::filesystem::path remembered(spec.FileName);
  FileDialogRequest request;
  request.kind = IsSave(kind) ? FileDialogKind::kSave : FileDialogKind::kOpen;
  request.file_name = IsSave(kind) ? remembered.filename().string() : std::string();
  request.initial_folder = ExistingFolder(start_folder ? *start_folder : remembered.parent_path().string());
  request.default_extension = spec.DefaultExt;
  request.options = spec.Options;
  request.filter = spec.Filter;
  request.filter_index = spec.FilterIndex;
  request.picture_preview = IsPicture(kind);

  const FileDialogResult result = dialogs_.RunFileDialog(request);
  if (result.outcome == FileDialogOutcome::kFailed) {
    // The picture dialog could not be shown: the plain one of the same kind instead.
    if (!IsPicture(kind)) return false;
    return Execute(spec, IsSave(kind) ? OpenDialogKind::kSave : OpenDialogKind::kOpen, file_name, start_folder);
  }
  spec.FilterIndex = result.filter_index;
  if (result.outcome != FileDialogOutcome::kChosen) return false;
  file_name = result.path;
  return true;
}

}  // namespace plorvane
