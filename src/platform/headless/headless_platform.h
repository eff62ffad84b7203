#pragma once
// The whole platform for tests: nothing is shown, played or started. Every call is recorded in
// log() in order, each service keeps its own typed records, and tests script the user's answers
// through the services (platform.dialogs().ScriptFileChoice(...), platform.windowing()
// .ScriptMenuPick("Play"), ...). The clock is a ManualClock. Objects the platform creates
// (windows, sound devices) must not outlive it.

#include "platform/clock.h"
#include "platform/headless/call_log.h"
#include "platform/headless/headless_application.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_cursors.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_metafiles.h"
#include "platform/headless/headless_screen.h"
#include "platform/headless/headless_shell.h"
#include "platform/headless/headless_sound.h"
#include "platform/headless/headless_text_renderer.h"
#include "platform/headless/headless_windowing.h"
#include "platform/platform.h"

namespace plorvane {

class HeadlessPlatform final : public Platform {
 public:
  HeadlessPlatform() = default;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  HeadlessWindowing& windowing() override { return windowing_; }
  HeadlessDialogs& dialogs() override { return dialogs_; }
  HeadlessClipboard& clipboard() override { return clipboard_; }
  HeadlessCursors& cursors() override { return cursors_; }
  HeadlessSoundDevices& sound_devices() override { return sound_devices_; }
  HeadlessShell& shell() override { return shell_; }
  HeadlessScreen& screen() override { return screen_; }
  HeadlessApplication& application() override { return application_; }
  HeadlessTextRenderer& text_renderer() override { return text_renderer_; }
  HeadlessMetafiles& metafiles() override { return metafiles_; }
  ManualClock& clock() override { return clock_; }

  [[nodiscard]] CallLog& log() { return log_; }

 private:
  CallLog log_;
  HeadlessWindowing windowing_{log_};
  HeadlessDialogs dialogs_{log_};
  HeadlessClipboard clipboard_{log_};
  HeadlessCursors cursors_{log_};
  HeadlessSoundDevices sound_devices_{log_};
  HeadlessShell shell_{log_};
  HeadlessScreen screen_;
  HeadlessApplication application_{log_, windowing_};
  HeadlessTextRenderer text_renderer_;
  HeadlessMetafiles metafiles_{log_};
  ManualClock clock_;
};

}  // namespace plorvane
