#include "animation/animation_group.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "animation/saturating.h"
#include "support/messages.h"

namespace plorvane {
namespace {

constexpr std::int32_t kDuplicateOffset = 20;
constexpr std::int32_t kScrollStart = 100;

// Scrolling content starts just outside the edge it moves away from.
std::int32_t ScrollStart(std::int32_t step) {
  if (step < 0) return kScrollStart;
  if (step > 0) return -kScrollStart;
  return 0;
}

// Everything a viewer sees or a save keeps; LastAdvance and FrameCount are playback state.
auto VisibleFields(const TElementRec& r) {
  return std::tie(r.pX, r.pY, r.pT, r.pID, r.pFV, r.pFH, r.Width, r.Height, r.pI, r.pD, r.pF, r.pFS, r.pSH, r.pSV,
                  r.pSSH, r.pSSV, r.Shown);
}
auto TimingFields(const TElementRec& r) {
  return std::tie(r.pID, r.Shown, r.pI, r.pD, r.pF, r.pFS, r.pSH, r.pSV, r.pSSH, r.pSSV);
}

}  // namespace

TSAG::TSAG(Clock& clock) : clock_(clock) {}

bool TSAG::ValidAnimation(int index) const { return index >= 0 && index < std::ssize(animations_); }

bool TSAG::ValidElement(int index) const { return index >= 0 && index <= LastElement(); }

bool TSAG::AnimationInUse(int index, bool shown_only) const {
  return std::any_of(elements_.begin(), elements_.end(),
                     [&](const TElementRec& e) { return e.pID == index && (e.Shown || !shown_only); });
}

void TSAG::Changed() {
  dirty_ = true;
  if (OnChange) OnChange();
}

int TSAG::RegisterAnimation(std::unique_ptr<TSAN> animation) {
  if (!animation || std::ssize(animations_) >= kMaxAnimations) return -1;
  animation->owner_ = this;
  animation->index_ = static_cast<int>(animations_.size());
  animations_.push_back(std::move(animation));
  return animations_.back()->index_;
}

bool TSAG::RemoveAnimation(int index) {
  if (!ValidAnimation(index)) return false;
  std::erase_if(elements_, [index](const TElementRec& e) { return e.pID == index; });
  for (TElementRec& element : elements_) {
    if (element.pID > index) --element.pID;
  }
  animations_.erase(animations_.begin() + index);
  for (auto slot = static_cast<std::size_t>(index); slot < animations_.size(); ++slot) {
    animations_[slot]->index_ = static_cast<int>(slot);
  }
  return true;
}

void TSAG::PurgeAnimations(int mode) {
  const bool shown_only = mode == kPurgeUnshown;
  // Removing a slot moves the later ones down, so the scan stays on the same slot.
  for (int slot = 0; slot < std::ssize(animations_);) {
    if (mode < kPurgeAll && AnimationInUse(slot, shown_only)) {
      ++slot;
    } else {
      RemoveAnimation(slot);
    }
  }
}

void TSAG::Clear() {
  selected_ = -1;
  elements_.clear();
  animations_.clear();
  Changed();
}

bool TSAG::AddAnimation(const std::function<bool(TSAN&)>& fill, int& index) {
  index = -1;
  last_error_ = msg::kOutOfMemory;
  bool added = false;
  try {
    auto created = std::make_unique<TSAN>();
    TSAN& animation = *created;
    if (RegisterAnimation(std::move(created)) < 0) {
      last_error_ = msg::kCapacityReached;
      return false;
    }
    if (!fill(animation)) {
      last_error_ = animation.LastError();
    } else {
      TElementRec record;
      animation.GetTemplate(record);
      index = AddElement(record);
      added = index >= 0;
      if (added) {
        Select(index);
        dirty_ = true;
      }
    }
  } catch (...) {
    added = false;
  }
  // Frees the new animation again when it did not get an element.
  PurgeAnimations(kPurgeUnused);
  RestartAll();
  return added;
}

bool TSAG::AddFromFile(const std::string& path, int& index) {
  return AddAnimation([&path](TSAN& animation) { return animation.LoadFromFile(path); }, index);
}

bool TSAG::AddFromBitmap(const Bitmap& bitmap, int frame_width, int& index) {
  return AddAnimation([&](TSAN& animation) { return animation.AssignStrip(bitmap, frame_width); }, index);
}

int TSAG::AddElement(const TElementRec& record) {
  if (std::ssize(elements_) >= kMaxElements || !ValidAnimation(record.pID)) return -1;
  const TSAN& animation = *animations_[static_cast<std::size_t>(record.pID)];
  TElementRec entry = record;
  entry.Width = animation.pW();
  entry.Height = animation.Height();
  entry.FrameCount = animation.FrameCount();
  entry.Shown = false;
  elements_.push_back(entry);
  RestartAll();
  return LastElement();
}

void TSAG::GetElement(int index, TElementRec& record) const {
  if (ValidElement(index)) {
    record = elements_[static_cast<std::size_t>(index)];
  } else {
    record.pID = -1;
  }
}

void TSAG::SetElement(int index, const TElementRec& record) {
  if (!ValidElement(index) || !ValidAnimation(record.pID)) return;
  TElementRec entry = record;
  ClampElementSettings(entry);
  TElementRec& stored = elements_[static_cast<std::size_t>(index)];
  const bool changed = VisibleFields(stored) != VisibleFields(entry);
  const bool timing_changed = TimingFields(stored) != TimingFields(entry);
  stored = entry;
  if (timing_changed) RestartAll();
  if (changed) Changed();
}

void TSAG::GetSelectedElement(TElementRec& record) const { GetElement(selected_, record); }

void TSAG::SetSelectedElement(const TElementRec& record) { SetElement(selected_, record); }

bool TSAG::GetAnimation(int index, const TSAN*& animation) const {
  if (!ValidAnimation(index)) {
    animation = &placeholder_;
    return false;
  }
  animation = animations_[static_cast<std::size_t>(index)].get();
  return true;
}

TSAG::Counts TSAG::GetCounts() const {
  return {static_cast<int>(elements_.size()), static_cast<int>(animations_.size())};
}

void TSAG::Select(int index) {
  if (!ValidElement(index)) index = -1;
  if (index == selected_) return;
  selected_ = index;
  Changed();
}

void TSAG::SelectRelative(int step) {
  std::int64_t next = std::int64_t{selected_} + step;
  if (step < 0 && next < 0) {
    next = LastElement();
  } else if (step >= 0 && next > LastElement()) {
    next = 0;
  }
  Select(static_cast<int>(next));
}

bool TSAG::HasSelection() const { return editable_ && ValidElement(selected_); }

int TSAG::DuplicateSelected() {
  if (!HasSelection()) return -1;
  TElementRec copy = elements_[static_cast<std::size_t>(selected_)];
  copy.pX = SaturatingAdd(copy.pX, kDuplicateOffset);
  copy.pY = SaturatingAdd(copy.pY, kDuplicateOffset);
  const int index = AddElement(copy);
  if (index < 0) return -1;
  Select(index);
  dirty_ = true;
  return index;
}

void TSAG::DeleteSelected() {
  if (!HasSelection()) return;
  const auto position = elements_.begin() + selected_;
  const int animation = position->pID;
  elements_.erase(position);
  if (!AnimationInUse(animation, false)) RemoveAnimation(animation);
  Changed();
}

void TSAG::BringToTop() {
  if (!HasSelection()) return;
  const auto position = elements_.begin() + selected_;
  std::rotate(position, position + 1, elements_.end());
  Select(LastElement());
}

void TSAG::SendToBottom() {
  if (!HasSelection()) return;
  const auto position = elements_.begin() + selected_;
  std::rotate(elements_.begin(), position, position + 1);
  Select(0);
}

bool TSAG::CanBringToTop() const { return HasSelection() && selected_ < LastElement(); }

bool TSAG::CanSendToBottom() const { return HasSelection() && selected_ > 0; }

void TSAG::RestartAll() {
  if (!Paused) {
    const std::uint32_t now = clock_.Milliseconds();
    for (TElementRec& element : elements_) {
      element.LastAdvance = now;
      element.pI = 1;
      element.pFS = element.pF == TSAN::kMaxFlashMode;
      element.pSSH = ScrollStart(element.pSH);
      element.pSSV = ScrollStart(element.pSV);
    }
  }
  dirty_ = true;
}

void TSAG::SetEditable(bool editable) {
  if (editable == editable_) return;
  editable_ = editable;
  Changed();
}

void TSAG::SetOutlineMode(int mode) {
  mode = std::clamp(mode, static_cast<int>(kOutlineFocus), static_cast<int>(kOutlineNone));
  if (mode == outline_mode_) return;
  outline_mode_ = mode;
  Changed();
}

}  // namespace plorvane
