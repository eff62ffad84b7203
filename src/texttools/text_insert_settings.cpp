#include "texttools/text_insert_settings.h"

#include "streaming/memory_stream.h"
#include "streaming/record_reader.h"
#include "support/messages.h"
#include "support/paths.h"
#include "texttools/component_io.h"
#include "texttools/font_properties.h"

namespace plorvane {
namespace {

std::string SettingsFile() { return Paths().SettingsFolder("Settings") + std::string(TextInsertSettings::kFileName); }

bool WrittenByThisClass(MemoryStream& stream) {
  RecordReader reader(stream);
  const auto head = reader.ReadHead();
  const bool ours = head && head->class_name == TextInsertSettings::kClassName;
  return stream.Seek(0) && ours;
}

}  // namespace

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
  TComponentIO& io = ComponentIO();
  MemoryStream stream;
  if (!io.FileToStream(SettingsFile(), stream, error)) return false;
  if (!WrittenByThisClass(stream)) {
    error = msg::kUnknownFormat;
    return false;
  }
  return io.StreamToComponent(stream, settings, error);
}

}  // namespace plorvane
