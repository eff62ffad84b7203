#include "animation/ui/animation_element_settings.h"

namespace plorvane {

const PublishedProperties<AnimationElementSettings>& AnimationElementSettings::Published() {
  using S = AnimationElementSettings;
  static const auto properties = PublishedProperties<S>()
                                     .Integer("pWidth", &S::width)
                                     .Integer("pHeight", &S::height)
                                     .Integer("pLeft", &S::left)
                                     .Integer("pTop", &S::top)
                                     .Boolean(
                                         "pOnTop", [](const S& s) { return s.on_top; },
                                         [](S& s, bool on) { s.on_top = on; })
                                     .Boolean(
                                         "pVisible", [](const S& s) { return s.visible; },
                                         [](S& s, bool on) { s.visible = on; });
  return properties;
}

}  // namespace plorvane
