#include "texttools/symbol_window_settings.h"

#include "texttools/font_properties.h"

namespace plorvane {

const PublishedProperties<FontViewSettings>& FontViewSettings::Published() {
  using S = FontViewSettings;
  static const auto properties = [] {
    PublishedProperties<S> list;
    PublishFont(list, "pFont", &S::pFont).Integer("pTopIndex", &S::pTopIndex).Integer("pItemIndex", &S::pItemIndex);
    return list;
  }();
  return properties;
}

const PublishedProperties<SymbolWindowSettings>& SymbolWindowSettings::Published() {
  using S = SymbolWindowSettings;
  static const auto properties =
      PublishedProperties<S>()
          .String("pFontView", &S::pFontView)
          .Integer("pWidth", &S::pWidth)
          .Integer("pHeight", &S::pHeight)
          .Boolean(
              "pOnTop", [](const S& s) { return s.pOnTop; }, [](S& s, bool on) { s.pOnTop = on; })
          .Integer("pLeft", &S::pLeft)
          .Integer("pTop", &S::pTop)
          .Boolean(
              "pVisible", [](const S& s) { return s.pVisible; }, [](S& s, bool on) { s.pVisible = on; });
  return properties;
}

}  // namespace plorvane
