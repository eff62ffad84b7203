#pragma once
// The summary the Information window shows of a card: its size on screen, what it carries and
// how large its executable would be. Built as pieces of styled text (so tests read the words)
// and rendered as the small rich-text document the window displays.

#include <cstdint>
#include <string>
#include <vector>

namespace plorvane {

class TZarvickV2;

enum class InformationStyle {
  kTitle,    // red, bold, large
  kHeading,  // black
  kValue,    // blue, indented by four blanks
};

// One piece of the summary; a "\n" inside the text is a line break. Every piece but the last is
// followed by a line break.
struct InformationPiece {
  InformationStyle style = InformationStyle::kValue;
  std::string text;

  friend bool operator==(const InformationPiece&, const InformationPiece&) = default;
};

// Every word is translated. Not const: the size comes from writing the card stream.
std::vector<InformationPiece> CardInformation(TZarvickV2& card);

// The pieces as HTML for a rich-text view: the card's own texts (its name, its link) are
// escaped, blanks do not collapse and lines do not wrap.
std::string InformationRichText(const std::vector<InformationPiece>& pieces);

// A card executable's size in megabytes as the summary writes it before its "MB": whole
// kilobytes, general number format without trailing zeros ("1.234", "0.42", "1").
std::string MegabyteText(std::int64_t bytes);

}  // namespace plorvane
