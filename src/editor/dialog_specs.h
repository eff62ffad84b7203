#pragma once
// The seven kinds of file the editor's dialogs ask for, each remembering the last file chosen.

#include <string>
#include <string_view>
#include <vector>

#include "media/open_handler.h"

namespace plorvane {

struct DialogSpecs {
  TDialogSpec CardOpenSpec;
  TDialogSpec CardSaveSpec;
  TDialogSpec PictureSpec;
  TDialogSpec AnimationSpec;
  TDialogSpec CursorSpec;
  TDialogSpec SoundSpec;
  TDialogSpec PrintFileSpec;
};

// The descriptions with their translated filters, each starting in its library folder; the card
// save dialog starts at `card_file`.
DialogSpecs MakeDialogSpecs(const std::string& card_file);
// The labels of every filter above, as written before translation.
std::vector<std::string_view> DialogFilterLabels();

// The folder part of a path, ending in "/"; empty when it names no folder.
std::string FolderOf(const std::string& path);

}  // namespace plorvane
