// The card player: a card executable shows and plays the card attached to itself.
#include <QApplication>
#include <memory>
#include <new>

#include "card/card.h"
#include "platform/qt/qt_display_choice.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_termination_signals.h"
#include "platform/sdl/sdl_sound_devices.h"
#include "support/memory_tuning.h"
#include "support/messages.h"
#include "support/translate.h"

int main(int argc, char** argv) {
  using namespace plorvane;
  KeepLargeBuffersForReuse();
  ChooseDisplayPlatform();
  QApplication application(argc, argv);
  const QtTerminationSignals termination;
  QtPlatform platform(std::make_unique<SdlSoundDevices>());
  std::unique_ptr<TZarvickV2> card;
  try {
    card = std::make_unique<TZarvickV2>(platform, CardMode::kPlayer);
  } catch (const std::bad_alloc&) {
    platform.dialogs().ErrorBox(Translate("Error"), Translate(msg::kOutOfMemory));
    return 1;
  }
  // A card that cannot be read has shown its error; no window has appeared.
  if (!card->StartPlayer(QCoreApplication::applicationFilePath().toStdString())) return 1;
  if (termination.Received()) return 0;
  return QApplication::exec();
}
