#include "editor/dialog_specs.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "editor/library_folders.h"
#include "support/translate.h"

namespace plorvane {
namespace {

// Labels pass through Translate; the patterns between them stay as they are.
std::string Filter(std::initializer_list<std::pair<std::string_view, std::string_view>> pieces) {
  std::string filter;
  for (const auto& [label, pattern] : pieces) {
    filter += Translate(label);
    filter += pattern;
  }
  return filter;
}

constexpr FileDialogOptions kOpenOptions{.hide_read_only = true, .file_must_exist = true};
constexpr FileDialogOptions kSaveOptions{.overwrite_prompt = true, .hide_read_only = true, .path_must_exist = true};

TDialogSpec Spec(std::string default_ext, FileDialogOptions options, std::string filter, std::string file_name) {
  TDialogSpec spec;
  spec.DefaultExt = std::move(default_ext);
  spec.Options = options;
  spec.Filter = std::move(filter);
  spec.FilterIndex = 1;
  spec.FileName = std::move(file_name);
  return spec;
}

}  // namespace

DialogSpecs MakeDialogSpecs(const std::string& card_file) {
  const std::string card_filter = Filter({{"Zarvicks", " (*.exe)|*.exe"}});
  const std::string picture_folder = LibraryFolder("Pictures");
  DialogSpecs specs;
  specs.CardOpenSpec = Spec("EXE", kOpenOptions, card_filter, LibraryFolder("Zarvicks"));
  specs.CardSaveSpec = Spec("EXE", kSaveOptions, card_filter, card_file);
  specs.PictureSpec = Spec("", kOpenOptions,
                           Filter({{"All Pictures", "|*.bmp;*.emf;*.wmf;*.jpg;*.jpeg;*.png;*.gif;*.webp;*.ico|"},
                                   {"Jpeg", " (*.jpg)|*.jpg;*.jpeg|"},
                                   {"Bitmap", " (*.bmp)|*.bmp|"},
                                   {"Windows Metafile", " (*.wmf)|*.wmf|"},
                                   {"Enhanced Windows Metafile", " (*.emf)|*.emf|"},
                                   {"PNG, GIF, WebP", " (*.png;*.gif;*.webp)|*.png;*.gif;*.webp"}}),
                           picture_folder);
  specs.AnimationSpec = Spec("", kOpenOptions,
                             Filter({{"All Animations", "|*.san;*.sag|"},
                                     {"Simple Animation", " (*.san)|*.san|"},
                                     {"Simple Animation Group", " (*.sag)|*.sag"}}),
                             LibraryFolder("Animations"));
  specs.CursorSpec = Spec("", kOpenOptions,
                          Filter({{"All Cursors", "|*.cur;*.ani;*.ico|"},
                                  {"Cursor", " (*.cur)|*.cur|"},
                                  {"Animated Cursor", " (*.ani)|*.ani|"},
                                  {"Icon", " (*.ico)|*.ico"}}),
                          LibraryFolder("Cursors"));
  specs.SoundSpec = Spec("", kOpenOptions,
                         Filter({{"All Sounds", "|*.wav;*.mid;*.rmi|"},
                                 {"Midi", " (*.mid,*.rmi)|*.mid;*.rmi|"},
                                 {"Wave", " (*.wav)|*.wav"}}),
                         LibraryFolder("Sounds"));
  specs.PrintFileSpec = Spec("BMP", kSaveOptions, Filter({{"Bitmap", " (*.bmp)|*.bmp"}}), picture_folder);
  return specs;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

}  // namespace plorvane
