#pragma once
// The platform on Qt 6 Widgets. A QApplication must exist before it and outlive it; the sound
// devices are handed in (SDL2_mixer in the programs).

#include <memory>

#include "platform/platform.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_cursors.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_metafiles.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_windowing.h"
#include "platform/system_clock.h"

namespace plorvane {

class QtPlatform final : public Platform {
 public:
  explicit QtPlatform(std::unique_ptr<SoundDevices> sound_devices) : sound_devices_(std::move(sound_devices)) {}
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  QtWindowing& windowing() override { return windowing_; }
  QtDialogs& dialogs() override { return dialogs_; }
  QtClipboard& clipboard() override { return clipboard_; }
  QtCursors& cursors() override { return cursors_; }
  SoundDevices& sound_devices() override { return *sound_devices_; }
  QtShell& shell() override { return shell_; }
  QtScreen& screen() override { return screen_; }
  QtApplication& application() override { return application_; }
  QtTextRenderer& text_renderer() override { return text_renderer_; }
  QtMetafiles& metafiles() override { return metafiles_; }
  SystemClock& clock() override { return clock_; }

 private:
  std::unique_ptr<SoundDevices> sound_devices_;
  QtCursors cursors_;
  QtWindowing windowing_{cursors_};
  QtDialogs dialogs_;
  QtClipboard clipboard_;
  QtShell shell_;
  QtScreen screen_;
  QtApplication application_;
  QtTextRenderer text_renderer_;
  QtMetafiles metafiles_;
  SystemClock clock_;
};

}  // namespace plorvane
