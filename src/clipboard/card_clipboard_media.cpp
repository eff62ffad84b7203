// The clipboard's operations on the card's cursor and sound.
#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "support/messages.h"

namespace plorvane {

bool TZarvickClipboard::CopyCursor(TZarvickV2& card) { return CardResult(card.SaveCursor(ObjectFile("CUR"))); }

bool TZarvickClipboard::CutCursor(TZarvickV2& card) { return CopyCursor(card) && DefaultCursor(card); }

bool TZarvickClipboard::LoadCursorFrom(TZarvickV2& card, std::string_view kind) {
  return CardResult(card.LoadCursor(ObjectFile(kind)));
}

bool TZarvickClipboard::DefaultCursor(TZarvickV2& card) {
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  card.ResetCursor();
  return true;
}

bool TZarvickClipboard::CopySound(TZarvickV2& card) {
  // Other programs take the sound from the file of its own kind; this one reads the SND file.
  if (!CardResult(card.SaveSound(ObjectFile("SND")))) return false;
  const auto kind = card.SoundExtension();
  return CardResult(kind && card.SaveSound(ObjectFile(*kind)));
}

bool TZarvickClipboard::CutSound(TZarvickV2& card) { return CopySound(card) && NoSound(card); }

bool TZarvickClipboard::PasteSound(TZarvickV2& card) { return CardResult(card.LoadSound(ObjectFile("SND"))); }

bool TZarvickClipboard::NoSound(TZarvickV2& card) {
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  card.ClearSound();
  return true;
}

}  // namespace plorvane
