// The clipboard's operations on the card's frame and link, through TFrameIO and TLinkIO.
#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "support/messages.h"

namespace plorvane {

bool TZarvickClipboard::CopyFrame(TZarvickV2& card) {
  frame_io_.Split = static_cast<std::uint8_t>(card.pSplit());
  frame_io_.Color = card.pColor();
  frame_io_.SwapColor = card.pSwapColor();
  frame_io_.Size = static_cast<std::uint8_t>(card.pSize());
  frame_io_.Shade = static_cast<std::uint8_t>(card.pShade());
  const bool saved = frame_io_.SaveToFile(ObjectFile("FRA"));
  last_error_ = frame_io_.LastError();
  return saved;
}

bool TZarvickClipboard::CutFrame(TZarvickV2& card) { return CopyFrame(card) && NoFrame(card); }

bool TZarvickClipboard::PasteFrame(TZarvickV2& card) {
  const bool loaded = frame_io_.LoadFromFile(ObjectFile("FRA"));
  last_error_ = frame_io_.LastError();
  if (!loaded) return false;
  card.BeginChange();
  card.SetSplit(frame_io_.Split);
  card.SetColor(frame_io_.Color);
  card.SetSwapColor(frame_io_.SwapColor);
  card.SetSize(frame_io_.Size);
  card.SetShade(frame_io_.Shade);
  card.Redraw(true);
  return true;
}

bool TZarvickClipboard::NoFrame(TZarvickV2& card) {
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  card.SetSize(0);
  card.RedrawIfChanged();
  return true;
}

bool TZarvickClipboard::CopyLink(TZarvickV2& card) {
  link_io_.Link = card.pLink();
  link_io_.LinkColor = card.pLinkColor();
  const bool saved = link_io_.SaveToFile(ObjectFile("LK"));
  last_error_ = link_io_.LastError();
  return saved;
}

bool TZarvickClipboard::CutLink(TZarvickV2& card) { return CopyLink(card) && NoLink(card); }

bool TZarvickClipboard::PasteLink(TZarvickV2& card) {
  const bool loaded = link_io_.LoadFromFile(ObjectFile("LK"));
  last_error_ = link_io_.LastError();
  if (!loaded) return false;
  card.BeginChange();
  card.SetLink(link_io_.Link);
  card.SetLinkColor(link_io_.LinkColor);
  card.RedrawIfChanged();
  return true;
}

bool TZarvickClipboard::NoLink(TZarvickV2& card) {
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  card.SetLink("");
  card.RedrawIfChanged();
  return true;
}

}  // namespace plorvane
