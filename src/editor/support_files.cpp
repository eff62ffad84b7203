#include "editor/support_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <utility>

#include "editor/companion_tools.h"
#include "graphics/jpeg_graphic.h"
#include "streaming/memory_stream.h"
#include "support/carrier_bitmap.h"
#include "support/folders.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/text_case.h"
#include "support/zip_box.h"

namespace plorvane {
namespace {

struct ExtensionFolder {
  std::string_view extension;
  std::string_view folder;
};

constexpr std::array<ExtensionFolder, 11> kLibraryFolders{{
    {".JPG", "Pictures"}, {".BMP", "Pictures"}, {".WMF", "Pictures"}, {".EMF", "Pictures"},
    {".CUR", "Cursors"}, {".ICO", "Cursors"}, {".ANI", "Cursors"},
    {".MID", "Sounds"}, {".WAV", "Sounds"},
    {".SAN", "Animations"}, {".SAG", "Animations"},
}};

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// Runs the critical carrier's items through their targets and remembers the first failure.
class CriticalExtraction {
 public:
  CriticalExtraction(TZipBox& box, const CriticalPartsTarget& target, std::string& error_text)
      : box_(box), target_(target), error_text_(error_text) {}

  bool Item(const TBoxItem& item) {
    const std::string name = ToUpperAscii(item.pName);
    if (name == "A.JPG") return Picture(item, target_.splash_picture);
    if (name == "B.JPG") return Picture(item, target_.about_picture);
    if (name == "A.EXE") return PlayerImage(item);
    if (const CompanionTool* tool = ToolOfFile(item.pName)) return Companion(item, *tool);
    return true;
  }

 private:
  bool Data(const TBoxItem& item, MemoryStream& into) {
    if (box_.GetData(&item, into)) return true;
    error_text_ = box_.LastError();
    return false;
  }

  bool Picture(const TBoxItem& item, const std::function<void(const plorvane::Picture&)>& use) {
    if (!use) return true;
    MemoryStream bytes;
    if (!Data(item, bytes)) return false;
    auto jpeg = TJPEGImage::FromBytes(bytes.TakeBytes());
    if (!jpeg) {
      error_text_ = msg::kUnknownFormat;
      return false;
    }
    plorvane::Picture picture;
    picture.SetGraphic(std::move(jpeg));
    use(picture);
    return true;
  }

  bool PlayerImage(const TBoxItem& item) {
    if (!target_.player_image) return true;
    MemoryStream bytes;
    if (!Data(item, bytes)) return false;
    target_.player_image(bytes.TakeBytes());
    return true;
  }

  // Written only when no file of that name is there, so a companion the user replaced stays.
  bool Companion(const TBoxItem& item, const CompanionTool& tool) {
    if (target_.companion_base.empty()) return true;
    const std::string file = TPaths::WithBackslash(target_.companion_base) + std::string(tool.relative_path) + ".exe";
    ForceFolders(file.substr(0, file.rfind('/') + 1));
    const bool existed = FileExists(file);
    if (!box_.ExtractToFile(&item, file, false)) {
      error_text_ = box_.LastError();
      return false;
    }
    // The companion is a program: it must be startable.
    if (!existed) ::chmod(file.c_str(), 0755);
    return true;
  }

  TZipBox& box_;
  const CriticalPartsTarget& target_;
  std::string& error_text_;
};

}  // namespace

bool Extract_criFiles(std::span<const std::uint8_t> carrier_bitmap_file, const CriticalPartsTarget& target,
                      std::string& error_text) {
  error_text = msg::kOutOfMemory;
  TZipBox box;
  if (!ReadCarrierBitmap(carrier_bitmap_file, box)) return true;
  CriticalExtraction extraction(box, target, error_text);
  for (int i = 0; i < box.Count(); ++i) {
    if (!extraction.Item(*box.Items(i))) return false;
  }
  return true;
}

std::string_view LibraryFolderFor(std::string_view item_name) {
  const auto dot = item_name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::string extension = ToUpperAscii(item_name.substr(dot));
  for (const auto& [known, folder] : kLibraryFolders) {
    if (extension == known) return folder;
  }
  return {};
}

bool Extract_supFiles(std::span<const std::uint8_t> carrier_bitmap_file, const std::string& base_folder,
                      std::string& error_text) {
  error_text = msg::kOutOfMemory;
  TZipBox box;
  if (!ReadCarrierBitmap(carrier_bitmap_file, box)) {
    error_text = box.LastError();
    return false;
  }
  // Without the maker's folder the files would land wherever the program happens to run.
  error_text = msg::kOutOfDiskSpace;
  if (base_folder.empty()) return false;
  const std::string base = TPaths::WithBackslash(base_folder);
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem* item = box.Items(i);
    const std::string_view subfolder = LibraryFolderFor(item->pName);
    const std::string folder = subfolder.empty() ? base : base + std::string(subfolder) + "/";
    ForceFolders(folder);
    if (!box.ExtractToFile(item, folder + item->pName, false)) break;
  }
  return true;
}

}  // namespace plorvane
