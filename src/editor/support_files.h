#pragma once
// What the editor takes out of two of the carriers it brings inside itself: the critical parts
// at every start, and the library files on the first start of a version and on request.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/picture.h"

namespace plorvane {

// Where the items of the critical carrier go. A callback left empty skips its item.
struct CriticalPartsTarget {
  std::function<void(const Picture&)> splash_picture;  // "A.JPG"
  std::function<void(const Picture&)> about_picture;   // "B.JPG"
  std::function<void(std::vector<std::uint8_t>)> player_image;  // "A.EXE"
  // The maker's folder of the menu tree. An item named as the installed file of a Tools-menu
  // companion (ToolFileName) is written to that tool's place below it, only when no file is
  // there yet, and made startable.
  std::string companion_base;
};

// Hands every known item of the critical carrier to its target, in archive order (names
// compared without regard to case; other items are skipped). A carrier without a readable
// archive holds nothing to extract: true. False, with the archive's error text in
// `error_text` ("Out of memory" when it fails before), as soon as an item cannot be read,
// decoded or written.
bool Extract_criFiles(std::span<const std::uint8_t> carrier_bitmap_file, const CriticalPartsTarget& target,
                      std::string& error_text);

// The library folder for an item of the support carrier, by its extension in any case:
// "Pictures", "Cursors", "Sounds", "Animations", or empty for the base folder itself.
std::string_view LibraryFolderFor(std::string_view item_name);

// Writes the support carrier's items into the library folders below `base_folder` (the maker's
// folder of the menu tree, ending in "/"), creating them when missing and never replacing a file
// that is there already. False with the archive's error text when the archive cannot be read. An
// item that cannot be written ends the extraction quietly: the answer is still true and what was
// written stays.
bool Extract_supFiles(std::span<const std::uint8_t> carrier_bitmap_file, const std::string& base_folder,
                      std::string& error_text);

}  // namespace plorvane
