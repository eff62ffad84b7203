// The card's animation commands: thin wrappers over its animation group.
#include "card/card.h"
#include "support/messages.h"

namespace plorvane {

bool TZarvickV2::AddAnimation(const std::string& file_name) {
  last_error_ = msg::kOutOfMemory;
  BeginChange();
  int index = -1;
  const bool added = animations_->AddFromFile(file_name, index);
  if (added) {
    // A new element is committed by its caller: from a file, that is at once.
    TElementRec element;
    animations_->GetElement(index, element);
    element.Shown = true;
    animations_->SetElement(index, element);
  } else {
    last_error_ = animations_->LastError();
  }
  Redraw(true);
  return added;
}

bool TZarvickV2::AddAnimationGroup(const std::string& file_name) {
  last_error_ = msg::kOutOfMemory;
  BeginChange();
  const bool added = animations_->LoadFromFile(file_name, true);
  if (!added) last_error_ = animations_->LastError();
  Redraw(true);
  return added;
}

bool TZarvickV2::SaveSelectedAnimation(const std::string& file_name) {
  last_error_ = msg::kIndexOutOfRange;
  if (!animations_->HasSelection()) return false;
  const bool saved = animations_->SaveElementToFile(animations_->Selected(), file_name);
  if (!saved) last_error_ = animations_->LastError();
  return saved;
}

bool TZarvickV2::SaveAnimationGroup(const std::string& file_name) {
  last_error_ = msg::kEmpty;
  if (animations_->GetCounts().animations == 0) return false;
  const bool saved = animations_->SaveToFile(file_name);
  if (!saved) last_error_ = animations_->LastError();
  return saved;
}

}  // namespace plorvane
