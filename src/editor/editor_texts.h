#pragma once
// The editor's prompts, titles and words that are written where they are used rather than in
// one of its tables (the menu tree, the tool bar, the dialog filters), as written before
// translation. The template of texts for language tables is made from these lists together
// with those tables; a text added to the editor belongs here when it is in no table.

#include <array>
#include <string_view>

namespace plorvane::editor_texts {

inline constexpr std::array<std::string_view, 16> kAll = {
    "Error", "Save Changes to", "Type Size of Frame", "Frame Size",
    "No volume control is installed (install pavucontrol)", "Web Link", "Type your internet address",
    "Email Link", "Type your email address", "Extract Support Files", "&Size", "&Synchronise",
    "Information", "Wingdings",
    // The image-strip prompt of the card clipboard.
    "Image Strip", "Type number of image strip cells/frames"};

// The words of the card information window.
inline constexpr std::array<std::string_view, 26> kCardInformation = {
    "Yes", "No", "W", "H", "animation/s", "duplicate/s", "Midi", "Wave", "Link", "Email", "Web",
    "Zarvick", "Information", "Dimensions", "Pixels", "Picture Compression", "Animation", "Cursor",
    "Sound", "Frame", "Name", "Size", "MB", "Status", "Saved", "Not Saved"};

}  // namespace plorvane::editor_texts
