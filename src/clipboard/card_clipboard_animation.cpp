// The clipboard's operations on the card's animations and on the selected element.
#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "support/messages.h"

namespace plorvane {

bool TZarvickClipboard::CopyAnimation(TZarvickV2& card) {
  return CardResult(card.SaveSelectedAnimation(ObjectFile("SAN")));
}

bool TZarvickClipboard::CutAnimation(TZarvickV2& card) { return CopyAnimation(card) && Delete(card); }

bool TZarvickClipboard::PasteAnimation(TZarvickV2& card) { return CardResult(card.AddAnimation(ObjectFile("SAN"))); }

bool TZarvickClipboard::CopyAllAnimations(TZarvickV2& card) {
  return CardResult(card.SaveAnimationGroup(ObjectFile("SAG")));
}

bool TZarvickClipboard::PasteAllAnimations(TZarvickV2& card) {
  return CardResult(card.AddAnimationGroup(ObjectFile("SAG")));
}

bool TZarvickClipboard::Duplicate(TZarvickV2& card) {
  card.BeginChange();
  last_error_ = msg::kCapacityReached;
  TSAG& group = card.Animations();
  const int index = group.DuplicateSelected();
  if (index < 0) return false;
  TElementRec element;
  group.GetElement(index, element);
  element.Shown = true;
  group.SetElement(index, element);
  return true;
}

bool TZarvickClipboard::Delete(TZarvickV2& card) {
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  card.Animations().DeleteSelected();
  return true;
}

bool TZarvickClipboard::DeleteAll(TZarvickV2& card) {
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  card.Animations().Clear();
  return true;
}

bool TZarvickClipboard::SelectedFlag(bool TElementRec::*flag) const {
  if (card_ == nullptr || !card_->HasSelection()) return false;
  TElementRec element;
  card_->Animations().GetSelectedElement(element);
  return element.*flag;
}

bool TZarvickClipboard::SetSelectedFlag(bool TElementRec::*flag, bool on) {
  return WithCard([&](TZarvickV2& card) {
    last_error_ = msg::kIndexOutOfRange;
    if (!card.HasSelection()) return false;
    TElementRec element;
    card.Animations().GetSelectedElement(element);
    element.*flag = on;
    card.Animations().SetSelectedElement(element);
    card.SetSaved(false);
    return true;
  });
}

int TZarvickClipboard::Interval() const {
  if (card_ == nullptr || !card_->HasSelection()) return 0;
  TElementRec element;
  card_->Animations().GetSelectedElement(element);
  return element.pD;
}

bool TZarvickClipboard::Locked() const { return card_ != nullptr && !card_->Animations().Editable(); }

bool TZarvickClipboard::SetLocked(bool locked) {
  return WithCard([&](TZarvickV2& card) {
    card.Animations().SetEditable(!locked);
    return true;
  });
}

int TZarvickClipboard::OutlineMode() const { return card_ == nullptr ? 0 : card_->Animations().OutlineMode(); }

bool TZarvickClipboard::SetOutlineMode(int mode) {
  return WithCard([&](TZarvickV2& card) {
    card.Animations().SetOutlineMode(mode);
    return true;
  });
}

}  // namespace plorvane
