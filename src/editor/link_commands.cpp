#include "editor/link_commands.h"

#include <string>

#include "card/card.h"
#include "editor/card_colours.h"
#include "support/text_case.h"
#include "support/translate.h"

namespace plorvane {
namespace {

constexpr std::string_view kEmailPrefix = "mailto:";
constexpr std::string_view kWebPrefix = "http://";

struct LinkPrompt {
  std::string_view caption;
  std::string_view prompt;
  std::string_view example;  // shown as it is, in every language
};

constexpr LinkPrompt kWebPrompt = {"Web Link", "Type your internet address", "http://www.example.com"};
constexpr LinkPrompt kEmailPrompt = {"Email Link", "Type your email address", "mailto:name@example.com"};

}  // namespace

bool IsEmail(std::string_view link) {
  return EqualsIgnoringCase(link.substr(0, kEmailPrefix.size()), kEmailPrefix);
}

void LinkCommands::Register(CommandSet& commands) {
  commands.Register("AsWebLink1", [this] { DefineLink(LinkKind::kWeb, false); });
  commands.Register("AsEmailLink1", [this] { DefineLink(LinkKind::kEmail, false); });
  commands.Register("LinkButton", [this] { DefineLink(LinkKind::kWeb, true); });
  commands.Register("Color2", [this] { ChooseColour(form_, CardColour::kLink); });
  commands.Register("AutoColor2", [this] { ApplyAutoColour(form_, CardColour::kLink); });
}

void LinkCommands::DefineLink(LinkKind wanted, bool keep_kind) {
  TZarvickV2& card = form_.card();
  const std::string current = card.pLink();
  const LinkKind current_kind = IsEmail(current) ? LinkKind::kEmail : LinkKind::kWeb;
  if (keep_kind) wanted = current_kind;
  // A link of the other kind is no start for this one.
  std::string start = wanted == current_kind ? current : std::string();
  if (start.empty()) start = wanted == LinkKind::kEmail ? kEmailPrefix : kWebPrefix;
  const LinkPrompt& prompt = wanted == LinkKind::kEmail ? kEmailPrompt : kWebPrompt;
  const auto answer = form_.platform().dialogs().InputBox(
      Translate(prompt.caption), Translate(prompt.prompt) + " [" + std::string(prompt.example) + "]", start);
  if (!answer || *answer == current) return;
  BusyScope busy(form_);
  if (!card.BeginChange()) {
    card.ShowError();
    return;
  }
  card.SetLink(*answer);
  card.RedrawIfChanged();
}

void ShowLinkItemStates(FormServices& form, MenuIndex& menus) {
  const TZarvickV2& card = form.card();
  menus.SetEnabled("AutoColor2", AutoLinkColor(form) != card.pLinkColor());
  const bool email = IsEmail(card.pLink());
  menus.SetChecked("AsEmailLink1", email);
  menus.SetChecked("AsWebLink1", !email);
}

}  // namespace plorvane
