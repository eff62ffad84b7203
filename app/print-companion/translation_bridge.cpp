#include "translation_bridge.h"

#include <string>

#include "support/translate.h"

namespace plorvane {

QString TranslationBridge::translate(const char* /*context*/, const char* source_text,
                                     const char* /*disambiguation*/, int /*n*/) const {
  if (source_text == nullptr) return {};
  const std::string translated = Translate(source_text);
  if (translated == source_text) return {};
  // The table breaks lines as the core does; Qt's texts break them with a line feed alone.
  return QString::fromStdString(translated).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace plorvane
