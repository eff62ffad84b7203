// ".SAN" and ".SAG" bytes: one animation, a fresh group, and a merge into a group that already
// holds an animation. Whatever is read, the group's table and elements must still agree.
#include <cstdlib>

#include "animation/animation.h"
#include "animation/animation_group.h"
#include "fuzz/fuzz_target.h"
#include "graphics/bitmap.h"
#include "streaming/memory_stream.h"

namespace plorvane::fuzz {
namespace {

Bitmap Strip(int width, int height) {
  Bitmap bitmap;
  if (!bitmap.Resize(width, height)) std::abort();
  for (int x = 0; x < width; ++x) bitmap.SetPixel(x, x % height, MakeColour(static_cast<std::uint8_t>(x * 40), 0, 90));
  return bitmap;
}

void AddShown(TSAG& group, const Bitmap& strip, int frame_width) {
  int index = -1;
  if (!group.AddFromBitmap(strip, frame_width, index)) std::abort();
  TElementRec record;
  group.GetElement(index, record);
  record.Shown = true;
  group.SetElement(index, record);
}

void CheckConsistent(const TSAG& group) {
  const auto counts = group.GetCounts();
  if (counts.animations > TSAG::kMaxAnimations || counts.elements > TSAG::kMaxElements) std::abort();
  for (int i = 0; i < counts.animations; ++i) {
    const TSAN* animation = nullptr;
    if (!group.GetAnimation(i, animation) || animation->Index() != i || animation->Owner() != &group) std::abort();
  }
  for (int i = 0; i < counts.elements; ++i) {
    TElementRec element;
    group.GetElement(i, element);
    if (element.pID < 0 || element.pID >= counts.animations || !element.Shown) std::abort();
  }
  if (group.BusyCount() != 0) std::abort();
}

}  // namespace

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  ManualClock clock;
  TSAG group(clock);
  AddShown(group, Strip(24, 6), 8);
  AddShown(group, Strip(5, 5), 5);
  group.SetEditable(true);
  group.Select(0);
  group.DuplicateSelected();
  TElementRec copy;
  group.GetSelectedElement(copy);
  copy.Shown = true;
  copy.pF = 1;
  copy.pSH = -10;
  group.SetSelectedElement(copy);

  MemoryStream animation;
  const TSAN* first = nullptr;
  group.GetAnimation(0, first);
  TSAN single;
  single.AssignStrip(first->Strip(), first->pW());
  single.SaveToStream(animation);
  MemoryStream whole;
  group.SaveToStream(whole);
  return {animation.bytes(), whole.bytes()};
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  const std::vector<std::uint8_t> bytes(data, data + size);
  {
    MemoryStream stream(bytes);
    TSAN animation;
    animation.LoadFromStream(stream);
    if (animation.LoadingCount() != 0 || animation.pW() < 1 || animation.FrameCount() < 0) std::abort();
  }
  ManualClock clock;
  for (const bool merge : {false, true}) {
    TSAG group(clock);
    fuzz::AddShown(group, fuzz::Strip(3, 3), 3);
    MemoryStream stream(bytes);
    group.LoadFromStream(stream, merge);
    fuzz::CheckConsistent(group);
    MemoryStream saved;
    if (!group.SaveToStream(saved)) std::abort();
  }
  return 0;
}
