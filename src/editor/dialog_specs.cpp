#include "editor/dialog_specs.h"

#include <span>
#include <string_view>
#include <utility>

#include "editor/library_folders.h"
#include "support/translate.h"

namespace plorvane {
namespace {

// A filter's pieces: each label passes through Translate, the patterns after it stay as they are.
struct FilterPiece {
  std::string_view label;
  std::string_view pattern;
};
using Filter = std::span<const FilterPiece>;

constexpr FilterPiece kCardFilter[] = {{"Zarvicks", " (*.exe)|*.exe"}};
constexpr FilterPiece kPictureFilter[] = {
    {"All Pictures", "|*.bmp;*.emf;*.wmf;*.jpg;*.jpeg;*.png;*.gif;*.webp;*.ico|"},
    {"Jpeg", " (*.jpg)|*.jpg;*.jpeg|"},
    {"Bitmap", " (*.bmp)|*.bmp|"},
    {"Windows Metafile", " (*.wmf)|*.wmf|"},
    {"Enhanced Windows Metafile", " (*.emf)|*.emf|"},
    {"PNG, GIF, WebP", " (*.png;*.gif;*.webp)|*.png;*.gif;*.webp"}};
constexpr FilterPiece kAnimationFilter[] = {{"All Animations", "|*.san;*.sag|"},
                                            {"Simple Animation", " (*.san)|*.san|"},
                                            {"Simple Animation Group", " (*.sag)|*.sag"}};
constexpr FilterPiece kCursorFilter[] = {{"All Cursors", "|*.cur;*.ani;*.ico|"},
                                         {"Cursor", " (*.cur)|*.cur|"},
                                         {"Animated Cursor", " (*.ani)|*.ani|"},
                                         {"Icon", " (*.ico)|*.ico"}};
constexpr FilterPiece kSoundFilter[] = {
    {"All Sounds", "|*.wav;*.mid;*.rmi|"}, {"Midi", " (*.mid,*.rmi)|*.mid;*.rmi|"}, {"Wave", " (*.wav)|*.wav"}};
constexpr FilterPiece kPrintFileFilter[] = {{"Bitmap", " (*.bmp)|*.bmp"}};

constexpr Filter kFilters[] = {kCardFilter, kPictureFilter, kAnimationFilter, kCursorFilter, kSoundFilter,
                               kPrintFileFilter};

std::string Translated(Filter pieces) {
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
  const std::string card_filter = Translated(kCardFilter);
  const std::string picture_folder = LibraryFolder("Pictures");
  DialogSpecs specs;
  specs.CardOpenSpec = Spec("EXE", kOpenOptions, card_filter, LibraryFolder("Zarvicks"));
  specs.CardSaveSpec = Spec("EXE", kSaveOptions, card_filter, card_file);
  specs.PictureSpec = Spec("", kOpenOptions, Translated(kPictureFilter), picture_folder);
  specs.AnimationSpec = Spec("", kOpenOptions, Translated(kAnimationFilter), LibraryFolder("Animations"));
  specs.CursorSpec = Spec("", kOpenOptions, Translated(kCursorFilter), LibraryFolder("Cursors"));
  specs.SoundSpec = Spec("", kOpenOptions, Translated(kSoundFilter), LibraryFolder("Sounds"));
  specs.PrintFileSpec = Spec("BMP", kSaveOptions, Translated(kPrintFileFilter), picture_folder);
  return specs;
}

std::vector<std::string_view> DialogFilterLabels() {
  std::vector<std::string_view> labels;
  for (const Filter filter : kFilters) {
    for (const FilterPiece& piece : filter) labels.push_back(piece.label);
  }
  return labels;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

}  // namespace plorvane
