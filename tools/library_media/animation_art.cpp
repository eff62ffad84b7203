#include "animation_art.h"

#include "graphics/canvas.h"

namespace plorvane::library {

std::unique_ptr<TSAN> MakeAnimation(const AnimationArt& art) {
  Bitmap strip;
  if (!strip.Resize(art.width * art.frames, art.height, kKey)) return nullptr;
  for (int index = 0; index < art.frames; ++index) {
    Bitmap frame;
    if (!frame.Resize(art.width, art.height, kKey)) return nullptr;
    art.draw(frame, static_cast<double>(index) / art.frames);
    CopyRect(frame, Rect{0, 0, art.width, art.height}, strip, Point{index * art.width, 0});
  }
  auto animation = std::make_unique<TSAN>();
  if (!animation->AssignStrip(strip, art.width)) return nullptr;
  TElementRec settings;
  animation->GetTemplate(settings);
  settings.pT = true;
  settings.pD = art.interval;
  animation->SetTemplate(settings);
  return animation;
}

}  // namespace plorvane::library
