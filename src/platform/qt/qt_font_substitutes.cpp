#include "platform/qt/qt_font_substitutes.h"

#include <QFont>
#include <mutex>

namespace plorvane {

void InstallFontSubstitutes() {
  static std::once_flag installed;
  std::call_once(installed, [] { QFont::insertSubstitution("Wingdings", "D050000L"); });
}

}  // namespace plorvane
