#include "texttools/text_insert_settings.h"

#include "texttools/component_io.h"
#include "texttools/font_properties.h"

namespace plorvane {
const PublishedProperties<TextInsertSettings>& TextInsertSettings::Published() {
  using S = TextInsertSettings;
  static const auto properties = [] {
    PublishedProperties<S> list;
    PublishFont(list, "pFont", &S::pFont)
        .Integer("pWidth", &S::pWidth)
        .Integer("pHeight", &S::pHeight)
        .Integer("pLeft", &S::pLeft)
        .Integer("pTop", &S::pTop)
        .Boolean(
            "pOnTop", [](const S& s) { return s.pOnTop; }, [](S& s, bool on) { s.pOnTop = on; })
        .Boolean(
            "pWordWrap", [](const S& s) { return s.pWordWrap; }, [](S& s, bool on) { s.pWordWrap = on; })
        .Boolean(
            "pVisible", [](const S& s) { return s.pVisible; }, [](S& s, bool on) { s.pVisible = on; })
        .String("pText", &S::pText);
    return list;
  }();
  return properties;
}

bool SaveTextInsertSettings(const TextInsertSettings& settings, std::string& error) {
  return ComponentIO().SaveSettings(settings, std::string(TextInsertSettings::kFileName), error);
}

bool LoadTextInsertSettings(TextInsertSettings& settings, std::string& error) {
  return ComponentIO().LoadSettings(settings, std::string(TextInsertSettings::kFileName), error);
}

}  // namespace plorvane
