// The group's persistence: the ".SAG" record, its files, and the ".SAN" of one element.
#include <new>

#include "animation/animation_group.h"
#include "animation/element_object.h"
#include "animation/nesting_scope.h"
#include "animation/object_file.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/messages.h"

namespace plorvane {

const PublishedProperties<TSAG>& TSAG::Published() {
  static const auto properties =
      PublishedProperties<TSAG>()
          .Integer(
              "pAC", [](const TSAG& g) { return static_cast<std::int32_t>(g.animations_.size()) - 1; },
              [](TSAG& g, std::int32_t v) { g.declared_last_animation_ = v; })
          .Integer(
              "pEC", [](const TSAG& g) { return g.LastElement(); },
              [](TSAG& g, std::int32_t v) { g.declared_last_element_ = v; })
          .String(
              "pSANS", [](const TSAG& g) { return g.AnimationRecords(); },
              [](TSAG& g, std::string&& v) { g.ReadAnimationRecords(v); })
          .String(
              "pES", [](const TSAG& g) { return g.ElementRecords(); },
              [](TSAG& g, std::string&& v) { g.ReadElementRecords(v); });
  return properties;
}

std::string TSAG::AnimationRecords() const {
  MemoryStream records;
  for (const auto& animation : animations_) {
    // The getter cannot answer a failure; the save that called it catches this.
    if (!animation->SaveToStream(records)) throw std::bad_alloc();
  }
  return records.AsString();
}

std::string TSAG::ElementRecords() const {
  MemoryStream records;
  for (const TElementRec& element : elements_) {
    if (!WriteObject(records, TAEO::FromRecord(element))) throw std::bad_alloc();
  }
  return records.AsString();
}

// Stops at the full table: entries beyond it could not be placed anyway.
void TSAG::ReadAnimationRecords(const std::string& records) {
  if (read_damaged_) return;
  MemoryStream stream(records);
  for (std::int64_t entry = 0; entry <= declared_last_animation_ && std::ssize(animations_) < kMaxAnimations; ++entry) {
    auto created = std::make_unique<TSAN>();
    TSAN& animation = *created;
    RegisterAnimation(std::move(created));
    if (!animation.LoadFromStream(stream)) {
      RemoveAnimation(animation.Index());
      read_damaged_ = true;
      return;
    }
  }
}

// Every record read consumes bytes, so a huge announced count ends with the data.
void TSAG::ReadElementRecords(const std::string& records) {
  if (read_damaged_) return;
  MemoryStream stream(records);
  for (std::int64_t entry = 0; entry <= declared_last_element_; ++entry) {
    TAEO stored;
    if (!ReadObject(stream, stored)) {
      read_damaged_ = true;
      return;
    }
    TElementRec record = stored.ToRecord();
    // A negative pID would land on an animation the group had before a merge.
    if (record.pID < 0 || std::int64_t{record.pID} + merge_base_ >= std::ssize(animations_)) continue;
    record.pID += merge_base_;
    ClampElementSettings(record);
    const int index = AddElement(record);
    if (index < 0) return;
    elements_[static_cast<std::size_t>(index)].Shown = true;
  }
}

bool TSAG::SaveToStream(Stream& stream) {
  const NestingScope busy(busy_count_);
  last_error_ = msg::kOutOfMemory;
  try {
    PurgeAnimations(kPurgeUnshown);
    return WriteObject(stream, *this);
  } catch (...) {
    return false;
  }
}

bool TSAG::LoadFromStream(Stream& stream, bool merge) {
  const NestingScope busy(busy_count_);
  last_error_ = msg::kUnknownFormat;
  try {
    if (!merge) Clear();
    PurgeAnimations(kPurgeUnshown);
    merge_base_ = static_cast<int>(animations_.size());
    const std::size_t elements_before = elements_.size();
    declared_last_animation_ = -1;
    declared_last_element_ = -1;
    read_damaged_ = false;
    bool loaded = false;
    try {
      loaded = ReadObject(stream, *this) && !read_damaged_;
    } catch (...) {
      loaded = false;
    }
    // Without its loaded elements the purge drops the loaded animations too.
    if (!loaded) elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(elements_before), elements_.end());
    PurgeAnimations(kPurgeUnshown);
    return loaded;
  } catch (...) {
    return false;
  }
}

bool TSAG::SaveToFile(const std::string& path) {
  return SaveObjectFile(path, last_error_, [this](Stream& stream) { return SaveToStream(stream); });
}

bool TSAG::LoadFromFile(const std::string& path, bool merge) {
  return LoadObjectFile(path, last_error_, [this, merge](Stream& stream) { return LoadFromStream(stream, merge); });
}

bool TSAG::SaveElementToFile(int index, const std::string& path) {
  last_error_ = msg::kIndexOutOfRange;
  if (!ValidElement(index)) return false;
  const TElementRec& element = elements_[static_cast<std::size_t>(index)];
  if (!ValidAnimation(element.pID)) return false;
  TSAN& animation = *animations_[static_cast<std::size_t>(element.pID)];
  animation.SetTemplate(element);
  if (animation.SaveToFile(path)) return true;
  last_error_ = animation.LastError();
  return false;
}

}  // namespace plorvane
