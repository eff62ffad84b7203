#include "support/help.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.h"
#include "support/carrier_bitmap.h"
#include "support/file_io.h"
#include "support/folders.h"
#include "support/general.h"
#include "support/help_texts.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/scramble.h"
#include "support/translate.h"

namespace plorvane {
namespace {

std::string Plain(std::string_view scrambled) { return ScrambleText(scrambled, false); }

std::string SetNameOf(std::string_view title) {
  // The name becomes a folder below the help root; "." and ".." would name another folder.
  if (title.empty() || title.find_first_not_of('.') == std::string_view::npos) {
    return Plain(help_texts::kDefaultSetName);
  }
  std::string name(title);
  for (char& c : name) {
    if (c == '*' || c == '?' || c == ' ' || c == '/' || c == '\\') c = '_';
  }
  return name;
}

std::string WithoutTrailingSlash(std::string path) {
  if (!path.empty() && path.back() == '/') path.pop_back();
  return path;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Anything but a folder where the help folder belongs: a file, a link, a pipe.
bool NonFolderStandsAt(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace

THelp::THelp(Platform& platform, std::string_view title, std::span<const std::uint8_t> help_carrier)
    : platform_(platform), set_name_(SetNameOf(title)) {
  if (!ReadCarrierBitmap(help_carrier, box_)) last_error_ = box_.LastError();
}

THelp::~THelp() { Cleanup(); }

const std::string& THelp::HelpFolder() {
  if (help_folder_.empty()) {
    // Without a settings tree there is no help folder; never fall back to a relative path.
    const std::string help_root = Paths().SettingsPath("Help");
    if (!help_root.empty()) help_folder_ = help_root + set_name_ + "/";
  }
  return help_folder_;
}

std::string THelp::PagePath(std::string_view page) { return HelpFolder() + std::string(page); }

bool THelp::Install() {
  last_error_ = msg::kFileInUse;
  const std::string folder = HelpFolder();
  if (folder.empty()) {
    last_error_ = msg::kOutOfDiskSpace;
    return false;
  }
  const std::string folder_itself = WithoutTrailingSlash(folder);
  if (NonFolderStandsAt(folder_itself) && !Paths().DeleteFileIfPresent(folder_itself)) return false;
  ForceFolders(folder);
  last_error_ = msg::kOutOfDiskSpace;
  if (!DirectoryExists(folder)) return false;
  if (IsRegularFile(folder + Plain(help_texts::kMarkerName))) return true;
  return ExtractPages();
}

bool THelp::ExtractPages() {
  const std::string& folder = HelpFolder();
  for (int i = 0; i < box_.Count(); ++i) {
    const TBoxItem* item = box_.Items(i);
    if (!box_.ExtractToFile(item, folder + item->pName, false)) {
      last_error_ = box_.LastError();
      return false;
    }
  }
  const FileResult marked = WriteFileReplacing(folder + Plain(help_texts::kMarkerName), {});
  last_error_ = FileResultText(marked);
  return marked == FileResult::kOk;
}

bool THelp::ShowPage(std::string_view page) {
  last_error_ = msg::kOutOfMemory;
  if (!Install()) return false;
  last_error_ = msg::kFileNotFound;
  const std::string path = PagePath(page);
  if (!IsRegularFile(path)) return false;
  // A page the desktop could not be asked to open is a failure, not a success nobody saw.
  last_error_ = msg::kTaskFailed;
  return platform_.shell().OpenDocument(path);
}

void THelp::ShowError() { platform_.dialogs().ErrorBox(Translate("Error"), Translate(last_error_)); }

void THelp::Cleanup() {
  const std::string folder = HelpFolder();
  if (folder.empty()) return;
  for (const std::string& file : General().ListFiles(folder + Plain(help_texts::kCleanupPattern), true)) {
    Paths().DeleteFileIfPresent(file);
  }
  ::rmdir(WithoutTrailingSlash(folder).c_str());
}

}  // namespace plorvane
