#include "editor/card_information.h"

#include <set>
#include <string_view>

#include "card/card.h"
#include "editor/link_commands.h"
#include "support/translate.h"

namespace plorvane {
namespace {

constexpr std::string_view kValueIndent = "    ";
constexpr std::uint8_t kMidiSound = 1;
constexpr std::uint8_t kWaveSound = 2;

std::string YesNo(bool yes) { return Translate(yes ? "Yes" : "No"); }

std::string Dimensions(const TZarvickV2& card) {
  const Graphic* graphic = card.CardPicture().graphic();
  const int width = graphic != nullptr ? graphic->Width() : 0;
  const int height = graphic != nullptr ? graphic->Height() : 0;
  const int frame = 2 * card.pSize();
  return std::to_string(width + frame) + Translate("W") + " x " + std::to_string(height + frame) + Translate("H");
}

bool IsJpegPicture(const TZarvickV2& card) {
  const Graphic* graphic = card.CardPicture().graphic();
  return graphic != nullptr && graphic->ClassName() == "TJPEGImage";
}

// Duplicates are the elements beyond the first of each animation they show; an animation no
// element shows is not counted, so the figure never goes below zero.
std::string AnimationSummary(const TSAG& animations) {
  const int elements = animations.GetCounts().elements;
  if (elements == 0) return Translate("No");
  std::set<int> shown;
  for (int index = 0; index < elements; ++index) {
    TElementRec element;
    animations.GetElement(index, element);
    shown.insert(element.pID);
  }
  const int duplicates = elements - static_cast<int>(shown.size());
  return std::to_string(elements) + " " + Translate("animation/s") + "\n" + std::string(kValueIndent) +
         std::to_string(duplicates) + " " + Translate("duplicate/s");
}

std::string SoundSummary(std::uint8_t sound_type) {
  if (sound_type == kMidiSound) return Translate("Midi");
  if (sound_type == kWaveSound) return Translate("Wave");
  return Translate("No");
}

std::string LinkHeading(const std::string& link) {
  std::string heading = Translate("Link") + " ";
  if (!link.empty()) heading += "(" + Translate(IsEmail(link) ? "Email" : "Web") + ")";
  return heading;
}

void AppendEscaped(std::string& html, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      case ' ': html += "&nbsp;"; break;
      case '\r': break;
      case '\n': html += "<br>"; break;
      default: html += c;
    }
  }
}

std::string_view StyleOf(InformationStyle style) {
  switch (style) {
    case InformationStyle::kTitle: return "color:#ff0000; font-weight:bold; font-size:18pt;";
    case InformationStyle::kHeading: return "color:#000000; font-weight:normal; font-size:10pt;";
    case InformationStyle::kValue: break;
  }
  return "color:#0000ff; font-weight:normal; font-size:10pt;";
}

}  // namespace

std::vector<InformationPiece> CardInformation(TZarvickV2& card) {
  const auto heading = [](std::string text) { return InformationPiece{InformationStyle::kHeading, std::move(text)}; };
  const auto value = [](const std::string& text) {
    return InformationPiece{InformationStyle::kValue, std::string(kValueIndent) + text};
  };
  const std::string& link = card.pLink();
  return {
      {InformationStyle::kTitle, Translate("Zarvick") + " " + Translate("Information")},
      heading("\n" + Translate("Dimensions") + " (" + Translate("Pixels") + ")"),
      value(Dimensions(card)),
      heading(Translate("Picture Compression")),
      value(YesNo(IsJpegPicture(card))),
      heading(Translate("Animation") + " "),
      value(AnimationSummary(card.Animations())),
      heading(Translate("Cursor") + " "),
      value(YesNo(!card.CursorData().empty())),
      heading(Translate("Sound")),
      value(SoundSummary(card.pSoundType())),
      heading(Translate("Frame")),
      value(YesNo(card.pSize() != 0)),
      heading(LinkHeading(link)),
      value(link.empty() ? Translate("No") : link),
      heading(Translate("Name")),
      value(card.CardName()),
      heading(Translate("Size")),
      value(MegabyteText(card.EstimatedSize()) + Translate("MB")),
      heading(Translate("Status")),
      value(Translate(card.Saved() ? "Saved" : "Not Saved")),
  };
}

std::string InformationRichText(const std::vector<InformationPiece>& pieces) {
  std::string html = "<html><body style=\"white-space:pre;\"><p style=\"margin:0;\">";
  for (std::size_t at = 0; at < pieces.size(); ++at) {
    html += "<span style=\"";
    html += StyleOf(pieces[at].style);
    html += "\">";
    AppendEscaped(html, pieces[at].text);
    html += "</span>";
    if (at + 1 < pieces.size()) html += "<br>";
  }
  html += "</p></body></html>";
  return html;
}

std::string MegabyteText(std::int64_t bytes) {
  const std::int64_t kilobytes = bytes / 1000;
  std::string text = std::to_string(kilobytes / 1000);
  std::string fraction = std::to_string(1000 + kilobytes % 1000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace plorvane
