#pragma once
// The print dialog and the preview's standard controls are Qt's own; their texts reach the user
// through this translator, so they pass through the program's translation table like every text
// of our own.

#include <QTranslator>

namespace plorvane {

class TranslationBridge final : public QTranslator {
 public:
  using QTranslator::QTranslator;

  // Qt's text translated by the table; empty (Qt keeps its own) when the table has none.
  QString translate(const char* context, const char* source_text, const char* disambiguation,
                    int n) const override;
  // Always in use, whether or not a language file was loaded.
  [[nodiscard]] bool isEmpty() const override { return false; }
};

}  // namespace plorvane
